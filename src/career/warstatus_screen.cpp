// The war status screen: how the war against each other faction stands.
#include "career/warstatus.h"
#include "state/Sound.h"
#include "state/tables.h"
#include "state/variables.h"

namespace corvanth {

ui::Screen<TForm41> Form41{"TForm41"};

namespace {
constexpr int kWar = 2;
constexpr int kCriminalBelow = -2499;
}  // namespace

TForm41::TForm41() : ui::Form("TForm41") {
    static constexpr const char* kNames[3] = {"Label3", "Label5", "Label11"};
    static constexpr const char* kLogos[3] = {"Image1", "Image2", "Image3"};
    static constexpr const char* kStatus[3] = {"Label4", "Label6", "Label9"};
    static constexpr const char* kPrefix[3] = {"W1_", "W2_", "W3_"};
    for (int i = 0; i < 3; ++i) {
        // Appended, not joined with +: GCC 12's release build warns on the latter.
        auto name = [&](const char* what) {
            std::string n = kPrefix[i];
            n.append(what);
            return n;
        };
        rows[i] = Row{Bind<ui::Label>(kNames[i]),
                      Bind<ui::Image>(kLogos[i]),
                      Bind<ui::Label>(kStatus[i]),
                      Bind<ui::Label>(name("WarText")),
                      Bind<ui::Shape>(name("WarTextShape")),
                      Bind<ui::Label>(name("TradeText")),
                      Bind<ui::Shape>(name("TradeTextShape")),
                      Bind<ui::Label>(name("ConsiderText")),
                      Bind<ui::Shape>(name("ConsiderTextShape"))};
    }
    SpeedButton4 = Bind<ui::SpeedButton>("SpeedButton4");
    SpeedButton4->OnClick = [this] { SpeedButton4Click(); };
}

void TForm41::SpeedButton4Click() {
    PlayButtonSound();
    Close();
}

std::string WarStatusText(int score) {
    // Beyond the scale the extremes hold.
    if (score < -2) return "War status: Disasterous";
    if (score > 2) return "War status: Excellent";
    static constexpr const char* kTexts[] = {"War status: Very bad", "War status: Bad",
                                             "War status: Even", "War status: Good",
                                             "War status: Very good"};
    return kTexts[score + 2];
}

void ShowWarStatus() {
    const int pf = CaptainFaction();
    const GameState& g = G();
    int row = 0;
    for (auto& r : Form41->rows) r.logo->visible = false;
    for (int w = FactionId::Federation; w <= FactionId::Coalition && row < 3; ++w) {
        if (w == pf) continue;
        TForm41::Row& r = Form41->rows[row];
        r.name->caption = FactionName(w);
        r.logo->LoadPicture(row == 0 ? g.FactionSmallPictures[w].str()
                                     : g.FactionPictures[w].str());
        r.logo->visible = true;
        r.status->caption = WarStatusText(FactionRecord(pf)[Faction::WarScoreBase + w]);
        const bool war = FactionRecord(pf)[Faction::RelationBase + w] == kWar;
        const ui::Color colour = war ? ui::colors::Red : ui::colors::Green;
        r.war->caption = war ? "War" : "Cease-fire";
        r.trade->caption = war ? "Trade Lines: Inactive" : "Trade Lines: Active";
        r.warShape->brushColor = colour;
        r.tradeShape->brushColor = colour;
        const int reputation = g.Factions[w][Faction::Reputation];
        if (reputation < 0) {
            r.consider->caption = reputation < kCriminalBelow ? "You are considered criminal."
                                                              : "You are considered hostile.";
            r.considerShape->brushColor = ui::colors::Red;
        } else {
            r.consider->caption = "You are not a criminal.";
            r.considerShape->brushColor = ui::colors::Green;
        }
        ++row;
    }
}

}  // namespace corvanth
