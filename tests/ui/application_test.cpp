// Modal loops, close guards, unwinding, timers and input isolation of the screens.
#include "ui/application.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "support/game_test.h"
#include "support/screen_pictures.h"
#include "ui/headless.h"

namespace ui {
namespace {

// A screen whose handlers a test sets: what each button does, whether it may close.
class Probe : public Form {
  public:
    explicit Probe(const std::string& cls) : Form(cls) {
        Button1 = Bind<SpeedButton>("Button1");
        Button2 = Bind<SpeedButton>("Button2");
        Edit1 = Bind<Edit>("Edit1");
        ListBox1 = Bind<ListBox>("ListBox1");
        Timer1 = Bind<Timer>("Timer1");
        Button1->OnClick = [this] {
            if (onOpen) onOpen();
        };
        Button2->OnClick = [this] { Close(); };
        Timer1->OnTimer = [this] {
            ++ticks;
            if (onTick) onTick();
        };
    }
    bool CloseQuery() override { return mayClose; }
    void FormActivate() override { ++activations; }
    void FormHide() override { ++hides; }
    void FormKeyDown(int key) override {
        keys.push_back(key);
        if (closeOnKey) Close();
    }
    void Reset() {
        onOpen = nullptr;
        onTick = nullptr;
        mayClose = true;
        closeOnKey = false;
        activations = 0;
        hides = 0;
        ticks = 0;
        keys.clear();
        Timer1->SetEnabled(false);
        Edit1->SetText("");
        ListBox1->SetItemIndex(-1);
    }
    SpeedButton* Button1;
    SpeedButton* Button2;
    Edit* Edit1;
    ListBox* ListBox1;
    Timer* Timer1;
    std::function<void()> onOpen, onTick;
    bool mayClose = true, closeOnKey = false;
    int activations = 0, hides = 0, ticks = 0;
    std::vector<int> keys;
};

struct Probes {
    Probe* a;
    Probe* b;
    Probe* c;
};

Probes& GetProbes() {
    static Probes probes = [] {
        const std::string dir = LayoutDir();
        SetLayoutDir(std::string(CORVANTH_SOURCE_DIR) + "/tests/ui/forms");
        Probes p{App().Create<Probe>("TProbeA"), App().Create<Probe>("TProbeB"),
                 App().Create<Probe>("TProbeC")};
        SetLayoutDir(dir);
        return p;
    }();
    return probes;
}

class ModalTest : public corvanth::test::GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        p = GetProbes();
        p.a->Reset();
        p.b->Reset();
        p.c->Reset();
    }
    Probes p{};
};

TEST_F(ModalTest, ScreensOpenedThreeDeepFromATimerTickCloseInOrder) {
    std::vector<std::string> order;
    p.a->Timer1->SetInterval(200);
    p.a->Timer1->SetEnabled(true);
    p.a->onTick = [&] {
        p.a->Timer1->SetEnabled(false);
        p.b->ShowModal();
        order.push_back("B returned");
        p.a->Close();
    };
    p.b->onOpen = [&] {
        p.c->ShowModal();
        order.push_back("C returned");
    };
    player()
        .Do("TProbeB", [&](Form&) { EXPECT_EQ(App().ModalStack().size(), 2u); })
        .Click("TProbeB", "Button1")
        .Do("TProbeC",
            [&](Form&) {
                ASSERT_EQ(App().ModalStack().size(), 3u);
                EXPECT_EQ(App().Top(), p.c);
            })
        .Click("TProbeC", "Button2")
        .Click("TProbeB", "Button2");
    p.a->ShowModal();
    EXPECT_EQ(order, (std::vector<std::string>{"C returned", "B returned"}));
    EXPECT_EQ(p.a->ticks, 1);
}

// The run's record of screens: only the classes its filter names are drawn, into its folder
// and not the player's own; without a filter every player's folder is used again.
TEST_F(ModalTest, TheScreensRecordDrawsOnlyTheClassesItsWriterNames) {
    namespace fs = std::filesystem;
    DrawScreensInto("record", [](const std::string& form) { return form == "TProbeB"; });
    player().SetScreenDir("own");
    p.a->onOpen = [&] { p.b->ShowModal(); };
    player().Click("TProbeA", "Button1").Click("TProbeB", "Button2").Click("TProbeA", "Button2");
    p.a->ShowModal();
    DrawScreensInto(CORVANTH_SCREENS_DIR, corvanth::test::DrawsPicture);
    EXPECT_TRUE(fs::exists("record/TProbeB.png"));
    EXPECT_FALSE(fs::exists("record/TProbeA.png"));
    EXPECT_FALSE(fs::exists("own"));
}

