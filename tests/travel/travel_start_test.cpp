// The adventure start: the turn it leaves, the warm-up of the markets, the wings and the story.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "state/UMessage4.h"
#include "state/pictures.h"
#include "state/variables.h"
#include "travel/travel.h"
#include "travel/travel_support.h"

namespace corvanth {
namespace {

class AdventureStart : public test::TravelTest {
  protected:
    // Answers the story boxes and notes their headlines and pictures.
    void ReadStory(int boxes) {
        for (int i = 0; i < boxes; ++i)
            player()
                .Do("TMessage4",
                    [this](ui::Form&) {
                        headlines.push_back(Message4->Label2->caption);
                        pictures.push_back(Message4->Image1->picture);
                        EXPECT_EQ(Message4->Memo1->scrollBars, ui::ScrollBars::Vertical);
                        EXPECT_EQ(Message4->Shape3->brushColor, ui::colors::White);
                    })
                .Click("TMessage4", "SpeedButton1");
    }
    std::vector<std::string> headlines, pictures;
};

// The daily limits of a price by its base price: floor and largest drift in per cent.
bool WithinBand(const GameRecord& m) {
    const int b = m[Market::BasePrice];
    struct Band {
        int to, floor, drift;
    };
    for (Band band : {Band{50, 10, 90}, Band{100, 20, 80}, Band{400, 50, 50}, Band{950, 60, 40},
                      Band{1499, 70, 30}, Band{2499, 73, 27}, Band{5000, 76, 24},
                      Band{10000, 85, 15}, Band{100000, 90, 10}})
        if (b <= band.to)
            return m[Market::Price] >= 1 && m[Market::Price] >= b * band.floor / 100 &&
                   m[Market::Price] <= b + b * band.drift / 100;
    return m[Market::Price] >= 1;
}

TEST_F(AdventureStart, WarmsUpTheWorldAndTellsTheFederationsStory) {
    NewFederationGame();
    GameState& g = G();
    int changed = 0, planets = 0;
    // On the heap: the market table is several megabytes.
    const auto before = std::make_unique<decltype(g.Markets)>(g.Markets);
    ReadStory(3);
    player()
        .Do("TForm2",
            [&](ui::Form&) {
                EXPECT_EQ(g.TurnNumber, 1);
                EXPECT_EQ(Form2->Label6->caption, "Game Turn No.: 1");
                for (int s = 1; s <= 25; ++s)
                    for (int l = 1; l <= 35; ++l) {
                        const GameRecord& p = g.Planets[s][l];
                        if (p[Planet::Exists] != 1 || p[Planet::Kind] != PlanetKind::Planet)
                            continue;
                        ++planets;
                        for (int good = 1; good <= 20; ++good) {
                            const GameRecord& m = g.Markets[s][l][good];
                            EXPECT_TRUE(WithinBand(m)) << s << "." << l << " good " << good;
                            changed += m[Market::Price] != (*before)[s][l][good][Market::Price];
                        }
                    }
                // The Avenger is a size-1 ship: the first wings.
                EXPECT_EQ(g.Factions[FactionId::Federation][Faction::PilotWings], 1);
            })
        .CloseRequest("TForm2")
        .Click("TMessage3", "SpeedButton1");
    Form2->ShowModal();
    // Ten passes of a 50 % chance leave hardly a price as the catalogue made it.
    EXPECT_GT(changed, planets * 20 * 3 / 4);
    EXPECT_EQ(headlines, (std::vector<std::string>{"Your adventure begins...", "In the army now...",
                                                   "Its up to you..."}));
    // Picture 19 of the large style is "dark3r.jpg".
    EXPECT_EQ(pictures, (std::vector<std::string>{GetHeroPictureName(1) + ".jpg",
                                                  "FederationLogo.jpg", "dark3r.jpg"}));
}

TEST_F(AdventureStart, RunsOncePerGameAndKeepsHigherWings) {
    NewFederationGame();
    GameState& g = G();
    g.Players[1][Player::Faction] = FactionId::Syndicate;
    g.Ships[1][1][Ship::SizeClass] = 5;
    ReadStory(3);
    ShowAdventureStart();
    EXPECT_EQ(g.Factions[FactionId::Syndicate][Faction::PilotWings], 3);
    // Picture 3 of the large style is "earth3r.jpg".
    EXPECT_EQ(pictures[1], "SyndicateLogo.jpg");
    EXPECT_EQ(pictures[2], "earth3r.jpg");

    // A level above the ship's stays.
    g.Factions[FactionId::Syndicate][Faction::PilotWings] = 4;
    g.TurnNumber = 0;
    g.Players[1][Player::Faction] = 0;  // no faction: the opening text alone
    std::filesystem::remove("begin.txt");
    ReadStory(1);
    ShowAdventureStart();
    EXPECT_EQ(g.Factions[FactionId::Syndicate][Faction::PilotWings], 4);
    EXPECT_EQ(g.TurnNumber, 1);
    EXPECT_EQ(headlines.size(), 4u);
    // Without its text the box shows nothing and the start goes on.
    EXPECT_TRUE(Message4->Memo1->lines.empty());
}

TEST_F(AdventureStart, TheStoryScrollsToItsLastLineUnderItsFrame) {
    for (const char* text : {"begin.txt", "Federation.txt", "begin2_F.txt"})
        std::filesystem::copy_file(std::filesystem::path(CORVANTH_SOURCE_DIR) / "data" / text, text,
                                   std::filesystem::copy_options::overwrite_existing);
    NewFederationGame();
    ui::Memo* memo = Message4->Memo1;
    auto atTheEnd = [memo] {
        // The last wrapped line is among the rows shown.
        const int total = static_cast<int>(memo->WrappedLines().size());
        EXPECT_GT(total, memo->VisibleRows()) << "the opening story fits its box";
        EXPECT_EQ(memo->topLine, total - memo->VisibleRows());
        EXPECT_EQ(memo->topLine, memo->MaxTopLine());
    };
    player()
        .Do("TMessage4",
            [&](ui::Form& f) {
                EXPECT_EQ(memo->topLine, 0);
                EXPECT_GT(memo->ThumbRect().h, 0);
                // The frame drawn around the text lies over it, and only decorates.
                const ui::Rect r = memo->ScreenRect();
                ui::Component* frame = f.Find("Shape1");
                ASSERT_NE(frame, nullptr);
                EXPECT_TRUE(frame->ScreenRect().Contains(r.x + 1, r.y + 1));
                EXPECT_EQ(
                    ui::App().HitTest(f, f.OriginX() + r.x + r.w / 2, f.OriginY() + r.y + r.h / 2),
                    memo);
            })
        // The wheel turned toward the player runs to the end and stops there.
        .Wheel("TMessage4", "Memo1", -100)
        .Do("TMessage4", [&](ui::Form&) { atTheEnd(); })
        .Wheel("TMessage4", "Memo1", 1)
        .Do("TMessage4", [&](ui::Form&) { EXPECT_EQ(memo->topLine, memo->MaxTopLine() - 3); })
        .Wheel("TMessage4", "Memo1", 100)
        .Do("TMessage4", [&](ui::Form&) { EXPECT_EQ(memo->topLine, 0); });
    // The thumb dragged to the bottom of its track shows the last line.
    const int barX = memo->width - ui::Memo::kBarWidth / 2;
    auto dragThumb = [&](int toY) {
        return [&, toY](ui::Form& f) {
            const ui::Rect t = memo->ThumbRect();
            ui::DragThrough(f, *memo, barX, t.y + t.h / 2, barX, toY);
        };
    };
    // The arrows at the bar's ends are 16 pixels long, as the bar is wide: the lower one steps
    // one line on, the upper one back.
    player()
        .Do("TMessage4", dragThumb(memo->height + 40))
        .Do("TMessage4", [&](ui::Form&) { atTheEnd(); })
        .ClickAt("TMessage4", "Memo1", barX, 8)
        .Do("TMessage4", [&](ui::Form&) { EXPECT_EQ(memo->topLine, memo->MaxTopLine() - 1); })
        .ClickAt("TMessage4", "Memo1", barX, memo->height - 8)
        .Do("TMessage4", [&](ui::Form&) { atTheEnd(); })
        // A click on the track just below the upper arrow, above the thumb, pages back by a page
        // less one line.
        .ClickAt("TMessage4", "Memo1", barX, 17)
        .Do("TMessage4",
            [&](ui::Form&) {
                EXPECT_EQ(memo->topLine,
                          std::max(0, memo->MaxTopLine() - (memo->VisibleRows() - 1)));
            })
        // Back at the end, the thumb sits at the bottom; dragged past the top, it shows the start.
        .Wheel("TMessage4", "Memo1", -100)
        .Do("TMessage4", dragThumb(-50))
        .Do("TMessage4", [&](ui::Form&) { EXPECT_EQ(memo->topLine, 0); })
        .Click("TMessage4", "SpeedButton1");
    ReadStory(2);
    ShowAdventureStart();
}

}  // namespace
}  // namespace corvanth
