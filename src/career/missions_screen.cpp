// The mission screen: the governor's offers, what each asks, and accepting one.
#include <string>

#include "career/governor.h"
#include "career/missions.h"
#include "state/Sound.h"
#include "state/UMessage1.h"
#include "state/UMessage3.h"
#include "state/pictures.h"
#include "state/tables.h"
#include "travel/jumpscreen.h"
#include "tutorial/Tutorial.h"

namespace corvanth {

ui::Screen<TForm8> Form8{"TForm8"};

namespace {

const char* const kDifficulty[] = {", Very easy", ", Easy", ", Medium", ", Difficult",
                                   ", Very difficult"};
const char* const kResistance[] = {"Resistance: Very Light", "Resistance: Light",
                                   "Resistance: Medium", "Resistance: Strong",
                                   "Resistance: Very strong"};

std::string KindPart(const GameRecord& r) {
    const int kind = r[Mission::Kind], scope = r[Mission::Scope];
    const std::string amount = std::to_string(r[Mission::Amount]);
    const bool goods = r[Mission::LoadType] == 1;
    if (kind == MissionKind::Transport)
        return std::string(scope == 1 ? " Sector Transport" : " Transport") + ", " + amount +
               (goods ? " E of goods" : " passengers");
    if (kind == MissionKind::Smuggling)
        return " Smuggling, " + amount + (goods ? " E of contraband" : " criminals");
    static const char* const kTitles[][2] = {{" Search + Destroy", " Search + Destroy"},
                                             {"", ""},
                                             {" Intelligence", " Intelligence"},
                                             {" Bounty", " Bounty"},
                                             {" Sector Patrol", " Patrol"},
                                             {" Sector Escort", " Escort"},
                                             {" Sector Defend", " Defend"},
                                             {" Sector Ambush", " Ambush"},
                                             {" Raid planet", " Raid planet"},
                                             {" Goods data", " Goods data"}};
    if (kind < 1 || kind > 10) return "";
    std::string text = kTitles[kind - 1][scope == 1 ? 0 : 1];
    const int opponent = r[Mission::Opponent];
    text += opponent == 0 ? ", (no opposition)" : ", vs. " + FactionName(opponent);
    const int d = r[Mission::Difficulty];
    if (d >= 1 && d <= 5) text += kDifficulty[d - 1];
    return text;
}

// Names of an objective: a location of the mission's system, or a system.
std::string ObjectiveName(const GameRecord& r, int n) {
    const int objective = r[Mission::ObjectiveBase + n];
    return r[Mission::Scope] == 1 ? LocationName(r[Mission::TargetSystem], objective)
                                  : SystemName(objective);
}

struct KindText {
    const char* title;
    const char* orders;
};
const KindText kKinds[] = {
    {"Search + Destroy",
     "We got unconfirmed reports of hostile activity. Check the objectives and destroy any "
     "hostile ships."},
    {"Transport", "Pick up goods at objective 1 and transport them savely to objective 2."},
    {"Intelligence",
     "Equip your ship with surveillance equipment. Check the objectives. You may avoid enemy "
     "contact."},
    {"Bounty hunt", ""},
    {"Patrol", "Patrol the objectives for enemy activity. You may avoid enemy contact."},
    {"Escort",
     "Escort one of our freighters from objective 1 to objective 2 and defend it at all costs."},
    {"Defend", "Defend the objective against all enemy assaults for the specified timeframe."},
    {"Ambush", "One of our patrols detected an enemy ship in our territory. Destroy it!"},
    {"Raid planet",
     "Pillage and destroy the enemy colony. Show no mercy and act swiftly and deadly."},
    {"Goods data",
     "We need information about the prices of certain goods. Visit all colonized and known "
     "systems in this galaxy."},
    {"Smuggling",
     "Pick up contraband at objective 1 and transport it to objective 2 without being busted."},
};

const char* BountyOrders(int opponent) {
    switch (opponent) {
        case 1:
            return "We got reports about the location of a known federated officer. Hunt him "
                   "down and take him out.";
        case 2:
            return "We got reports about the location of a known Outer Rim officer. Hunt him "
                   "down and take him out.";
        case 3:
            return "We got reports about the hideout of a dreaded Syndicate pirate. Hunt him "
                   "down and take him out.";
        case 4:
            return "We got reports about the hideout of a fraudulent Coalition trader. Hunt him "
                   "down and take him out.";
        default:
            return "";
    }
}

void BlankDetails(TForm8& f) {
    for (ui::Label* l : {f.Label1, f.Label2, f.Label3, f.Label4, f.Label5, f.Label6, f.Label9,
                         f.Label7, f.Label10, f.Label13, f.Label11, f.Label12})
        l->caption.clear();
    f.Image1->LoadPicture("");
    f.SpeedButton1->enabled = false;
}

void ShowAvailability(TForm8& f, const GameRecord& r) {
    const int status = r[Mission::Status];
    ui::Color colour = ui::colors::Green;
    if (status == 1) {
        f.Label11->caption = "Mission available.";
        f.Label12->caption = "You have the necessary rank to accept this kind of missions.";
    } else if (status == 2) {
        const int owner = FleetLocationOwner(), rank = r[Mission::RequiredRank];
        const std::string title = ValidFaction(owner) && rank >= 0 && rank < 12
                                      ? G().RankNames[owner][rank].str()
                                      : std::string();
        f.Label11->caption = "Mission restricted";
        f.Label12->caption = "You need to have the rank of " + title + " within this faction.";
        colour = ui::colors::Blue;
    } else {
        f.Label11->caption = "Other faction";
        f.Label12->caption = "This kind of missions is not available at this faction.";
        colour = ui::colors::Red;
    }
    f.Label11->font.color = f.Label12->font.color = colour;
    f.SpeedButton1->enabled = status == 1;
}

// The offer record of the selected row, or 0.
int SelectedOffer() {
    const int row = Form8->ListBox1->ItemIndex();
    if (row < 0 || row >= int(G().MissionListIndex.size())) return 0;
    const int rec = G().MissionListIndex[row];
    return rec >= 1 && rec <= 28 ? rec : 0;
}

}  // namespace

TForm8::TForm8() : ui::Form("TForm8") {
    ListBox1 = Bind<ui::ListBox>("ListBox1");
    Label1 = Bind<ui::Label>("Label1");
    Label2 = Bind<ui::Label>("Label2");
    Label3 = Bind<ui::Label>("Label3");
    Label4 = Bind<ui::Label>("Label4");
    Label5 = Bind<ui::Label>("Label5");
    Label6 = Bind<ui::Label>("Label6");
    Label9 = Bind<ui::Label>("Label9");
    Label7 = Bind<ui::Label>("Label7");
    Label10 = Bind<ui::Label>("Label10");
    Label13 = Bind<ui::Label>("Label13");
    Image1 = Bind<ui::Image>("Image1");
    Label11 = Bind<ui::Label>("Label11");
    Label12 = Bind<ui::Label>("Label12");
    SpeedButton1 = Bind<ui::SpeedButton>("SpeedButton1");
    SpeedButton2 = Bind<ui::SpeedButton>("SpeedButton2");
    SpeedButton3 = Bind<ui::SpeedButton>("SpeedButton3");
    RadioButton1 = Bind<ui::RadioButton>("RadioButton1");
    RadioButton2 = Bind<ui::RadioButton>("RadioButton2");
    ListBox1->OnClick = [this] { ListBox1Click(); };
    RadioButton1->OnClick = [this] { RadioButton1Click(); };
    RadioButton2->OnClick = [this] { RadioButton2Click(); };
    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
    SpeedButton2->OnClick = [this] { SpeedButton2Click(); };
    SpeedButton3->OnClick = [this] { SpeedButton3Click(); };
    tutorial = BindTutorialOverlay(*this);
    RadioButton2->SetChecked(true);
}

void FillMissionList() {
    TForm8& f = *Form8;
    GameState& g = G();
    g.MissionListIndex.fill(0);
    f.ListBox1->Clear();
    const int owner = FleetLocationOwner();
    const int rank = FactionRecord(owner)[Faction::Rank];
    int available = 0;
    for (int rec = 1; rec <= 28; ++rec) {
        GameRecord& r = g.MissionOffers[rec];
        if (r[Mission::Status] <= 0) continue;
        int status = 1;
        if (rank < r[Mission::RequiredRank]) status = 2;
        if (owner != r[Mission::Client]) status = 3;
        r[Mission::Status] = status;
        if (status == 1) ++available;
    }
    f.RadioButton1->enabled = available > 0;
    if (available == 0) f.RadioButton2->SetChecked(true);
    static const char* const kPrefix[] = {"", "AVAILABLE:", "RESTRICTED:", "OTHER FACTION:"};
    int row = 0;
    for (int status = 1; status <= 3; ++status) {
        if (status > 1 && !f.RadioButton2->Checked()) break;
        for (int rec = 1; rec <= 28; ++rec) {
            const GameRecord& r = g.MissionOffers[rec];
            if (r[Mission::Status] != status) continue;
            g.MissionListIndex[row++] = rec;
            f.ListBox1->items.push_back(std::string(kPrefix[status]) + KindPart(r) + ", $C " +
                                        FormatThousands(r[Mission::Reward]));
        }
    }
}

void ShowMissionDetails() {
    TForm8& f = *Form8;
    const int rec = SelectedOffer();
    if (rec == 0) {
        BlankDetails(f);
        return;
    }
    const GameRecord& r = G().MissionOffers[rec];
    ShowAvailability(f, r);
    const int kind = r[Mission::Kind];
    if (kind < 1 || kind > 11) return;
    f.Label1->caption = kKinds[kind - 1].title;
    f.Label2->caption =
        kind == MissionKind::Bounty ? BountyOrders(r[Mission::Opponent]) : kKinds[kind - 1].orders;
    const bool noEnemy = kind == MissionKind::Transport || kind == MissionKind::GoodsData ||
                         kind == MissionKind::Smuggling;
    if (noEnemy) {
        f.Label10->caption =
            kind == MissionKind::GoodsData ? "Opposition: None" : "No known opposition";
        f.Image1->LoadPicture("NoFactionLogo.jpg");
    } else {
        const int opponent = r[Mission::Opponent];
        f.Label10->caption = "Opposition: " + FactionName(opponent);
        f.Image1->LoadPicture(G().FactionPictures[ValidFaction(opponent) ? opponent : 0].str());
    }
    // Every kind names its client, the transports too.
    f.Label13->caption = "Client: " + FactionName(r[Mission::Client]);
    const std::string amount = std::to_string(r[Mission::Amount]);
    const bool goods = r[Mission::LoadType] == 1;
    const int d = r[Mission::Difficulty];
    if (kind == MissionKind::Intelligence)
        f.Label9->caption = "Resistance: No information";
    else if (kind == MissionKind::Transport)
        f.Label9->caption = "Cargo: " + amount + (goods ? "E of goods" : " passengers");
    else if (kind == MissionKind::Smuggling)
        f.Label9->caption = "Cargo: " + amount + (goods ? "E of contraband" : " criminals");
    else if (kind == MissionKind::GoodsData)
        f.Label9->caption.clear();
    else
        f.Label9->caption = d >= 1 && d <= 5 ? kResistance[d - 1] : "";

    std::array<std::string, 4> lines;
    auto objectives = [&](int count) {
        for (int n = 1; n <= count; ++n)
            lines[n - 1] = "Objective " + std::to_string(n) + ": " + ObjectiveName(r, n);
    };
    switch (kind) {
        case MissionKind::SearchAndDestroy:
        case MissionKind::Intelligence:
        case MissionKind::Patrol:
            objectives(4);
            break;
        case MissionKind::Transport:
        case MissionKind::Escort:
        case MissionKind::Smuggling:
            objectives(2);
            break;
        case MissionKind::Defend:
            objectives(1);
            lines[1] = "Timeframe: " + std::to_string(r[Mission::ObjectiveBase + 2]) + " turns";
            break;
        case MissionKind::Ambush:
            lines[0] = "Objective: " + ObjectiveName(r, 1);
            break;
        case MissionKind::Bounty:
            lines[0] = "Last seen at: " + SystemName(r[Mission::ObjectiveBase + 1]);
            break;
        case MissionKind::RaidPlanet:
            lines[0] = "Sector: " + SystemName(r[Mission::TargetSystem]);
            lines[1] =
                "Planet: " + LocationName(r[Mission::TargetSystem], r[Mission::ObjectiveBase + 1]);
            break;
        default:
            break;
    }
    ui::Label* labels[] = {f.Label3, f.Label4, f.Label5, f.Label6};
    for (int n = 0; n < 4; ++n) {
        labels[n]->caption = lines[n];
        labels[n]->visible = !lines[n].empty();
    }
    f.Label7->caption = "Reward: " + FormatThousands(r[Mission::Reward]);
}

void TForm8::ListBox1Click() {
    if (TutorialStep == 23 && SelectedOffer() == kTutorialOffer) AdvanceTutorialStep23();
    PlayButtonSound();
    ShowMissionDetails();
}

void TForm8::RadioButton1Click() {
    RadioButton1->SetChecked(true);
    FillMissionList();
    ListBox1->SetItemIndex(0);
    ShowMissionDetails();
}

void TForm8::RadioButton2Click() {
    RadioButton2->SetChecked(true);
    FillMissionList();
    ListBox1->SetItemIndex(0);
    ShowMissionDetails();
}

void TForm8::SpeedButton1Click() {
    // The tutorial takes its own mission and no other.
    if (TutorialStep > 0) {
        if (TutorialStep != 24 || SelectedOffer() != kTutorialOffer) return;
        AdvanceTutorialStep24();
    }
    GameRecord& mission = CaptainMission();
    if (mission[Mission::Status] > 0) {
        PlaySonarSound();
        if (AskYesNo("You already got a mission. Do you wish to cancel it?")) MissionFailed();
        if (mission[Mission::Status] > 0) return;
    }
    // Only an available offer is taken, whatever state the button was left in.
    if (!AcceptMissionOffer(SelectedOffer())) return;
    PlayButtonSound();
    ShowMessage1("Mission accepted.");
    Close();
}

bool AcceptMissionOffer(int offer) {
    GameState& g = G();
    if (offer < 1 || offer > 28 || g.MissionOffers[offer][Mission::Status] != 1) return false;
    GameRecord& mission = CaptainMission();
    mission = g.MissionOffers[offer];
    if (mission[Mission::Kind] == MissionKind::GoodsData) {
        for (int s = StarSystem::First; s <= StarSystem::Last; ++s)
            for (int l = Planet::FirstLocation; l <= Planet::LastLocation; ++l)
                g.Planets[s][l][Planet::GoodsDataMark] = 0;
        FleetLocationRecord()[Planet::GoodsDataMark] = 1;
    }
    return true;
}

void TForm8::SpeedButton2Click() {
    ReportGovernorNotAmused(FleetLocationOwner());
    PlayButtonSound();
    Close();
}

void TForm8::SpeedButton3Click() {
    PlayButtonSound();
    OpenStarmap();
}

}  // namespace corvanth
