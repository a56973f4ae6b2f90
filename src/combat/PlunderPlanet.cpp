// Plunder and occupation of a raided planet. Its buttons make no click sound.
#include "combat/PlunderPlanet.h"

#include <algorithm>
#include <string>

#include "career/governor.h"
#include "career/news.h"
#include "combat/AttackPlanet.h"
#include "combat/Captured.h"
#include "combat/Loot.h"
#include "combat/combat2.h"
#include "combat/tradingpost.h"
#include "state/UMessage1.h"
#include "state/UMessage3.h"
#include "state/pictures.h"
#include "state/random.h"
#include "state/reputation.h"
#include "state/showing.h"
#include "state/tables.h"
#include "state/upcalls.h"

namespace corvanth {

ui::Screen<TForm34> Form34{"TForm34"};

namespace {

constexpr int kBankCenter = 8;
constexpr int kSlaves = 19;
// The goods found per facility kind (planet fields 12..18), 100 units a facility.
constexpr int kFacilityGood[8] = {0, 2, 3, 7, 10, 14, 15, 18};
constexpr int kUnitsPerFacility = 100;

// One of the three ends was chosen: the screen may close now.
void CloseScreen() {
    Form34->decided = true;
    if (PlunderShowing()) Form34->Close();
}

}  // namespace

int EconomyFactor(int economy) {
    switch (economy) {
        case 7:
            return 2;
        case 2:
        case 4:
            return 3;
        case 3:
        case 8:
            return 4;
        case 5:
            return 5;
        default:
            return 1;
    }
}

int64_t PlunderMoney(int economy, bool warned) {
    const int64_t m = EconomyFactor(economy);
    const int64_t money = m * (economy == kBankCenter ? 4000000 : 2000000);
    return warned ? money / 4 : money;
}

EnslaveTake EnslaveTakeFor(int economy, bool warned) {
    const int m = EconomyFactor(economy);
    EnslaveTake t;
    t.money = int64_t{m} * 50000 * (economy == kBankCenter ? 2 : 1);
    t.units = m * 100;
    t.slaves = m * 100;
    if (warned) {
        t.money /= 4;
        t.units /= 4;
    }
    return t;
}

TForm34::TForm34() : ui::Form("TForm34") {
    Image8 = Bind<ui::Image>("Image8");
    Image1 = Bind<ui::Image>("Image1");
    Label2 = Bind<ui::Label>("Label2");
    SpeedButton5 = Bind<ui::SpeedButton>("SpeedButton5");
    SpeedButton1 = Bind<ui::SpeedButton>("SpeedButton1");
    SpeedButton2 = Bind<ui::SpeedButton>("SpeedButton2");
    SpeedButton5->OnClick = [this] { SpeedButton5Click(); };
    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
    SpeedButton2->OnClick = [this] { SpeedButton2Click(); };
}

void ShowPlunderPlanet() {
    TForm34& f = *Form34;
    f.decided = false;
    f.Image1->LoadPicture(RaidedPlanetPicture());
    PlunderWarned = StarSystemRecord(FleetSystem())[StarSystem::Alerted] != 0 ? 1 : 0;
    f.Label2->caption = PlunderWarned
                            ? "The planet has been warned by your presence in this sector and "
                              "most of the valuables have been shipped away or hidden."
                            : "You got the population by surprise and they did not have enough "
                              "time to hid their valuables.";
}

void OccupyPlanet() {
    const int s = FleetSystem(), l = FleetLocation();
    const int f = CaptainFaction();
    FleetLocationRecord()[Planet::Owner] = Captain()[Player::Faction];
    GainReputation(f, RaidReward(StarSystemRecord(s)[StarSystem::SectorRating]));
    GameUpcalls().RefreshTravelScreen();
    CloseScreen();
    NewsPlanetCaptured(s, l);
}

void PlunderAndLeave() {
    GameRecord& planet = FleetLocationRecord();
    const int owner = planet[Planet::Owner];
    if (AtPeace(CaptainFaction(), owner)) ReportSeriousCrime(owner);
    const int64_t money = PlunderMoney(planet[Planet::Economy], PlunderWarned != 0);
    PayCaptain(money);
    ShowMessage1("You plunder $C " + FormatThousands(money) + ".");
    ShowMessage1("Additionally you find some goods...");
    GameState& g = G();
    for (int k = 1; k <= 7; ++k) {
        const int count = planet[Planet::FacilityBase + k];
        if (count <= 0) continue;
        g.LootItem[Loot::Amount] = count * kUnitsPerFacility;
        g.LootItem[Loot::Good] = kFacilityGood[k];
        OfferLootUnderLastHeadings();
    }
    planet[Planet::LastPlunderTurn] = g.TurnNumber;
    StarSystemRecord(FleetSystem())[StarSystem::Alerted] = 1;
    GameUpcalls().RefreshTravelScreen();
    CloseScreen();
}

void PlunderAndEnslave() {
    if (!AskYesNo("These people would NEVER forget this evil crime. Continue anyway?")) return;
    GameRecord& planet = FleetLocationRecord();
    const int owner = planet[Planet::Owner];
    ReportEvilCrime(owner);
    const EnslaveTake take = EnslaveTakeFor(planet[Planet::Economy], PlunderWarned != 0);
    GameState& g = G();
    std::fill(g.CapturedCargo.begin() + Good::First, g.CapturedCargo.begin() + Good::Last + 1, 0);
    // Goods legal in the owner's space; a draw of index 0 counts too (no list shows it), so the
    // draws always come to an end.
    const int f = owner >= FactionId::Federation && owner <= FactionId::Pirates ? owner : 1;
    int units = take.units;
    while (units > 0) {
        const int n = Random(units) + 1;
        const int good = Random(21);
        if (g.Goods[good][Good::LegalityBase + f] == 0) {
            g.CapturedCargo[good] += n;
            units -= n;
        }
    }
    g.CapturedCargo[kSlaves] = take.slaves;
    PayCaptain(take.money);
    ShowMessage1("You plunder $C " + FormatThousands(take.money) + ".");
    ShowMessage1("Additionally you find some goods...and some slaves...");
    RefreshCargoTransfer();
    Form7->ShowModal();
    GameUpcalls().RefreshTravelScreen();
    CloseScreen();
}

void TForm34::SpeedButton5Click() {
    OccupyPlanet();
}
void TForm34::SpeedButton1Click() {
    PlunderAndLeave();
}
void TForm34::SpeedButton2Click() {
    PlunderAndEnslave();
}

}  // namespace corvanth
