// What every step of the tutorial walk checks on its screen: the panel and the hand leave in sight
// what the step names and explains, headlines whole, the hand drawn as a hand.
#include "tutorial_checks.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

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

// The hand lies beside the component, touching it.
bool Touches(const ui::Component& hand, const ui::Component& c) {
    const ui::Rect h = hand.ScreenRect();
    return Overlap({h.x - 1, h.y - 1, h.w + 2, h.h + 2}, c.ScreenRect());
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

struct InSight {
    std::string what;
    ui::Rect rect;
    bool fromPanel = false;  // what the step explains: the hand points into it
};

// What a step's panel and hand leave in sight: every caption the screen shows, the component
// the hand points at, each component whose text holds a phrase the step's text names, and what
// the step explains.
std::vector<InSight> MustStayInSight(const ui::Form& f, int step,
                                     const std::vector<std::string>& explained) {
    const TutorialStepRow& row = *TutorialRow(step);
    std::vector<InSight> out;
    for (const auto& c : f.Components()) {
        if (!c->Showing() || TutorialPart(*c)) continue;
        const ui::Rect caption = ui::CaptionRect(*c);
        if (caption.w > 0) out.push_back({c->Name() + " \"" + c->ShownText() + "\"", caption});
    }
    if (const ui::Component* target = TutorialTarget(step)) {
        ui::Rect r = target->ScreenRect();
        // In a list, the row to pick.
        if (const auto* list = dynamic_cast<const ui::ListBox*>(target); list && row.targetRow >= 0)
            r = {r.x, r.y + 2 + (row.targetRow - list->topIndex) * list->ItemHeight(), r.w,
                 list->ItemHeight()};
        if (!TutorialPart(*target)) out.push_back({"the target " + target->Name(), r});
    }
    for (const std::string& phrase : QuotedIn(row.textFile)) {
        const ui::Component* named = nullptr;
        for (const auto& c : f.Components())
            if (c->Showing() && c->ShownText().find(phrase) != std::string::npos) named = c.get();
        EXPECT_TRUE(named) << "step " << step << " names \"" << phrase << "\", not on "
                           << row.screen;
        // The panel's own "End tutorial" lies on it, in sight.
        if (named && !TutorialPart(*named))
            out.push_back({"\"" + phrase + "\" in " + named->Name(), named->ScreenRect()});
    }
    for (const std::string& name : explained) {
        const ui::Component* c = f.Find(name);
        EXPECT_TRUE(c && c->Showing()) << "step " << step << " explains " << name;
        if (c) out.push_back({"what the step explains, " + name, c->ScreenRect(), true});
    }
    return out;
}

}  // namespace

// A step's panel where the table puts it, inside its screen; its headline whole on one line;
// the hand beside what the step asks for, with the table's picture. Neither the panel nor the
// hand covers a caption of the screen, what the step names or what it explains.
void ExpectStepPlaced(int step, const std::vector<std::string>& explained) {
    const TutorialStepRow& row = *TutorialRow(step);
    const ui::Form& f = *ui::App().FindForm(row.screen);
    const ui::Component* target = TutorialTarget(step);
    ASSERT_TRUE(target && target->Showing()) << step;
    std::vector<std::pair<std::string, const ui::Component*>> cover;
    if (row.hand) {
        const ui::Component& hand = *f.Find("TutorialHand");
        EXPECT_TRUE(Touches(hand, *target)) << step;
        EXPECT_EQ(dynamic_cast<const ui::Image*>(f.Find("TutorialHandPicture"))->picture, row.hand);
        cover.emplace_back("the hand", &hand);
    }
    if (row.panel) {
        const ui::Component& panel = *f.Find(row.panel);
        const ui::Rect p = panel.ScreenRect();
        EXPECT_TRUE(panel.visible) << step;
        EXPECT_EQ(panel.left, row.panelAt ? row.panelAt->left : panel.left) << step;
        EXPECT_EQ(panel.top, row.panelAt ? row.panelAt->top : panel.top) << step;
        EXPECT_TRUE(p.x >= 0 && p.y >= 0 && p.x + p.w <= f.width && p.y + p.h <= f.height) << step;
        cover.emplace_back("the panel", &panel);
        // Every label of the panel shows its text whole.
        for (const auto& c : f.Components()) {
            if (c->kind() != ui::Kind::Label || !c->Showing()) continue;
            const ui::Component* p2 = c->Parent();
            while (p2 && p2 != &panel) p2 = p2->Parent();
            if (!p2) continue;
            const ui::Rect text = ui::CaptionRect(*c), box = c->ScreenRect();
            EXPECT_TRUE(text.x >= box.x && text.y >= box.y && text.x + text.w <= box.x + box.w &&
                        text.y + text.h <= box.y + box.h)
                << "step " << step << ": " << c->Name() << " \"" << c->caption
                << "\" is cut: " << text.w << " x " << text.h << " pixels in " << box.w << " x "
                << box.h;
        }
    }
    std::vector<InSight> keep = MustStayInSight(f, step, explained);
    if (row.panel && row.hand) keep.push_back({"the panel", f.Find(row.panel)->ScreenRect()});
    for (const InSight& k : keep)
        for (const auto& [what, part] : cover)
            if (what != k.what && (what == "the panel" || !k.fromPanel)) {
                EXPECT_FALSE(Overlap(part->ScreenRect(), k.rect))
                    << "step " << step << ": " << what << " covers " << k.what;
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
    const ui::Rect h = hand.ScreenRect();
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
