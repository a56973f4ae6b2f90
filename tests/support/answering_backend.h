// A headless player for long runs: it answers every message dialog the moment it shows.
#pragma once

#include <map>
#include <memory>
#include <stdexcept>
#include <string>

#include "ui/application.h"
#include "ui/headless.h"

namespace corvanth::test {

// While the scripted player has steps it plays them; otherwise it closes whatever notice is on
// top with that dialog's own button, leaving every "do not show" box as it is, declines offers
// and questions, takes every second chance and reads the score through to the end. Any other screen
// is an error, as for the scripted player.
class AnsweringBackend : public ui::HeadlessBackend {
  public:
    void Pump(ui::Application& app) override {
        ui::Form* top = app.Top();
        if (Player().Pending() > 0 || !top) {
            HeadlessBackend::Pump(app);
            return;
        }
        static const std::map<std::string, std::string> kAnswer = {
            {"TMessage1", "SpeedButton3"},      {"TMessage2", "SpeedButton3"},
            {"TMessage3", "SpeedButton2"},      {"TMessage4", "SpeedButton1"},
            {"TMessage5", "SpeedButton2"},      {"TMessage6", "SpeedButton3"},
            {"Texp1_message1", "SpeedButton1"}, {"Texp1_Message2", "SpeedButton3"},
            {"TForm49", "SpeedButton1"},        {"TForm60", "SpeedButton7"},
            {"TForm43", "SpeedButton1"},        {"TForm57", "SpeedButton1"},
            {"TForm39", "SpeedButton1"},        {"TForm38", "SpeedButton11"},
        };
        auto it = kAnswer.find(top->ClassName());
        if (it == kAnswer.end()) {
            HeadlessBackend::Pump(app);
            return;
        }
        ++answered[top->ClassName()];
        ui::Component* button = top->Find(it->second);
        if (!button || !button->OnClick)
            throw ui::ScriptError(top->ClassName() + " cannot be answered");
        button->OnClick();
    }
    std::map<std::string, int> answered;  // notices closed, by screen class
};

// Puts the answering player in place of the scripted one until it goes out of scope; the
// scripted player that follows starts afresh, writing its screens where the old one did.
class UseAnsweringBackend {
  public:
    explicit UseAnsweringBackend(std::string screenDir = {}) : screenDir_(std::move(screenDir)) {
        auto backend = std::make_unique<AnsweringBackend>();
        backend_ = backend.get();
        ui::App().SetBackend(std::move(backend));
    }
    ~UseAnsweringBackend() {
        ui::App().SetBackend(std::make_unique<ui::HeadlessBackend>());
        ui::UseHeadless().SetScreenDir(screenDir_);
    }
    UseAnsweringBackend(const UseAnsweringBackend&) = delete;
    UseAnsweringBackend& operator=(const UseAnsweringBackend&) = delete;
    AnsweringBackend& backend() { return *backend_; }

  private:
    std::string screenDir_;
    AnsweringBackend* backend_;
};

}  // namespace corvanth::test
