// The combat screen: the display pieces the rules call, and the handlers of the player's buttons.
#include "combat/combat2_screen.h"

#include <algorithm>
#include <string>

#include "combat/combat2.h"
#include "combat/combat2_parts.h"
#include "planet/Scanner.h"
#include "state/Sound.h"
#include "state/UMessage1.h"
#include "state/pictures.h"
#include "state/tables.h"
#include "tutorial/Tutorial.h"

namespace corvanth {

ui::Screen<TForm14> Form14{"TForm14"};

namespace {

const ui::Color kWanted{0xA6, 0xA6, 0xA6};
const ui::Color kNotWanted{0xE2, 0xE2, 0xE2};
const ui::Color kTrackIdle{0x55, 0x55, 0x55};
const ui::Color kTrackOwn{0xA0, 0x00, 0x00};
const ui::Color kTrackEnemy{0x0C, 0x11, 0xCD};

constexpr int kBlipLeft = 123;
constexpr int kBlipTop[4] = {0, 219, 127, 35};
constexpr int kTurnBelow[4] = {0, 243, 155, 57};
constexpr int kSweepStep = 4;

// Copied from a string: assigning the literal trips a false warning of GCC 12 when optimising.
const std::string kNoTrack = "-";

const char* const kRangeText[4] = {"", "Distance: Close-range", "Distance: Medium-range",
                                   "Distance: Long-range"};

int ClampedRange(int range) {
    return std::clamp(range, 1, 3);
}

void ShowBar(ui::ProgressBar* bar, const GameRecord& ship) {
    const int most = std::max(0, ship[Ship::MaxStrength]);
    bar->SetRange(0, most);
    bar->SetPosition(std::clamp(ship[Ship::Strength], 0, most));
}

void PaintTrack(TForm14::Track& t, ui::Color colour) {
    t.Box->color = colour;
    t.Shape->brushColor = colour;
    t.Shape2->brushColor = colour;
}

// The entry the tutorial step expects in the action list, 0 when it expects none.
int TutorialEntry() {
    switch (TutorialStep) {
        case 34:
            return 1;
        case 33:
        case 31:
            return 2;
        default:
            return 0;
    }
}

}  // namespace

int RadarTurnBelow(int range) {
    return kTurnBelow[ClampedRange(range)];
}

void ShowCombatRange() {
    TForm14& f = *Form14;
    const int range = ClampedRange(G().CombatRange);
    f.Label6->caption = kRangeText[range];
    f.RadarBlip->left = kBlipLeft;
    f.RadarBlip->top = kBlipTop[range];
    const int wish = CombatOwnShip()[Ship::CombatRange];
    ui::GroupBox* boxes[4] = {nullptr, f.GroupBox5, f.GroupBox6, f.GroupBox7};
    ui::Shape* shapes[4] = {nullptr, f.Shape5, f.Shape6, f.Shape7};
    for (int r = 1; r <= 3; ++r) {
        const ui::Color colour = r == wish ? kWanted : kNotWanted;
        boxes[r]->color = colour;
        shapes[r]->brushColor = colour;
    }
}

void ShowCombatAP() {
    Form14->Label47->caption = std::to_string(CombatOwnShip()[Ship::ActionPointsLeft]);
}

void ShowHullBars() {
    ShowBar(Form14->ProgressBar3, CombatOwnShip());
    ShowBar(Form14->ProgressBar1, EnemyShipRecord());
}

void ShowProjectiles() {
    TForm14& f = *Form14;
    GameState& g = G();
    for (int t = Projectile::FirstTrack; t <= Projectile::LastTrack; ++t) {
        TForm14::Track& box = f.SEvent[t];
        box.Pic->LoadPicture("ctorpedog.jpg");
        box.T1->caption = kNoTrack;
        box.T4->caption = kNoTrack;
        PaintTrack(box, kTrackIdle);
        const GameRecord& p = g.Projectiles[t];
        if (p[Projectile::Active] <= 0 || p[Projectile::InFlight] != 1) continue;
        box.Pic->LoadPicture("ctorpedo.jpg");
        box.T1->caption = EquipmentName(p[Projectile::EquipmentId]);
        box.T4->caption = std::to_string(p[Projectile::TurnsToImpact]);
        PaintTrack(box, p[Projectile::ShooterFleet] == 0 ? kTrackEnemy : kTrackOwn);
    }
    const GameRecord& own = CombatOwnShip();
    const bool ownMines = own[Ship::MinesDeployed] > 0 || own[Ship::SuperminesDeployed] > 0;
    f.PMines_WarningPic->visible = ownMines;
    f.PMines_Warning1->visible = ownMines;
    f.PMines_Warning2->visible = ownMines;
    const GameRecord& foe = FiringShip();
    const bool enemyMines = foe[Ship::MinesDeployed] > 0 || foe[Ship::SuperminesDeployed] > 0;
    f.EMines_WarningPic->visible = enemyMines;
    f.EMines_Warning1->visible = enemyMines;
    f.EMines_Warning2->visible = enemyMines;
}

// The ships' pictures and names, the action list and the Fire button from the rules' session.
void ShowCombatShipsAndActions() {
    TForm14& f = *Form14;
    GameState& g = G();
    const GameRecord& own = CombatOwnShip();
    f.Image1->LoadPicture(GetShipPictureName(own[Ship::Class]));
    f.Label54->caption = ShipClassName(g.CurrentFleet, g.CombatShip);
    const GameRecord& foe = ShipRecord(0, g.EnemyShip);
    f.Image2->LoadPicture(GetShipPictureName(foe[Ship::Class]));
    f.Label7->caption = ShipClassName(0, g.EnemyShip);
    const CombatSession& s = Combat();
    f.ComboBox1->Clear();
    for (int n = 1; n <= s.actionCount; ++n)
        f.ComboBox1->items.push_back(EquipmentName(
            SlotRecord(g.CurrentFleet, g.CombatShip, s.slotAt[n])[Slot::EquipmentId]));
    f.ComboBox1->SetItemIndex(s.selected - 1);
    ShowCombatFireButton();
}

void ShowCombatFireButton() {
    const CombatSession& s = Combat();
    Form14->SpeedButton4->caption = s.fireCaption;
    Form14->SpeedButton4->enabled = s.fireEnabled;
}

TForm14::TForm14() : ui::Form("TForm14") {
    Image3 = Bind<ui::Image>("Image3");
    Image1 = Bind<ui::Image>("Image1");
    Label54 = Bind<ui::Label>("Label54");
    Image2 = Bind<ui::Image>("Image2");
    Label7 = Bind<ui::Label>("Label7");
    ProgressBar3 = Bind<ui::ProgressBar>("ProgressBar3");
    ProgressBar1 = Bind<ui::ProgressBar>("ProgressBar1");
    Label47 = Bind<ui::Label>("Label47");
    Label6 = Bind<ui::Label>("Label6");
    RadarBlip = Bind<ui::Shape>("RadarBlip");
    RadarLine = Bind<ui::Shape>("RadarLine");
    GroupBox5 = Bind<ui::GroupBox>("GroupBox5");
    GroupBox6 = Bind<ui::GroupBox>("GroupBox6");
    GroupBox7 = Bind<ui::GroupBox>("GroupBox7");
    Shape5 = Bind<ui::Shape>("Shape5");
    Shape6 = Bind<ui::Shape>("Shape6");
    Shape7 = Bind<ui::Shape>("Shape7");
    SpeedButton3 = Bind<ui::SpeedButton>("SpeedButton3");
    SpeedButton6 = Bind<ui::SpeedButton>("SpeedButton6");
    SpeedButton7 = Bind<ui::SpeedButton>("SpeedButton7");
    ComboBox1 = Bind<ui::ComboBox>("ComboBox1");
    GroupBox13 = Bind<ui::GroupBox>("GroupBox13");
    SpeedButton4 = Bind<ui::SpeedButton>("SpeedButton4");
    SpeedButton5 = Bind<ui::SpeedButton>("SpeedButton5");
    SpeedButton1 = Bind<ui::SpeedButton>("SpeedButton1");
    SpeedButton8 = Bind<ui::SpeedButton>("SpeedButton8");
    for (int t = Projectile::FirstTrack; t <= Projectile::LastTrack; ++t) {
        // Built by appending: a concatenated temporary trips a false warning of GCC 12.
        auto name = [t](const char* part) {
            std::string n = "SEvent";
            n += static_cast<char>('0' + t);
            n += part;
            return n;
        };
        SEvent[t] = {Bind<ui::Panel>(name("Box")),   Bind<ui::Image>(name("Pic")),
                     Bind<ui::Label>(name("T1")),    Bind<ui::Label>(name("T4")),
                     Bind<ui::Shape>(name("Shape")), Bind<ui::Shape>(name("Shape2"))};
    }
    PMines_WarningPic = Bind<ui::Image>("PMines_WarningPic");
    PMines_Warning1 = Bind<ui::Label>("PMines_Warning1");
    PMines_Warning2 = Bind<ui::Label>("PMines_Warning2");
    EMines_WarningPic = Bind<ui::Image>("EMines_WarningPic");
    EMines_Warning1 = Bind<ui::Label>("EMines_Warning1");
    EMines_Warning2 = Bind<ui::Label>("EMines_Warning2");
    TutorialPanel = Bind<ui::Panel>("TutorialPanel");
    TutorialMemo = Bind<ui::Memo>("TutorialMemo");
    TutorialHand = Bind<ui::Panel>("TutorialHand");
    TutorialTimer = Bind<ui::Timer>("TutorialTimer");
    SpeedButton16 = Bind<ui::SpeedButton>("SpeedButton16");
    Timer1 = Bind<ui::Timer>("Timer1");
    SpeedButton4->OnClick = [this] { SpeedButton4Click(); };
    SpeedButton5->OnClick = [this] { SpeedButton5Click(); };
    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
    SpeedButton8->OnClick = [this] { SpeedButton8Click(); };
    SpeedButton3->OnClick = [this] { SpeedButton3Click(); };
    SpeedButton6->OnClick = [this] { SpeedButton6Click(); };
    SpeedButton7->OnClick = [this] { SpeedButton7Click(); };
    SpeedButton16->OnClick = [this] { SpeedButton16Click(); };
    ComboBox1->OnChange = [this] { ComboBox1Change(); };
    Image1->OnMouseDown = [this](int, int) { Image1MouseDown(); };
    Image2->OnMouseDown = [this](int, int) { Image2MouseDown(); };
    Timer1->OnTimer = [this] { Timer1Timer(); };
    TutorialTimer->OnTimer = [this] { TutorialTimerTimer(); };
}

void TForm14::FormActivate() {
    Timer1->SetEnabled(true);
}

// Also when a final death hides the screen under the death screen: no sweep and no sonar
// under the score.
void TForm14::FormHide() {
    Timer1->SetEnabled(false);
}

bool TForm14::CloseQuery() {
    if (G().CombatMayClose != 0) return true;
    ShowMessage1("You can not exit the combat window! You need to fight!");
    return false;
}

// A click on either ship studies it in the scanner, mid-fight.
void TForm14::Image1MouseDown() {
    ShowOwnShipScan(G().CurrentFleet, G().CurrentShip);
    Form6->ShowModal();
}

void TForm14::Image2MouseDown() {
    ShowEnemyShipScan(0, 1);
    Form6->ShowModal();
}

void TForm14::SpeedButton4Click() {
    CombatFireOrUse();
    ShowCombatFireButton();
}

void TForm14::SpeedButton5Click() {
    if (TutorialStep == 35) {
        TutorialPanel->visible = false;
        TutorialHand->visible = false;
        TutorialTimer->SetEnabled(false);
    }
    CombatEndTurn();
    ShowCombatFireButton();
}

void TForm14::SpeedButton1Click() {
    CombatFlee();
}

void TForm14::SpeedButton8Click() {
    CombatReload();
    ShowCombatFireButton();
}

void TForm14::SpeedButton3Click() {
    CombatWishRange(1);
}

void TForm14::SpeedButton6Click() {
    CombatWishRange(2);
}

void TForm14::SpeedButton7Click() {
    CombatWishRange(3);
}

void TForm14::SpeedButton16Click() {
    PlayButtonSound();
    AskQuitTutorial();
}

void TForm14::ComboBox1Change() {
    const int position = ComboBox1->ItemIndex() + 1;
    ChooseCombatAction(position);
    ShowCombatFireButton();
    if (TutorialStep > 0 && position == TutorialEntry()) PointTutorialHand(*this, *SpeedButton4);
}

void TForm14::Timer1Timer() {
    RadarLine->top -= kSweepStep;
    if (RadarLine->top < RadarTurnBelow(G().CombatRange)) {
        RadarLine->top = kRadarLineStart;
        PlaySonarSound();
    }
}

void TForm14::TutorialTimerTimer() {
    TurnTutorialHand(*TutorialHand);
}

void ShowCombatScreen() {
    Form14->RadarLine->top = kRadarLineStart;
    Form14->ShowModal();
}

}  // namespace corvanth
