// What the senator's story shares between its turns, its visits and its screens.
#pragma once

#include <string>

#include "state/tables.h"

namespace corvanth {

// The story steps of Faction::StoryStep.
namespace StoryStep {
inline constexpr int LetterReceived = 0;
inline constexpr int DonationDeclined = 1;
inline constexpr int DonationMade = 2;
inline constexpr int GiftRequested = 3;
inline constexpr int GiftBought = 4;
inline constexpr int GiftGiven = 5;
inline constexpr int Abducted = 7;
inline constexpr int InformantLead = 8;
inline constexpr int Scanning = 9;
inline constexpr int PartnerPoint = 10;
inline constexpr int BasePoint = 11;
inline constexpr int Married = 13;
}  // namespace StoryStep

// The senator of a faction 1..4, his home and how he greets.
struct Senator {
    const char* name;
    const char* planet;
    const char* system;
    const char* salutation;
};
const Senator& SenatorOf(int faction);

// Letter received and senator met: the story is under way.
bool StoryUnderWay();
// The story is under way and at this step.
bool AtStoryStep(int step);
bool MaleCaptain();

// Speech in the story's texts.
inline constexpr char kQuote[] = "\"";
std::string Quoted(const std::string& text);

// The senator of a faction 1..4 in his office.
std::string SenatorPictureOf(int faction);
// The pictures of the captain's faction.
std::string SenatorPicture();
std::string DaughterPicture();
std::string WifePicture();
std::string RescuePicture();
std::string WeddingPicture();
// The one courted: the daughter for a male captain, the widowed senator for a female one.
std::string PartnerPicture();

// The capital system of a faction 1..4 (0 for any other).
int CapitalSystem(int faction);

// The two hidden jump points of the story (New Wales 6 and New Barbados 7).
inline constexpr int kPartnerSystem = 7;
inline constexpr int kPartnerLocation = 6;
inline constexpr int kBaseSystem = 22;
inline constexpr int kBaseLocation = 7;
// The story's news wait while the travel progress dialog shows days of travel left.
bool StoryWaitsForTravel();
// The turn's visit to Dodurive's base: the ransom or the battle, and the reunion.
void DodurivesBase();
// Takes a hidden jump point off the map.
void RemoveHiddenJumpPoint(int system, int location);
// Ends the story for good when the captain leaves its faction: the hidden jump points of steps
// 10 and 11 go with it.
void RemoveStoryLocations(const GameRecord& story);

}  // namespace corvanth
