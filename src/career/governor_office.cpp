// The governor's office: the owner and its wars, amnesty, allegiance, missions and the uniform.
#include <string>

#include "career/exp1_meetthegirl.h"
#include "career/governor.h"
#include "career/missions.h"
#include "career/storyteller_parts.h"
#include "planet/planet.h"
#include "state/Sound.h"
#include "state/UMessage1.h"
#include "state/UMessage3.h"
#include "state/fortune.h"
#include "state/pictures.h"
#include "state/tables.h"
#include "state/uniform.h"
#include "travel/travel.h"
#include "tutorial/Tutorial.h"

namespace corvanth {

ui::Screen<TForm27> Form27{"TForm27"};

namespace {

constexpr int kLastAmnestyReputation = -2499;

bool MissionActive() {
    return CaptainMission()[Mission::Status] > 0;
}

// The senator receives at location 1 of the four capitals once his letter has arrived.
bool SenatorReceivesHere() {
    const int system = FleetSystem();
    bool capital = false;
    for (int f = FactionId::Federation; f <= FactionId::Coalition; ++f)
        capital |= system == CapitalSystem(f);
    return capital && FleetLocation() == 1 &&
           CaptainFactionRecord()[Faction::SenatorLetterReceived] == 1;
}

std::string SmallLogo(int faction) {
    static const char* const kLogos[] = {"NoFactionLogo.jpg", "FederationLogo_88x80.jpg",
                                         "OuterRimLogo_88x80.jpg", "SyndicateLogo_88x80.jpg",
                                         "TraderUnionLogo_88x80.jpg"};
    return PlayableFaction(faction) ? kLogos[faction] : kLogos[0];
}

// The awards a faction keeps of the captain: gone when he leaves it, fresh when he joins.
void ClearAwards(GameRecord& f) {
    for (int field : {Faction::Rank, Faction::CampaignRibbons, Faction::NextFameThreshold,
                      Faction::NextReputationThreshold, Faction::AwardStep, Faction::SilverStar,
                      Faction::GoldStar, Faction::MedalOfHonour})
        f[field] = 0;
}

void SwearAllegiance(int owner) {
    const int own = CaptainFaction();
    GameRecord& old = FactionRecord(own);
    // Every question must be answered yes: a no to any of them keeps the captain where he is.
    if (!AskYesNo("Do you really wish to join this faction? (All past rewards are lost!)")) return;
    if (old[Faction::SenatorMet] == 1 && old[Faction::StoryStep] < 13 &&
        !AskYesNo("You already started courting a senators daughter. You do not wish to marry - "
                  "yes?"))
        return;
    if (old[Faction::StoryStep] == 13 &&
        !AskYesNo("You are married to the daughter of a government member! You do wish the "
                  "divorce?"))
        return;
    MissionFailed();
    if (old[Faction::SenatorMet] == 1) {
        if (old[Faction::StoryStep] == 13) {
            PlayBadSound();
            ShowMessage1("You get divorced...");
        }
        // The story never starts again with either faction, and its hidden jump points go.
        RemoveStoryLocations(old);
        for (GameRecord* f : {&old, &FactionRecord(owner)}) {
            (*f)[Faction::SenatorLetterReceived] = -1;
            (*f)[Faction::SenatorMet] = -1;
            (*f)[Faction::StoryStep] = 0;
        }
    }
    ReportTreason(own);
    ClearAwards(old);
    Captain()[Player::Faction] = owner;
    GameRecord& joined = FactionRecord(owner);
    ClearAwards(joined);
    joined[Faction::Reputation] = 10;
    joined[Faction::Rank] = 1;
    joined[Faction::CampaignRibbons] = 1;
    RefreshTravelScreen();
    // The planet's services follow the new standing at once, not at the next docking.
    RefreshPlanetScreen();
    RefreshGovernorScreen();
}

void AskForAmnesty(int owner) {
    GameRecord& f = FactionRecord(owner);
    const int64_t price = AmnestyPrice(f[Faction::Reputation], CalcFortune());
    if (price < 1) {
        PlaySonarSound();
        ShowMessage1("The governor screams that he will hang you instead!");
        return;
    }
    PlayButtonSound();
    if (!AskYesNo("You are offered an amnesty for $C " + FormatThousands(price))) return;
    GameRecord& captain = Captain();
    if (price > captain[Player::Money]) {
        PlaySonarSound();
        ShowMessage1("You do not have enough money!");
        return;
    }
    captain[Player::Money] = AfterPayment(captain[Player::Money], price);
    f[Faction::Reputation] = 10;
    PlayButtonSound();
    ShowMessage1("You are no longer a criminal in the \"" + FactionName(owner) + "\".");
    RefreshGovernorScreen();
    RefreshPlanetScreen();
    // Opened from the travel screen's "Mission", the office lies over the status panel.
    RefreshStatusPanel();
}

}  // namespace

int64_t AmnestyPrice(int reputation, int64_t fortune) {
    if (reputation >= 0 || reputation < kLastAmnestyReputation) return 0;
    return fortune / 4;
}

GovernorButtons GovernorButtonsNow() {
    GovernorButtons b;
    const int owner = FleetLocationOwner();
    // Pirates and empty space have no office to deal with.
    if (!PlayableFaction(owner)) return b;
    const bool own = owner == Captain()[Player::Faction];
    b.allegianceOrAmnesty = !own;
    b.mission = own;
    if (FactionRecord(owner)[Faction::Reputation] < 0) {
        b.allegianceOrAmnesty = true;
        b.mission = false;
    }
    bool atWar = false;
    for (int g = FactionId::Federation; g <= FactionId::Coalition; ++g) atWar |= AtWar(owner, g);
    if (!atWar && !MissionActive()) b.mission = false;
    return b;
}

TForm27::TForm27() : ui::Form("TForm27") {
    Label15 = Bind<ui::Label>("Label15");
    Image5 = Bind<ui::Image>("Image5");
    Image1 = Bind<ui::Image>("Image1");
    Image2 = Bind<ui::Image>("Image2");
    Image3 = Bind<ui::Image>("Image3");
    SpeedButton1 = Bind<ui::SpeedButton>("SpeedButton1");
    SpeedButton4 = Bind<ui::SpeedButton>("SpeedButton4");
    SpeedButton3 = Bind<ui::SpeedButton>("SpeedButton3");
    SpeedButton2 = Bind<ui::SpeedButton>("SpeedButton2");
    Panel3 = Bind<ui::Panel>("Panel3");
    Shape18 = Bind<ui::Shape>("Shape18");
    Shape19 = Bind<ui::Shape>("Shape19");
    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
    SpeedButton2->OnClick = [this] { SpeedButton2Click(); };
    SpeedButton4->OnClick = [this] { SpeedButton4Click(); };
    SpeedButton3->OnClick = [this] { SpeedButton3Click(); };
    tutorial = BindTutorialOverlay(*this);
}

void RefreshGovernorScreen() {
    TForm27& f = *Form27;
    const int owner = FleetLocationOwner();
    f.Label15->caption = FactionName(owner);
    const bool senator = CaptainFaction() != 0 && SenatorReceivesHere();
    f.SpeedButton3->enabled = senator;
    f.Panel3->visible = f.Shape18->visible = f.Shape19->visible = senator;
    // A capital's owner is a playable faction, unless the war gave it to the pirates.
    const bool portrait = senator && PlayableFaction(owner);
    f.Image5->LoadPicture(portrait ? SenatorPictureOf(owner)
                                   : G().FactionPictures[ValidFaction(owner) ? owner : 0].str());
    // The round logo sits on the panel; the senator's portrait keeps its own dark corners.
    f.Image5->transparent = !portrait;
    const GovernorButtons b = GovernorButtonsNow();
    f.SpeedButton1->enabled = b.allegianceOrAmnesty;
    f.SpeedButton4->enabled = b.mission;
    f.SpeedButton4->caption = MissionActive() ? "Cancel mission" : "Ask for mission";
    ui::Image* logos[] = {f.Image1, f.Image2, f.Image3};
    int shown = 0;
    for (int g = FactionId::Federation; g <= FactionId::Coalition && shown < 3; ++g)
        if (PlayableFaction(owner) && AtWar(owner, g)) logos[shown++]->LoadPicture(SmallLogo(g));
    for (; shown < 3; ++shown) logos[shown]->LoadPicture(SmallLogo(0));
    for (ui::Image* logo : logos) logo->visible = true;
    f.SpeedButton1->caption =
        FactionRecord(owner)[Faction::Reputation] >= 0 ? "Swear allegiance" : "Ask for amnesty.";
    ApplyUniform(f, ComposeUniform(CaptainUniform()));
}

void TForm27::SpeedButton1Click() {
    PlayButtonSound();
    const int owner = FleetLocationOwner();
    if (!PlayableFaction(owner)) return;
    if (FactionRecord(owner)[Faction::Reputation] >= 0)
        SwearAllegiance(owner);
    else
        AskForAmnesty(owner);
}

void TForm27::SpeedButton4Click() {
    if (TutorialStep == 22) AdvanceTutorialStep22();
    PlayButtonSound();
    if (!MissionActive()) {
        if (FleetLocationOwner() != Captain()[Player::Faction]) return;
        FillMissionList();
        Form8->ListBox1->SetItemIndex(0);
        ShowMissionDetails();
        Form8->ShowModal();
        Close();
        return;
    }
    if (!AskYesNo("Do you really wish to cancel this mission? (Fame loss!)")) return;
    MissionFailed();
    RefreshGovernorScreen();
}

void TForm27::SpeedButton3Click() {
    PlayButtonSound();
    TalkToSenator();
}

void TForm27::SpeedButton2Click() {
    if (TutorialStep == 25) AdvanceTutorialStep25();
    PlayButtonSound();
    Close();
}

}  // namespace corvanth