TEST_F(ModalTest, AKeyThatClosesTheTopScreenDoesNotReachTheOneBelow) {
    p.b->closeOnKey = true;
    p.a->onOpen = [&] { p.b->ShowModal(); };
    player().Click("TProbeA", "Button1").Key("TProbeB", 'x').Click("TProbeA", "Button2");
    p.a->ShowModal();
    EXPECT_EQ(p.b->keys, std::vector<int>{'x'});
    EXPECT_TRUE(p.a->keys.empty());
}

TEST_F(ModalTest, AScreenClosedUnderAnotherEndsItsLoopWhenTheUpperOneCloses) {
    bool bReturned = false;
    p.a->onOpen = [&] {
        p.b->ShowModal();
        bReturned = true;
    };
    p.b->onOpen = [&] { p.c->ShowModal(); };
    player()
        .Click("TProbeA", "Button1")
        .Click("TProbeB", "Button1")
        .Do("TProbeC",
            [&](Form&) {
                p.b->Close();  // not on top: its loop ends only once C is gone
                EXPECT_TRUE(p.b->IsModal());
            })
        .Click("TProbeC", "Button2")
        .Click("TProbeA", "Button2");
    p.a->ShowModal();
    EXPECT_TRUE(bReturned);
    EXPECT_EQ(p.b->hides, 1);  // as its loop ended

    // Hidden instead: B leaves the picture at once, under C, and its hide handler runs there
    // and then, the place to stop what must not run unseen; a timer it leaves on still ticks
    // and costs no frame. Its loop ends in the same way, with no second hide, and A is the top
    // screen again.
    bReturned = false;
    p.b->hides = 0;
    auto drawn = [] {
        std::vector<std::string> out;
        for (const Form* f : App().ModalStack())
            if (f->Visible()) out.push_back(f->ClassName());
        return out;
    };
    p.b->onTick = [&] { p.b->Button1->caption = "ticked"; };
    player()
        .Click("TProbeA", "Button1")
        .Click("TProbeB", "Button1")
        .Do("TProbeC",
            [&](Form&) {
                p.b->Hide();
                EXPECT_EQ(p.b->hides, 1);
                EXPECT_TRUE(p.b->IsModal());
                EXPECT_EQ(drawn(), (std::vector<std::string>{"TProbeA", "TProbeC"}));
                p.b->Timer1->SetInterval(1);
                p.b->Timer1->SetEnabled(true);
                Headless().Advance(5);
                App().TakeDirty();
                EXPECT_TRUE(App().FireDueTimers());
                EXPECT_EQ(p.b->ticks, 1);
                EXPECT_FALSE(App().TakeDirty());
                p.b->Timer1->SetEnabled(false);
            })
        .Click("TProbeC", "Button2")
        .Do("TProbeA", [&](Form&) { EXPECT_EQ(drawn(), std::vector<std::string>{"TProbeA"}); })
        .Click("TProbeA", "Button2");
    p.a->ShowModal();
    EXPECT_TRUE(bReturned);
    EXPECT_EQ(p.b->hides, 1);
    p.b->Button1->caption = "Open";
}

TEST_F(ModalTest, UnwindingReturnsToTheBottomScreenPastARefusingGuard) {
    p.b->mayClose = false;
    p.a->onOpen = [&] { p.b->ShowModal(); };
    p.b->onOpen = [&] { p.c->ShowModal(); };
    player()
        .Click("TProbeA", "Button1")
        .CloseRequest("TProbeB")  // refused: still on top
        .Click("TProbeB", "Button1")
        .Do("TProbeC", [&](Form&) { App().CloseAllAbove(*p.a); })
        .Do("TProbeA", [&](Form&) { EXPECT_EQ(App().ModalStack().size(), 1u); })
        .Click("TProbeA", "Button2");
    p.a->ShowModal();
    EXPECT_EQ(player().TimesSeen("TProbeB"), 1);
}

