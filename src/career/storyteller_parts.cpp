// The senators, the story's pictures by the captain's faction and its record.
#include "career/storyteller_parts.h"

namespace corvanth {
namespace {

// Picture name by faction: "exp1_" + prefix + role.
std::string StoryPicture(int faction, const char* role) {
    static const char* const kPrefix[] = {"fed", "fed", "or", "synd", "coal"};
    return std::string("exp1_") + kPrefix[PlayableFaction(faction) ? faction : 0] + role + ".jpg";
}

std::string StoryPicture(const char* role) {
    return StoryPicture(CaptainFaction(), role);
}

}  // namespace

const Senator& SenatorOf(int faction) {
    static const Senator kSenators[] = {
        {"Alastair Penhallow", "Earth", "Sol", "Dear "},
        {"Alastair Penhallow", "Earth", "Sol", "Dear "},
        {"Fergus Moraghan", "Hyraxan VII", "Hyraxan", "Good morning "},
        {"Isamu Kurogane", "Moscow Prime", "New Moscow", "May your blade always be sharp "},
        {"Lucien Marchevaux", "Paris", "New France", "Greetings "},
    };
    return kSenators[PlayableFaction(faction) ? faction : 0];
}

bool StoryUnderWay() {
    const GameRecord& story = CaptainFactionRecord();
    return story[Faction::SenatorLetterReceived] == 1 && story[Faction::SenatorMet] == 1;
}

bool AtStoryStep(int step) {
    return StoryUnderWay() && CaptainFactionRecord()[Faction::StoryStep] == step;
}

std::string Quoted(const std::string& text) {
    return kQuote + text + kQuote;
}

bool MaleCaptain() {
    return Captain()[Player::Gender] != 2;
}

std::string SenatorPictureOf(int faction) {
    return StoryPicture(faction, "gov");
}
std::string SenatorPicture() {
    return SenatorPictureOf(CaptainFaction());
}
std::string DaughterPicture() {
    return StoryPicture("girl2");
}
std::string WifePicture() {
    return StoryPicture("girl");
}
std::string RescuePicture() {
    return StoryPicture("girl_big");
}
std::string WeddingPicture() {
    return StoryPicture("girl_wedding");
}
std::string PartnerPicture() {
    return MaleCaptain() ? DaughterPicture() : SenatorPicture();
}

int CapitalSystem(int faction) {
    static constexpr int kCapitals[] = {0, 1, 15, 24, 25};
    return PlayableFaction(faction) ? kCapitals[faction] : 0;
}

}  // namespace corvanth
