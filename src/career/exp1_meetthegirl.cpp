// The senator's visits and the date screen.
#include "career/exp1_meetthegirl.h"

#include <algorithm>

#include "career/Promotion.h"
#include "career/governor.h"
#include "career/storyteller_parts.h"
#include "state/Sound.h"
#include "state/UMessage1.h"
#include "state/exp1_UMessage1.h"
#include "state/exp1_UMessage2.h"
#include "state/pictures.h"
#include "state/random.h"
#include "state/reputation.h"
#include "travel/travel.h"

namespace corvanth {

ui::Screen<TForm66> Form66{"TForm66"};

namespace {

constexpr int64_t kLeastGain = 150;

int32_t Turn() {
    return G().TurnNumber;
}

void SetMark(int64_t turn) {
    CaptainFactionRecord()[Faction::StoryTurn] = CapValue(turn);
}

void FirstVisitTalk() {
    static const char* const kGreeting[] = {
        "",
        "! Good to see you finally! How was your journey? Any news from the borders? You know one "
        "does not get to know much here except the front reports, statistics and information "
        "like that.",
        "! Nice to meet you! I hope your trip was well and you have good news for us from the "
        "fights?",
        ". I was told you were coming. The eyes and ears of the Syndicate are everywhere, but we "
        "need sharp swords and strong arms within our ranks as well.",
        " its a real pleasure to meet you. Come in, for a fellow business man my doors are always "
        "open."};
    ShowStoryNotice("The first visit", SenatorPicture(),
                    {"A servant guides you to the office of the senator.",
                     Quoted(CaptainName() + kGreeting[CaptainFaction()]),
                     "After a long afternoon in which you discuss various topics including your "
                     "career you have the opportunity to have dinner with the senator and his "
                     "family."});
    ShowStoryLine(MaleCaptain()
                      ? "The senator introduces you to his young and unmarried daughter. After the "
                        "dinner the senator leaves for an appointment and both of you get time to "
                        "make some conversation."
                      : "You get to know that the senator is a widow. He is very gentle and "
                        "handsome and you feel attracted to him. After dinner both of you get "
                        "some time for some private conversation.",
                  SenatorPicture());
}

// The request for a donation and what follows from the answer (first visit and block D).
void AskForDonation(const std::string& lead) {
    const int64_t amount = SenatorDonation(FactionRecord(FleetLocationOwner())[Faction::Rank]);
    GameRecord& captain = Captain();
    const bool accepted = AskOnDate(lead + FormatThousands(amount) + " for a good cause *smile*?",
                                    captain[Player::Money] >= amount);
    GameRecord& story = CaptainFactionRecord();
    if (!accepted) {
        PlayBadSound();
        ShowStoryLine(MaleCaptain() ? Quoted("I see...") +
                                          ", she says disappointed. It does not take long until "
                                          "you have to say goodbye."
                                    : "He is very disappointed.",
                      PartnerPicture());
        SetMark(int64_t{Turn()} + 50 + Random(50));
        story[Faction::StoryStep] = StoryStep::DonationDeclined;
        return;
    }
    if (captain[Player::Money] < amount) {
        ShowMessage1("You do not have enough money to make such a donation.");
        return;
    }
    captain[Player::Money] = AfterPayment(captain[Player::Money], amount);
    ShowMessage1("You make a donation.");
    const int own = CaptainFaction();
    const int64_t fame = captain[Player::Fame];
    const int64_t reputation = FactionRecord(own)[Faction::Reputation];
    const int64_t fameGain = std::max(Random(CapValue(fame / 60)) + fame / 20, kLeastGain);
    const int64_t repGain =
        std::max(Random(CapValue(reputation / 60)) + reputation / 20, kLeastGain);
    PlayReward2Sound();
    ShowMessage1("Word spreads about you and your generosity.");
    GainFame(fameGain);
    GainReputation(own, repGain);
    CheckPromotion();
    RefreshGovernorScreen();
    RefreshStatusPanel();
    ShowStoryLine(Quoted(MaleCaptain() ? "Oh thank you very much. You are so kind! Please come "
                                         "back soon...will you? *smile*"
                                       : "Thank you! We must do every effort to win this war. "
                                         "Please come back soon...will you? *smile*"),
                  PartnerPicture());
    SetMark(int64_t{Turn()} + 35 + Random(20));
    story[Faction::StoryStep] = StoryStep::DonationMade;
}

void GiftRequest() {
    const bool male = MaleCaptain();
    const bool accepted = AskOnDate(
        male ? "Have you heard of Selene Varrow, the singer the whole Farreach is humming? In her "
               "latest holo-show she wore a necklace of blue star sapphires that caught every "
               "light on the stage... and now it is for sale on Kimberley in the New Kimberley "
               "system! I would so love to wear it. You do not by any chance can stop by there - "
               "do you *smile*?"
             : "On Kimberley in the New Kimberley system they have an original sword from the "
               "ancient earth for sale. You do not by any chance can stop by there - do you "
               "*smile*?",
        true);
    if (accepted) {
        PlayReward1Sound();
        ShowStoryLine(Quoted(male ? "You would really do this for me? *smile*"
                                  : "This would really be outstanding!"),
                      PartnerPicture());
        SetMark(int64_t{Turn()} + 1);
    } else {
        PlayBadSound();
        ShowStoryLine(male ? "She is very disappointed." : "Well, never mind...", PartnerPicture());
        SetMark(int64_t{Turn()} + 50 + Random(50));
    }
    CaptainFactionRecord()[Faction::StoryStep] = StoryStep::GiftRequested;
}

// The visit's blocks A to I: each looks at the story as the blocks before it left it.
void Unavailable() {
    const GameRecord& s = CaptainFactionRecord();
    if (s[Faction::StoryStep] < StoryStep::Married &&
        (s[Faction::StoryTurn] > Turn() || s[Faction::StoryStep] == StoryStep::GiftGiven))
        ShowStoryLine(
            "You politely request a meeting with the senator, but a servant informs you "
            "that he is unavailable at the moment and you should check back later.",
            SenatorPicture());
}

void SpouseTooSoon() {
    const GameRecord& s = CaptainFactionRecord();
    if (s[Faction::StoryStep] != StoryStep::Married || s[Faction::StoryTurn] <= Turn()) return;
    const bool male = MaleCaptain();
    ShowStoryLine(std::string("You cannot visit your ") + (male ? "wife" : "husband") +
                      " too often! You are an adventurer and - by definition - have to "
                      "adventure!",
                  male ? WifePicture() : SenatorPicture());
}

void FirstVisit() {
    GameRecord& s = CaptainFactionRecord();
    if (s[Faction::SenatorLetterReceived] != 1 || s[Faction::SenatorMet] != 0) return;
    s[Faction::SenatorMet] = 1;
    FirstVisitTalk();
    AskForDonation(MaleCaptain() ? "I heard a lot about you *smile*. I am raising money for a "
                                   "local charity fund and I wondered whether you would like to "
                                   "donate the modest amount of "
                                 : "Look...our government is in need for large sums of money to "
                                   "fight the war and I would be grateful if you could donate ");
}

// The blocks from D on need the senator met, at a step and with the mark passed (or any turn).
bool Due(int step, bool anyTurn = false) {
    const GameRecord& s = CaptainFactionRecord();
    return AtStoryStep(step) && (anyTurn || s[Faction::StoryTurn] <= Turn());
}

void DonationAgain() {
    if (!Due(StoryStep::DonationDeclined)) return;
    ShowStoryLine(
        "After a short meeting with the senator his daughter invites you to a cup of "
        "tea.",
        SenatorPicture());
    AskForDonation(MaleCaptain() ? "Have you changed your mind about my request? I am raising "
                                   "money for a local charity fund and I wondered whether you "
                                   "would like to donate the modest amount of "
                                 : "Have you changed your mind about my request? Our government "
                                   "is in need for large sums of money to fight the war and I "
                                   "would be grateful if you could donate ");
}

void AskForGift() {
    if (Due(StoryStep::DonationMade)) GiftRequest();
}

void GiftReminder() {
    if (!Due(StoryStep::GiftRequested)) return;
    ShowStoryLine(Quoted(MaleCaptain() ? "You can buy the necklace on Kimberley in the New "
                                         "Kimberley system. I am so excited about it...I cannot "
                                         "wait. *smile*"
                                       : "You can buy the ancient sword on Kimberley in the New "
                                         "Kimberley system. I am so excited about it...I cannot "
                                         "wait. *smile*"),
                  PartnerPicture());
    SetMark(int64_t{Turn()} + 1 + Random(10));
}

void GiveGift() {
    if (!Due(StoryStep::GiftBought, true)) return;
    PlayReward2Sound();
    ShowStoryLine(MaleCaptain() ? Quoted("Oh my god! This is so cute! I do not know what to say! "
                                         "This is awesome!") +
                                      " *She kisses you gently on your cheek*."
                                : "Its a long time ago someone gave me such a great gift. Thanks "
                                  "a lot!",
                  PartnerPicture());
    SetMark(int64_t{Turn()} + 35 + Random(20));
    CaptainFactionRecord()[Faction::StoryStep] = StoryStep::GiftGiven;
}

void MissingPartner() {
    const GameRecord& s = CaptainFactionRecord();
    const int step = s[Faction::StoryStep];
    if (!StoryUnderWay() || step < StoryStep::Abducted || step >= StoryStep::Married ||
        s[Faction::StoryTurn] > Turn())
        return;
    const bool male = MaleCaptain();
    ShowStoryLine(kQuote + std::string("Have you found ") + (male ? "her" : "him") +
                      " yet? No. Well, the only information we have is that this pirate is "
                      "hailing from a secret base.",
                  male ? SenatorPicture() : DaughterPicture());
    SetMark(int64_t{Turn()} + 1 + Random(10));
}

void VisitSpouse() {
    if (!Due(StoryStep::Married)) return;
    PlayReward2Sound();
    const bool male = MaleCaptain();
    ShowStoryLine(std::string("You visit your ") + (male ? "wife" : "husband") +
                      " and you have a great time together! Refreshed and filled with new energy "
                      "you continue your journey. You receive one lifepoint!",
                  male ? WifePicture() : SenatorPicture());
    int32_t& lifePoints = Captain()[Player::LifePoints];
    lifePoints = CapValue(int64_t{lifePoints} + 1);
    SetMark(int64_t{Turn()} + 100 + Random(200));
}

}  // namespace

TForm66::TForm66() : ui::Form("TForm66") {
    Label1 = Bind<ui::Label>("Label1");
    Label3 = Bind<ui::Label>("Label3");
    Image3 = Bind<ui::Image>("Image3");
    SpeedButton1 = Bind<ui::SpeedButton>("SpeedButton1");
    SpeedButton2 = Bind<ui::SpeedButton>("SpeedButton2");
    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
    SpeedButton2->OnClick = [this] { SpeedButton2Click(); };
}

void TForm66::SpeedButton1Click() {
    PlayButtonSound();
    Message5Result = 1;
    Close();
}

void TForm66::SpeedButton2Click() {
    PlayButtonSound();
    Message5Result = 2;
    Close();
}

bool AskOnDate(const std::string& request, bool acceptEnabled) {
    TForm66& f = *Form66;
    f.Label3->caption = request;
    f.Image3->LoadPicture(PartnerPicture());
    f.SpeedButton1->caption = "Accept";
    f.SpeedButton2->caption = "Reject";
    f.SpeedButton1->enabled = acceptEnabled;
    Message5Result = 0;
    f.ShowModal();
    return Message5Result == 1;
}

int64_t SenatorDonation(int rank) {
    // Ranks 7 and 8 are asked what rank 6 is asked.
    static constexpr int64_t kByRank[] = {50000,   50000,   200000,  500000, 1000000,
                                          3000000, 6000000, 6000000, 6000000};
    return kByRank[std::clamp(rank, 0, 8)] / 4;
}

void TalkToSenator() {
    static constexpr void (*kBlocks[])() = {Unavailable,   SpouseTooSoon,  FirstVisit,
                                            DonationAgain, AskForGift,     GiftReminder,
                                            GiveGift,      MissingPartner, VisitSpouse};
    if (CaptainFaction() == 0) return;
    for (auto block : kBlocks) {
        const GameRecord& s = CaptainFactionRecord();
        // Every block needs the letter; all but the first visit need the senator met.
        if (s[Faction::SenatorLetterReceived] != 1) return;
        if (s[Faction::SenatorMet] != 1 && block != FirstVisit) continue;
        block();
    }
}

}  // namespace corvanth