TEST_F(ModalTest, TimersOfALowerScreenKeepFiringUnderAModalOne) {
    p.a->Timer1->SetInterval(200);
    p.a->Timer1->SetEnabled(true);
    p.a->onOpen = [&] { p.b->ShowModal(); };
    int ticksSeenOnB = 0;
    player()
        .Click("TProbeA", "Button1")
        .Wait("TProbeB", 1000)
        .Do("TProbeB", [&](Form&) { ticksSeenOnB = p.a->ticks; })
        .Click("TProbeB", "Button2")
        .Click("TProbeA", "Button2");
    p.a->ShowModal();
    EXPECT_EQ(ticksSeenOnB, 5);  // 1000 ms of 200 ms ticks
}

TEST_F(ModalTest, ActivateFiresOnShowAndEachTimeTheScreenIsOnTopAgain) {
    p.a->onOpen = [&] { p.b->ShowModal(); };
    player()
        .Click("TProbeA", "Button1")
        .Click("TProbeB", "Button2")
        .Click("TProbeA", "Button1")
        .Click("TProbeB", "Button2")
        .Click("TProbeA", "Button2");
    p.a->ShowModal();
    EXPECT_EQ(p.a->activations, 3);
    EXPECT_EQ(p.b->activations, 2);
}

TEST_F(ModalTest, AScreenWaitingForInputTheScriptLacksFailsWithWhatItShows) {
    p.a->onOpen = [&] { p.b->ShowModal(); };
    player().Click("TProbeA", "Button1");
    try {
        p.a->ShowModal();
        ADD_FAILURE() << "the watchdog did not fire";
    } catch (const ScriptError& e) {
        EXPECT_NE(std::string(e.what()).find("TProbeB waits for input"), std::string::npos)
            << e.what();
        EXPECT_NE(std::string(e.what()).find("Probe"), std::string::npos);
    }
    EXPECT_TRUE(App().ModalStack().empty());
}

TEST_F(ModalTest, ThePlayerCannotUseWhatIsHiddenOrDisabled) {
    p.a->Button1->enabled = false;
    player().Click("TProbeA", "Button1");
    EXPECT_THROW(p.a->ShowModal(), ScriptError);
    p.a->Button1->enabled = true;
    player().Reset();
}

TEST_F(ModalTest, TypingAndListClicks) {
    int changes = 0;
    p.a->Edit1->OnChange = [&] { ++changes; };
    int clicks = 0;
    p.a->ListBox1->OnClick = [&] { ++clicks; };
    player()
        .Type("TProbeA", "Edit1", "Captain")
        .SelectRow("TProbeA", "ListBox1", 2)
        .ClickAt("TProbeA", "ListBox1", 50, 110)  // below the last row
        .Click("TProbeA", "Button2");
    p.a->ShowModal();
    EXPECT_EQ(p.a->Edit1->Text(), "Capta");  // cut to its five characters
    EXPECT_EQ(changes, 1);
    p.a->Edit1->SetText("code");  // the program's own writes fire nothing
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(p.a->ListBox1->ItemIndex(), -1);
    p.a->Edit1->OnChange = nullptr;
    p.a->ListBox1->OnClick = nullptr;
}

