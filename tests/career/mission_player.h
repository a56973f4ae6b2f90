// A player for mission tests: answers notices, keeps their texts, flies or fights on the mission
// encounter screen, reads the report and says yes as often as told.
#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "career/Missionreport.h"
#include "combat/EncounterScreen2.h"
#include "state/UMessage1.h"
#include "support/answering_backend.h"
#include "support/screen_pictures.h"
#include "ui/render.h"

namespace corvanth::test {

class MissionBackend : public AnsweringBackend {
  public:
    void Pump(ui::Application& app) override {
        ui::Form* top = app.Top();
        const std::string name = top ? top->ClassName() : "";
        if (Player().Pending() == 0 && top) {
            if (name == "TForm20") {
                Picture(*top);
                ++encounterClicks;
                ui::ClickMiddle(*top, *top->Find(encounterButton));
                return;
            }
            if (name == "TForm46") {
                Picture(*top);
                reports.push_back(Form46->Label1->caption);
                ui::ClickMiddle(*top, *Form46->SpeedButton1);
                return;
            }
            if (name == "TMessage3" && yes > 0) {
                --yes;
                ui::ClickMiddle(*top, *top->Find("SpeedButton1"));
                return;
            }
            if (name == "TMessage1") notices.push_back(Message1->Label1->caption);
        }
        AnsweringBackend::Pump(app);
    }
    // The first sight of each screen drawn for the record, by the test that writes its file.
    void Picture(const ui::Form& form) {
        if (DrawsPicture(form.ClassName()) && drawn.insert(form.ClassName()).second)
            ui::RenderFormToPng(
                form, std::string(CORVANTH_SCREENS_DIR) + "/" + form.ClassName() + ".png");
    }
    std::string encounterButton = "SpeedButton1";  // attack; "SpeedButton2" flies away
    int yes = 0;
    int encounterClicks = 0;
    std::vector<std::string> notices, reports;
    std::set<std::string> drawn;
};

class UseMissionBackend {
  public:
    UseMissionBackend() {
        auto backend = std::make_unique<MissionBackend>();
        backend_ = backend.get();
        ui::App().SetBackend(std::move(backend));
    }
    ~UseMissionBackend() {
        ui::App().SetBackend(std::make_unique<ui::HeadlessBackend>());
        ui::UseHeadless().SetScreenDir(CORVANTH_SCREENS_DIR);
    }
    UseMissionBackend(const UseMissionBackend&) = delete;
    UseMissionBackend& operator=(const UseMissionBackend&) = delete;
    MissionBackend& operator*() { return *backend_; }
    MissionBackend* operator->() { return backend_; }

  private:
    MissionBackend* backend_;
};

}  // namespace corvanth::test
