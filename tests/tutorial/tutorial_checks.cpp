// What every step of the tutorial walk checks on its screen: the panel and the hand leave in sight
// what the step names and explains, headlines whole, the hand drawn as a hand.
#include "tutorial_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>

#include "state/tables.h"
#include "tutorial/Tutorial.h"
#include "ui/application.h"
#include "ui/render.h"

namespace corvanth::test {

const char* const kScreens[12] = {"TForm1",  "TForm4",  "TForm2", "TForm3",  "TForm9",  "TForm17",
                                  "TForm18", "TForm27", "TForm8", "TForm20", "TForm14", "TForm28"};

std::vector<std::string> FileLines(const std::string& name) {
    std::ifstream in(name);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

bool Overlap(const ui::Rect& a, const ui::Rect& b) {
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

bool TimerOn(const char* cls) {
    return dynamic_cast<ui::Timer*>(ui::App().FindForm(cls)->Find("TutorialTimer"))->Enabled();
}

// Nothing of the tutorial left on any of the twelve screens.
void ExpectNoTutorialShowing() {
    for (const char* cls : kScreens) {
        const ui::Form& f = *ui::App().FindForm(cls);
        for (const char* part :
             {"TutorialPanel", "TutorialPanel2", "TutorialPanel3", "TutorialHand"})
            EXPECT_FALSE(f.Find(part) && f.Find(part)->visible) << cls << "." << part;
        EXPECT_FALSE(TimerOn(cls)) << cls;
    }
}

namespace {

// The phrases a step's text puts between double quotes: what it names for the player to find.
std::vector<std::string> QuotedIn(const char* textFile) {
    std::vector<std::string> out;
    if (!textFile) return out;
    for (const std::string& line : FileLines(textFile))
        for (size_t open = line.find('"'); open != std::string::npos;) {
            const size_t close = line.find('"', open + 1);
            if (close == std::string::npos) break;
            out.push_back(line.substr(open + 1, close - open - 1));
            open = line.find('"', close + 1);
        }
    return out;
}

// Part of the tutorial's own overlay: its panels, hand and the rings of step 4.
bool TutorialPart(const ui::Component& c) {
    for (const ui::Component* p = &c; p; p = p->Parent())
        if (p->Name().rfind("Tutorial", 0) == 0) return true;
    return false;
}

bool Control(const ui::Component& c) {
    switch (c.kind()) {
        case ui::Kind::SpeedButton:
        case ui::Kind::Button:
        case ui::Kind::Edit:
        case ui::Kind::SpinEdit:
        case ui::Kind::ComboBox:
        case ui::Kind::CheckBox:
        case ui::Kind::RadioButton:
        case ui::Kind::UpDown:
        case ui::Kind::ScrollBar:
            return true;
        default:
            return false;
    }
}

// What the player clicks or reads in a box of its own: buttons, lists, memos, bars and the
// pictures that open a screen. The hand leaves them all to the one it points at.
bool ForThePlayer(const ui::Component& c) {
    return !c.Decorative() && c.kind() != ui::Kind::Timer && c.kind() != ui::Kind::MediaPlayer;
}

// `inner` is `outer` or lies inside it.
bool Inside(const ui::Component& inner, const ui::Component& outer) {
    for (const ui::Component* c = &inner; c; c = c->Parent())
        if (c == &outer) return true;
    return false;
}

// Under a box drawn later that fills its ground, as the sensor report under the trade box: what
// the player cannot see, neither panel nor hand hides.
bool Buried(const ui::Form& f, const ui::Component& c) {
    bool after = false;
    for (const auto& over : f.Components()) {
        if (over.get() == &c) after = true;
        const auto* panel = dynamic_cast<const ui::Panel*>(over.get());
        if (after && panel && !panel->transparent && panel->Showing() && !Inside(c, *panel) &&
            !TutorialPart(*panel) && panel->ScreenRect().Holds(c.ScreenRect()))
            return true;
    }
    return false;
}

// What the player sees of a screen's own parts.
bool InSightOn(const ui::Form& f, const ui::Component& c) {
    return c.Showing() && !TutorialPart(c) && !Buried(f, c);
}

struct InSight {
    std::string what;
    ui::Rect rect;
    bool fromPanel = false;  // what the step explains: the hand points into it
    bool target = false;     // what the hand points at: its fingertip lies on it
    bool picture = false;
};

// The rectangle of a list's row as drawn: left of its scroll bar, when it shows one.
ui::Rect RowRect(const ui::ListBox& list, int row) {
    const ui::Rect r = list.ScreenRect();
    return {r.x, r.y + 2 + (row - list.topIndex) * list.ItemHeight(), list.BarRect().x,
            list.ItemHeight()};
}

// What a step asks the player to use: the component of its row, or for a place on the system map
// the picture of that place in its cell, as the player sees the planet the step names.
const ui::Component* AskedFor(int step) {
    const TutorialStepRow& row = *TutorialRow(step);
    if (row.targetLocation <= 0) return TutorialTarget(step);
    const GameRecord& place = LocationRecord(row.targetLocation);
    const std::string cell = std::string(1, static_cast<char>('A' + place[Planet::MapRow] - 1)) +
                             std::to_string(place[Planet::MapColumn]);
    return ui::App().FindForm(row.screen)->Find("Planet" + cell);
}

// What the hand points at: the component, or in a list the row to pick.
ui::Rect PointedAt(const ui::Component& target, int row) {
    const auto* list = dynamic_cast<const ui::ListBox*>(&target);
    return list && row >= 0 ? RowRect(*list, row) : target.ScreenRect();
}

// What a step's panel and hand leave in sight: every caption the screen shows, the component
// the hand points at, each component whose text holds a phrase the step's text names, and what
// the step explains.
std::vector<InSight> MustStayInSight(const ui::Form& f, int step, const ui::Component* target,
                                     const ui::Rect& pointed,
                                     const std::vector<std::string>& explained) {
    const TutorialStepRow& row = *TutorialRow(step);
    std::vector<InSight> out;
    for (const auto& c : f.Components()) {
        if (!InSightOn(f, *c)) continue;
        const ui::Rect caption = ui::CaptionRect(*c);
        if (caption.w > 0) out.push_back({c->Name() + " \"" + c->ShownText() + "\"", caption});
        if (Control(*c)) out.push_back({"the control " + c->Name(), c->ScreenRect(), true});
    }
    if (target && !TutorialPart(*target))
        out.push_back({"the target " + target->Name(), pointed, false, true});
    for (const std::string& phrase : QuotedIn(row.textFile)) {
        // On the screen, or on the panel itself ("End tutorial"), beside the memo that says it.
        const ui::Component* named = nullptr;
        bool onPanel = false;
        for (const auto& c : f.Components()) {
            if (!c->Showing() || c->ShownText().find(phrase) == std::string::npos) continue;
            if (!TutorialPart(*c)) named = c.get();
            onPanel = onPanel || (TutorialPart(*c) && c->kind() != ui::Kind::Memo);
        }
        EXPECT_TRUE(named || onPanel)
            << "step " << step << " names \"" << phrase << "\", not on " << row.screen;
        // What the hand points at it touches.
        const bool pointedAt = named && target && (named == target || named->Parent() == target);
        if (named)
            out.push_back(
                {"\"" + phrase + "\" in " + named->Name(), named->ScreenRect(), false, pointedAt});
    }
    for (const std::string& name : explained) {
        const ui::Component* c = f.Find(name);
        EXPECT_TRUE(c && c->Showing()) << "step " << step << " explains " << name;
        if (c) out.push_back({"what the step explains, " + name, c->ScreenRect(), true});
    }
    return out;
}

// What the player looks at on a screen: its pictures (not the background of the whole screen)
// and the rows of its lists that hold a text.
std::vector<InSight> PicturesAndRows(const ui::Form& f) {
    std::vector<InSight> out;
    for (const auto& c : f.Components()) {
        if (!InSightOn(f, *c)) continue;
        const ui::Rect r = c->ScreenRect();
        if (const auto* image = dynamic_cast<const ui::Image*>(c.get())) {
            // The screen's own background; the system map's ground is the map, where a space
            // event may show in any cell.
            const bool backdrop = r.Holds({0, 0, f.width, f.height});
            if (!image->picture.empty() && !backdrop)
                out.push_back({"the picture " + c->Name() + " (" + image->picture + ")", r, false,
                               false, true});
        } else if (const auto* list = dynamic_cast<const ui::ListBox*>(c.get())) {
            // A row's text, as far as the list shows it.
            const ui::Rect box = list->ScreenRect();
            for (int i = list->topIndex; i < static_cast<int>(list->items.size()); ++i) {
                const ui::Rect row = RowRect(*list, i);
                if (row.y >= box.y + box.h) break;
                if (list->items[i].empty()) continue;
                out.push_back({"row " + std::to_string(i + 1) + " of " + c->Name() + " \"" +
                                   list->items[i] + "\"",
                               {box.x + 4, row.y,
                                std::min(ui::TextWidth(list->items[i], list->font), box.w - 8),
                                std::min(row.h, box.y + box.h - row.y)}});
            }
        }
    }
    return out;
}

// The steps whose screen leaves no place for the panel clear of every picture and filled row:
// there it stands where it covers the least of them. The travel screen while its map, planet
// picture and trade box speak (6 to 11); the planet screen, its picture, the name box and the
// column of services filling it (13 to 26); the ship dealer: list, picture, the texts the step
// explains and the four logos (16); the mission screen: the offers, the details the steps
// explain and the buttons (23, 24); the combat screen: the radar, the range buttons, the action
// box, the missile boxes and the buttons, which leave only the ships' pictures (30 to 35).
bool Crowded(int step) {
    for (int s : {6, 7, 8, 9, 10, 11, 13, 15, 16, 17, 21, 23, 24, 26, 30, 31, 32, 33, 34, 35})
        if (s == step) return true;
    return false;
}

}  // namespace

namespace {

// The hand on `target`: its glove whole on its screen, the fingertip inside what it points at,
// the rest of the glove on no other control, nor on a caption, the panel, a picture or a row.
void ExpectHandAt(const ui::Form& f, int step, const ui::Component& target, const ui::Rect& pointed,
                  const std::vector<InSight>& keep, const std::vector<InSight>& seen) {
    const ui::Component& hand = *f.Find("TutorialHand");
    const ui::Rect box = GloveBox(hand), screen{0, 0, f.width, f.height};
    EXPECT_TRUE(box.w > 0 && screen.Holds(box))
        << "step " << step << ": the hand is cut by the edge of " << f.ClassName() << " ("
        << f.width << " x " << f.height << "): its glove at " << box.x << ", " << box.y << ", "
        << box.w << " x " << box.h;
    const std::vector<Pixel> glove = GlovePixels(hand);
    const std::vector<Pixel> tip = Fingertip(hand, glove);
    EXPECT_TRUE(TipInside(tip, pointed))
        << "step " << step << ": the fingertip at " << (tip.empty() ? -1 : tip.front().x) << ", "
        << (tip.empty() ? -1 : tip.front().y) << " is not inside " << target.Name() << " ("
        << pointed.x << ", " << pointed.y << ", " << pointed.w << " x " << pointed.h << ")";
    auto onIt = [&glove](const ui::Rect& r) { return OnIt(glove, r); };
    if (const ui::Component* panel = f.Find("TutorialPanel"); panel && panel->Showing()) {
        EXPECT_FALSE(onIt(panel->ScreenRect())) << "step " << step << ": the hand on the panel";
    }
    for (const InSight& k : keep)
        if (!k.fromPanel && !k.target) {
            EXPECT_FALSE(onIt(k.rect)) << "step " << step << ": the hand covers " << k.what;
        }
    // No control under the glove but the one it points at and what holds it.
    for (const auto& c : f.Components()) {
        if (!InSightOn(f, *c) || !ForThePlayer(*c) || Inside(*c, target) || Inside(target, *c))
            continue;
        EXPECT_FALSE(onIt(c->ScreenRect()))
            << "step " << step << ": the hand pointing at " << target.Name()
            << " lies on the control " << c->Name();
    }
    // The target's own pictures and the one it stands on, as a map cell on the map, the hand
    // lies on as it points; the texts of list rows, the one it points at too, it leaves.
    const ui::Rect t = target.ScreenRect();
    for (const InSight& s : seen) {
        const bool ground = s.picture && (s.rect.Holds(t) || t.Holds(s.rect));
        if (!ground) {
            EXPECT_FALSE(onIt(s.rect)) << "step " << step << ": the hand covers " << s.what;
        }
    }
}

}  // namespace

// A step's panel where the table puts it, inside its screen; its headline whole on one line;
// the hand's fingertip inside what the step asks for, with the table's picture. Neither the panel
// nor the hand covers a caption of the screen, what the step names, a picture or a filled list
// row; the panel leaves what the step explains in sight too, the hand every other control.
void ExpectStepPlaced(int step, const std::vector<std::string>& explained, bool withHand) {
    const TutorialStepRow& row = *TutorialRow(step);
    const ui::Form& f = *ui::App().FindForm(row.screen);
    const ui::Component* target = AskedFor(step);
    ASSERT_TRUE(target && target->Showing()) << step;
    const ui::Rect pointed = PointedAt(*target, row.targetRow);
    const std::vector<InSight> keep = MustStayInSight(f, step, target, pointed, explained);
    const std::vector<InSight> seen = PicturesAndRows(f);
    const ui::Component* panel = row.panel ? f.Find(row.panel) : nullptr;
    if (panel) {
        const ui::Rect p = panel->ScreenRect();
        EXPECT_TRUE(panel->visible) << step;
        EXPECT_EQ(panel->left, row.panelAt ? row.panelAt->left : panel->left) << step;
        EXPECT_EQ(panel->top, row.panelAt ? row.panelAt->top : panel->top) << step;
        EXPECT_TRUE(p.x >= 0 && p.y >= 0 && p.x + p.w <= f.width && p.y + p.h <= f.height) << step;
        // Every label of the panel shows its text whole.
        for (const auto& c : f.Components()) {
            if (c->kind() != ui::Kind::Label || !c->Showing() || !Inside(*c, *panel)) continue;
            const ui::Rect text = ui::CaptionRect(*c), box = c->ScreenRect();
            EXPECT_TRUE(box.Holds(text)) << "step " << step << ": " << c->Name() << " \""
                                         << c->caption << "\" is cut: " << text.w << " x " << text.h
                                         << " pixels in " << box.w << " x " << box.h;
        }
        for (const InSight& k : keep)
            EXPECT_FALSE(Overlap(p, k.rect)) << "step " << step << ": the panel covers " << k.what;
        std::vector<ui::Rect> hard, soft;
        for (const InSight& k : keep) hard.push_back(k.rect);
        for (const InSight& s : seen) soft.push_back(s.rect);
        const Cover covered = CoverOf(p, soft);
        const Room room = RoomFor(f, p.w, p.h, hard, soft);
        auto where = [&room] {
            return std::to_string(room.at.x) + ", " + std::to_string(room.at.y) + " (" +
                   std::to_string(room.least.items) + " pictures and rows, " +
                   std::to_string(room.least.pixels) + " pixels)";
        };
        if (!Crowded(step)) {
            for (const InSight& s : seen)
                EXPECT_FALSE(Overlap(p, s.rect))
                    << "step " << step << ": the panel covers " << s.what << "; "
                    << (room.least.items == 0 ? "free" : "least covering") << " at " << where();
        } else {
            EXPECT_GT(room.least.items, 0)
                << "step " << step << " has room for its panel at " << where();
            EXPECT_FALSE(room.least < covered)
                << "step " << step << ": its panel covers " << covered.items
                << " pictures and rows, " << covered.pixels << " pixels; it would cover less at "
                << where();
        }
    }
    if (row.hand && withHand) {
        EXPECT_EQ(dynamic_cast<const ui::Image*>(f.Find("TutorialHandPicture"))->picture, row.hand);
        ExpectHandAt(f, step, *target, pointed, keep, seen);
    }
    // Nothing of the tutorial stays on a screen the step is not on, not even a strip of a panel
    // around a smaller screen above it.
    for (const char* cls : kScreens) {
        if (cls == std::string(row.screen)) continue;
        const ui::Form& other = *ui::App().FindForm(cls);
        for (const char* part :
             {"TutorialPanel", "TutorialPanel2", "TutorialPanel3", "TutorialHand"})
            EXPECT_FALSE(other.Find(part) && other.Find(part)->visible)
                << "step " << step << ": " << cls << "." << part;
    }
}

void ExpectHandOn(int step, const ui::Component& target) {
    const ui::Form& f = target.Owner();
    const ui::Rect pointed = target.ScreenRect();
    ExpectHandAt(f, step, target, pointed, MustStayInSight(f, step, &target, pointed, {}),
                 PicturesAndRows(f));
}

// The step's screen drawn with its hand shown, alone and as the player sees it over the screens
// below. The hand shows as a hand: the corners of its square show what lies under it, and the
// glove covers part of the square, not all of it.
void ExpectDrawn(ui::Form& f, int step, bool withHand) {
    ui::Component& hand = *f.Find("TutorialHand");
    const bool was = hand.visible;
    ui::SoftwareCanvas drawn(f.width, f.height), under(f.width, f.height);
    hand.visible = withHand;
    drawn.DrawForm(f);
    char name[40];
    const std::string dir = std::string(CORVANTH_SCREENS_DIR) + "/tutorial/";
    std::filesystem::create_directories(dir);
    std::snprintf(name, sizeof name, "step%02d-%s.png", step, f.ClassName().c_str());
    EXPECT_TRUE(drawn.SavePng(dir + name));
    // A smaller screen shows the ones below around it.
    if (ui::App().ModalStack().size() > 1 &&
        f.width * f.height < ui::kCanvasWidth * ui::kCanvasHeight) {
        ui::SoftwareCanvas stack(ui::kCanvasWidth, ui::kCanvasHeight);
        stack.DrawStack();
        std::snprintf(name, sizeof name, "step%02d-stack.png", step);
        EXPECT_TRUE(stack.SavePng(dir + name));
    }
    hand.visible = false;
    under.DrawForm(f);
    hand.visible = was;
    if (!withHand) return;
    // The hand's square as far as it lies on the screen.
    const ui::Rect r = hand.ScreenRect();
    const int x0 = std::max(r.x, 0), y0 = std::max(r.y, 0);
    const ui::Rect h{x0, y0, std::min(r.x + r.w, f.width) - x0, std::min(r.y + r.h, f.height) - y0};
    for (const auto& [x, y] :
         {std::pair{h.x + 2, h.y + 2}, std::pair{h.x + h.w - 3, h.y + 2},
          std::pair{h.x + 2, h.y + h.h - 3}, std::pair{h.x + h.w - 3, h.y + h.h - 3}})
        EXPECT_EQ(drawn.PixelAt(x, y), under.PixelAt(x, y)) << "step " << step << " at " << x;
    int glove = 0;
    for (int y = h.y; y < h.y + h.h; ++y)
        for (int x = h.x; x < h.x + h.w; ++x) glove += drawn.PixelAt(x, y) != under.PixelAt(x, y);
    EXPECT_GT(glove, h.w * h.h / 8) << "step " << step;
    EXPECT_LT(glove, h.w * h.h * 3 / 4) << "step " << step;
}

}  // namespace corvanth::test