// An open drop-down list lies over everything else on its screen: its rows take the press, the
// wheel and the arrow keys, and Escape closes the list, not the screen. The scripted player
// chooses a row as a player does, and names the list when it covers what it is asked to click.
TEST_F(ModalTest, AnOpenListIsOnTopOfItsScreen) {
    auto* combo = static_cast<ComboBox*>(p.a->Find("ComboBox1"));
    Component* under = p.a->Find("Button3");
    std::vector<int> chosen;
    combo->OnChange = [&] { chosen.push_back(combo->ItemIndex()); };
    int underClicks = 0;
    under->OnClick = [&] { ++underClicks; };
    combo->SetItemIndex(0);
    player()
        .Click("TProbeA", "Button3")  // the list is closed: the button has the click
        .Click("TProbeA", "ComboBox1")
        .Do("TProbeA",
            [&](Form& f) {
                ASSERT_TRUE(combo->Dropped());
                const int x = f.OriginX() + 310, y = f.OriginY() + 180;
                // Rows of 10 x 4 / 3 + 4 = 17 pixels from 60 + 24 + 2 = 86 down: the button's
                // middle (310, 180) lies on row (180 - 86) / 17 = 5.
                EXPECT_EQ(App().HitTest(f, x, y), combo);
                App().MouseDown(x, y, 1);
                EXPECT_EQ(chosen, std::vector<int>{5});  // chosen on the press
                EXPECT_FALSE(combo->Dropped());
                App().MouseUp(x, y);
                App().MouseDown(x, y, 2);  // the rest of a double click
                App().MouseUp(x, y);
                EXPECT_EQ(underClicks, 1);
                EXPECT_FALSE(combo->Dropped());
            })
        // Row 9 lies past the eight rows shown: the list scrolls to it.
        .SelectRow("TProbeA", "ComboBox1", 9)
        .Click("TProbeA", "ComboBox1")
        .Do("TProbeA",
            [&](Form& f) {
                const int x = f.OriginX() + 310, y = f.OriginY() + 180;
                EXPECT_EQ(combo->listTop, 2);  // opened on the chosen row, the last of 10
                App().MouseWheel(x, y, 1);
                EXPECT_EQ(combo->listTop, 0);
                App().MouseWheel(x, y, -1);
                EXPECT_EQ(combo->listTop, 2);
                // Ten rows in eight: the list's bar, 16 pixels at its right edge from the box's
                // bottom at 84 down its 8 x 17 + 4 = 140 pixels. Its upper arrow scrolls a row
                // back, choosing nothing, and the list stays open; its rows keep clear of it.
                const Rect bar = combo->ListBarRect();
                EXPECT_EQ(bar.x, 240 + 140 - 16);
                EXPECT_EQ(bar.y, 84);
                EXPECT_EQ(bar.h, 140);
                const int bx = f.OriginX() + bar.x + 8, by = f.OriginY() + bar.y;
                EXPECT_EQ(combo->ListRowAt(bar.x + 8, bar.y + 60), -1);
                EXPECT_EQ(App().HitTest(f, bx, by + 8), combo);
                App().MouseDown(bx, by + 8, 1);
                App().MouseUp(bx, by + 8);
                EXPECT_EQ(combo->listTop, 1);
                EXPECT_TRUE(combo->Dropped());
                // The thumb dragged past the list's end and let go there shows its last rows.
                auto thumb = [&] {
                    const Rect t = combo->ListTrack().ThumbRect();
                    return by + t.y + t.h / 2;
                };
                App().MouseDown(bx, thumb(), 1);
                App().MouseMove(bx, by + 200);
                App().MouseUp(bx, by + 200);
                EXPECT_EQ(combo->listTop, 2);
                // Dragged back past the top and let go over a row: no row is chosen.
                App().MouseDown(bx, thumb(), 1);
                App().MouseMove(bx - 60, by - 100);
                App().MouseMove(bx - 60, by + 30);
                App().MouseUp(bx - 60, by + 30);
                EXPECT_EQ(combo->listTop, 0);
                EXPECT_TRUE(combo->Dropped());
            })
        .Key("TProbeA", keys::Up)
        .Key("TProbeA", keys::Up)
        .Key("TProbeA", keys::Enter)
        .Click("TProbeA", "ComboBox1")
        .Key("TProbeA", keys::Down)
        .Key("TProbeA", keys::Escape)
        .Do("TProbeA",
            [&](Form&) {
                EXPECT_FALSE(combo->Dropped());
                EXPECT_TRUE(p.a->keys.empty()) << "the screen saw the list's keys";
            })
        .Click("TProbeA", "Button2");
    p.a->ShowModal();
    EXPECT_EQ(chosen, (std::vector<int>{5, 9, 7}));
    EXPECT_EQ(underClicks, 1);

    // A button under the open list, and a list that cannot open: each named.
    auto failure = [&](const std::function<void(ScriptedPlayer&)>& script) {
        player().Reset();
        script(player());
        try {
            p.a->ShowModal();
        } catch (const ScriptError& e) {
            player().Reset();
            return std::string(e.what());
        }
        return std::string("no failure");
    };
    EXPECT_EQ(failure([](ScriptedPlayer& s) {
                  s.Click("TProbeA", "ComboBox1").Click("TProbeA", "Button3");
              }),
              "a click on Button3 of TProbeA lands on ComboBox1");
    combo->CloseList();
    const std::vector<std::string> rows = combo->items;
    combo->Clear();
    EXPECT_EQ(failure([](ScriptedPlayer& s) { s.SelectRow("TProbeA", "ComboBox1", 0); }),
              "ComboBox1 on TProbeA has no row 0");
    combo->items = rows;
    EXPECT_EQ(underClicks, 1);
    combo->OnChange = nullptr;
    under->OnClick = nullptr;
}

}  // namespace
}  // namespace ui
