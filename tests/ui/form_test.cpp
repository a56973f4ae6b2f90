// Every screen's layout: present, well formed, and holding every component its class binds.
#include "ui/form.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "ui/application.h"

namespace ui {
namespace {

TEST(Layouts, EveryScreenLoadsItsLayoutWithoutProblems) {
    ASSERT_FALSE(App().Forms().empty());
    for (Form* form : App().Forms()) {
        if (form->ClassName().rfind("TProbe", 0) == 0) continue;
        std::string problems;
        for (const auto& p : form->LayoutProblems()) problems += "\n  " + p;
        EXPECT_TRUE(form->LayoutProblems().empty()) << form->ClassName() << problems;
        EXPECT_EQ(form->caption, "Corvanth - Farreach");
        EXPECT_LE(form->width, kCanvasWidth);
        EXPECT_LE(form->height, kCanvasHeight);
    }
}

TEST(Layouts, EveryLayoutFileBelongsToAScreenAndNamesItsClass) {
    std::set<std::string> created;
    for (Form* form : App().Forms()) created.insert(form->ClassName());
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(CORVANTH_SOURCE_DIR) + "/forms")) {
        std::string cls = entry.path().stem().string();
        EXPECT_EQ(entry.path().extension(), ".json") << entry.path();
        EXPECT_TRUE(created.count(cls)) << cls << " has a layout but no screen is created for it";
    }
}

// A layout with the faults the test above guards against.
class Broken : public Form {
  public:
    Broken() : Form("TBroken") { Missing = Bind<Label>("Label9"); }
    Label* Missing;
};

TEST(Layouts, FaultsOfALayoutAreReportedAndNeverCrashTheGame) {
    namespace fs = std::filesystem;
    const std::string dir = LayoutDir();
    fs::path scratch = fs::current_path() / "broken-forms";
    fs::create_directories(scratch);
    {
        std::FILE* f = std::fopen((scratch / "TBroken.json").c_str(), "w");
        ASSERT_NE(f, nullptr);
        std::fputs(R"({"class": "TBroken", "width": 200, "height": 100, "components": [
            {"kind": "Panel", "name": "Panel1", "left": 0, "top": 0, "width": 100, "height": 50,
             "children": [{"kind": "Label", "name": "Label1", "left": 90, "top": 0, "width": 40, "height": 20}]},
            {"kind": "Label", "name": "Panel1", "left": 0, "top": 60, "width": 10, "height": 10},
            {"kind": "Label", "name": "Label2", "left": 0, "top": 0, "width": 10, "height": 10, "colour": "red"},
            {"kind": "Gizmo", "name": "Gizmo1"}]})",
                   f);
        std::fclose(f);
    }
    SetLayoutDir(scratch.string());
    Broken broken;
    SetLayoutDir(dir);
    const auto& problems = broken.LayoutProblems();
    auto has = [&](const std::string& text) {
        for (const auto& p : problems)
            if (p.find(text) != std::string::npos) return true;
        return false;
    };
    EXPECT_TRUE(has("Label1 lies outside its parent"));
    EXPECT_TRUE(has("Panel1: missing or duplicate name"));
    EXPECT_TRUE(has("unknown key \"colour\""));
    EXPECT_TRUE(has("unknown kind \"Gizmo\""));
    EXPECT_TRUE(has("binds Label9"));
    ASSERT_NE(broken.Missing, nullptr);
    EXPECT_FALSE(broken.Missing->visible);

    SetLayoutDir(scratch.string() + "/nowhere");
    Broken none;
    SetLayoutDir(dir);
    EXPECT_FALSE(none.LayoutProblems().empty());
    EXPECT_TRUE(none.Roots().empty());
}

}  // namespace
}  // namespace ui
