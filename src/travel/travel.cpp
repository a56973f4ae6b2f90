// Travel screen: binding; map cells, SpeedButton3-5, 12-15, Image5/6/21, FormActivate, CloseQuery.
#include "travel/travel.h"

#include <functional>

#include "state/Sound.h"
#include "state/UMessage3.h"
#include "state/upcalls.h"
#include "state/variables.h"
#include "travel/NextTurnUnit.h"
#include "travel/PlanetInfo.h"
#include "travel/jumpscreen.h"
#include "travel/travelscreen.h"
#include "tutorial/Tutorial.h"

namespace corvanth {

ui::Screen<TForm2> Form2{"TForm2"};

namespace {

constexpr const char kRowLetters[] = "ABCDEFG";

// Every component of a part of the screen answers clicks and double clicks alike.
void WireClicks(ui::Component* c, const std::function<void()>& click,
                const std::function<void()>& dblClick) {
    c->OnClick = click;
    c->OnDblClick = dblClick;
    for (ui::Component* child : c->Children()) WireClicks(child, click, dblClick);
}

}  // namespace

std::string CellName(int row, int column) {
    if (row < 1 || row > kMapRows || column < 1 || column > kMapColumns) return "";
    return std::string(1, kRowLetters[row - 1]) + std::to_string(column);
}

TForm2::TForm2() : ui::Form("TForm2") {
    Image2 = Bind<ui::Image>("Image2");
    Image23 = Bind<ui::Image>("Image23");

    GroupBox9 = Bind<ui::GroupBox>("GroupBox9");
    Label1 = Bind<ui::Label>("Label1");
    GroupBox11 = Bind<ui::GroupBox>("GroupBox11");
    Label6 = Bind<ui::Label>("Label6");

    Panel6 = Bind<ui::Panel>("Panel6");
    Label9 = Bind<ui::Label>("Label9");
    Panel4 = Bind<ui::Panel>("Panel4");
    Image5 = Bind<ui::Image>("Image5");
    Panel5 = Bind<ui::Panel>("Panel5");
    Label8 = Bind<ui::Label>("Label8");
    Panel9 = Bind<ui::Panel>("Panel9");
    Image6 = Bind<ui::Image>("Image6");
    Panel10 = Bind<ui::Panel>("Panel10");
    Image21 = Bind<ui::Image>("Image21");
    ProgressBar2 = Bind<ui::ProgressBar>("ProgressBar2");
    ProgressBar1 = Bind<ui::ProgressBar>("ProgressBar1");
    Panel11 = Bind<ui::Panel>("Panel11");
    SpeedButton14 = Bind<ui::SpeedButton>("SpeedButton14");

    GroupBox2 = Bind<ui::GroupBox>("GroupBox2");
    Image3 = Bind<ui::Image>("Image3");
    Panel1 = Bind<ui::Panel>("Panel1");
    Label4 = Bind<ui::Label>("Label4");
    Label2 = Bind<ui::Label>("Label2");
    Label3 = Bind<ui::Label>("Label3");
    Label10 = Bind<ui::Label>("Label10");
    Panel3 = Bind<ui::Panel>("Panel3");
    Memo1 = Bind<ui::Memo>("Memo1");
    SpeedButton5 = Bind<ui::SpeedButton>("SpeedButton5");
    SpeedButton2 = Bind<ui::SpeedButton>("SpeedButton2");
    SpeedButton11 = Bind<ui::SpeedButton>("SpeedButton11");
    SpeedButton1 = Bind<ui::SpeedButton>("SpeedButton1");
    SpeedButton15 = Bind<ui::SpeedButton>("SpeedButton15");

    SpeedButton3 = Bind<ui::SpeedButton>("SpeedButton3");
    SpeedButton4 = Bind<ui::SpeedButton>("SpeedButton4");
    SpeedButton6 = Bind<ui::SpeedButton>("SpeedButton6");
    SpeedButton12 = Bind<ui::SpeedButton>("SpeedButton12");
    SpeedButton13 = Bind<ui::SpeedButton>("SpeedButton13");

    TradeGroupBox = Bind<ui::GroupBox>("TradeGroupBox");
    Shape34 = Bind<ui::Shape>("Shape34");
    Shape35 = Bind<ui::Shape>("Shape35");
    ListBox1 = Bind<ui::ListBox>("ListBox1");
    RadioButton1 = Bind<ui::RadioButton>("RadioButton1");
    RadioButton2 = Bind<ui::RadioButton>("RadioButton2");
    SpinEdit1 = Bind<ui::Edit>("SpinEdit1");
    UpDown1 = Bind<ui::UpDown>("UpDown1");
    Label5 = Bind<ui::Label>("Label5");
    Label19 = Bind<ui::Label>("Label19");
    Label20 = Bind<ui::Label>("Label20");
    Label18 = Bind<ui::Label>("Label18");
    Label21 = Bind<ui::Label>("Label21");
    Label23 = Bind<ui::Label>("Label23");
    SpeedButton7 = Bind<ui::SpeedButton>("SpeedButton7");
    SpeedButton9 = Bind<ui::SpeedButton>("SpeedButton9");
    SpeedButton10 = Bind<ui::SpeedButton>("SpeedButton10");

    MissionBox1 = Bind<ui::Panel>("MissionBox1");
    Shape36 = Bind<ui::Shape>("Shape36");
    Shape37 = Bind<ui::Shape>("Shape37");
    Label24 = Bind<ui::Label>("Label24");
    missionLabels = BindMissionBoxLabels(*this);
    SpeedButton8 = Bind<ui::SpeedButton>("SpeedButton8");
    Timer1 = Bind<ui::Timer>("Timer1");

    Panel17 = Bind<ui::Panel>("Panel17");
    Image4 = Bind<ui::Image>("Image4");
    Panel18 = Bind<ui::Panel>("Panel18");
    Image7 = Bind<ui::Image>("Image7");
    CursorPanel = Bind<ui::Panel>("CursorPanel");
    Image14 = Bind<ui::Image>("Image14");

    for (int row = 1; row <= kMapRows; ++row) {
        for (int column = 1; column <= kMapColumns; ++column) {
            const std::string cell = CellName(row, column);
            MapCell& c = Cell(row, column);
            c.panel = Bind<ui::Panel>("PanelPlanet" + cell);
            c.picture = Bind<ui::Image>("Planet" + cell);
            c.name = Bind<ui::Label>("NPlanet" + cell);
            c.price = Bind<ui::Label>("PPlanet" + cell);
            c.marker = Bind<ui::Shape>("Marker" + cell);
            WireClicks(
                c.panel, [this, row, column] { PlanetCellClick(row, column); },
                [this, row, column] { PlanetCellDblClick(row, column); });
        }
    }
    // The locks lie over the map: a click on them belongs to the cell beneath. The position lock
    // sits inside the fleet's cell, the selection arrow in the lower edge of the cell above.
    auto onLock = [this](bool dbl) {
        if (lockRow < 1) return;
        dbl ? PlanetCellDblClick(lockRow, lockColumn) : PlanetCellClick(lockRow, lockColumn);
    };
    for (ui::Panel* half : {Panel17, Panel18})
        WireClicks(
            half, [onLock] { onLock(false); }, [onLock] { onLock(true); });
    auto onCursor = [this](bool dbl) {
        if (cursorRow < 2) return;
        dbl ? PlanetCellDblClick(cursorRow - 1, cursorColumn)
            : PlanetCellClick(cursorRow - 1, cursorColumn);
    };
    WireClicks(
        CursorPanel, [onCursor] { onCursor(false); }, [onCursor] { onCursor(true); });

    SpeedButton2->OnClick = [this] { SpeedButton2Click(); };
    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
    SpeedButton5->OnClick = [this] { SpeedButton5Click(); };
    SpeedButton4->OnClick = [this] { SpeedButton4Click(); };
    SpeedButton15->OnClick = [this] { SpeedButton15Click(); };
    SpeedButton13->OnClick = [this] { SpeedButton13Click(); };
    Image5->OnClick = [this] { SpeedButton13Click(); };
    SpeedButton3->OnClick = [this] { SpeedButton3Click(); };
    SpeedButton14->OnClick = [this] { SpeedButton14Click(); };
    SpeedButton6->OnClick = [this] { SpeedButton6Click(); };
    // The status panel's faction logo and portrait open the personal information too.
    for (ui::Component* c :
         {static_cast<ui::Component*>(SpeedButton12), static_cast<ui::Component*>(Image6),
          static_cast<ui::Component*>(Image21)})
        c->OnClick = [this] { SpeedButton12Click(); };
    SpeedButton8->OnClick = [this] { SpeedButton8Click(); };
    Timer1->OnTimer = [this] { Timer1Timer(); };
    SpeedButton11->OnClick = [this] { SpeedButton11Click(); };
    SpeedButton10->OnClick = [this] { SpeedButton10Click(); };
    SpeedButton7->OnClick = [this] { SpeedButton7Click(); };
    SpeedButton9->OnClick = [this] { SpeedButton9Click(); };
    ListBox1->OnClick = [this] { ListBox1Click(); };
    RadioButton1->OnClick = [this] { RadioButton1Click(); };
    RadioButton2->OnClick = [this] { RadioButton2Click(); };
    SpinEdit1->OnChange = [this] { SpinEdit1Change(); };
    UpDown1->OnChanging = [this](bool up) { UpDown1Changing(up); };
    BindTutorial();
}

void TForm2::FormActivate() {
    RefreshTravelScreen();
    if (G().TurnNumber == 0) ShowAdventureStart();
}

bool TForm2::CloseQuery() {
    if (TravelScreenMayClose == 1) return true;
    PlayButtonSound();
    return AskYesNo("Do you really wish to quit this game? (No retiring, no highscore)");
}

void TForm2::SpeedButton5Click() {
    PlayButtonSound();
    TravelToSelectedPlanet();
}

void TForm2::SpeedButton4Click() {
    PlayButtonSound();
    NextTurn();
    RefreshStatusPanel();
}

void TForm2::SpeedButton15Click() {
    PlayButtonSound();
    FillPlanetInfoForm();
    Form53->ShowModal();
}

void TForm2::SpeedButton13Click() {
    PlayButtonSound();
    GameUpcalls().ShowShipScanner();
}

void TForm2::SpeedButton3Click() {
    PlayButtonSound();
    OpenStarmap();
}

void TForm2::SpeedButton14Click() {
    PlayButtonSound();
    GameUpcalls().ShowOptions();
}

void TForm2::SpeedButton12Click() {
    if (TutorialStep == 36) AdvanceTutorialStep36();
    PlayButtonSound();
    GameUpcalls().ShowPersonalInfo();
}

void TForm2::PlanetCellClick(int row, int column) {
    PlayButtonSound();
    const int l = FindPlanetAtCell(column, row);
    if (l > 0 && l != G().SelectedPlanet) {
        G().SelectedPlanet = l;
        RefreshPlanetPanel();
    }
}

void TForm2::PlanetCellDblClick(int row, int column) {
    PlanetCellClick(row, column);
    TravelToSelectedPlanet();
}

}  // namespace corvanth
