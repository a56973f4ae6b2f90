// The random player's hand: one action on the screen on top, through the same hit test a mouse
// uses, on the virtual clock.
#include "support/random_player.h"

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "ui/application.h"
#include "ui/headless.h"

namespace corvanth::test {

namespace {

// What a random player types: names, amounts, odd letters the files cannot hold.
std::string RandomText(std::mt19937& rng) {
    static const std::vector<std::string> kNames = {
        "Rin Vance", "\xc5\x81ukasz", "Zo\xc3\xab", "", "A", std::string(300, 'x')};
    switch (rng() % 4) {
        case 0:
            return kNames[rng() % kNames.size()];
        case 1:
            return std::to_string(static_cast<int64_t>(rng() % 2000001) - 1000000);
        case 2:
            return std::to_string(rng() % 10 == 0 ? 999999999ull : rng() % 100000);
        default: {
            std::string text;
            for (unsigned n = rng() % 12; n > 0; --n) text += static_cast<char>(' ' + rng() % 95);
            return text;
        }
    }
}

// Components the player can do something with, and where.
bool Actionable(const ui::Component& c) {
    if (!c.Usable() || c.Decorative() || c.width <= 0 || c.height <= 0) return false;
    switch (c.kind()) {
        case ui::Kind::Timer:
        case ui::Kind::MediaPlayer:
        case ui::Kind::ProgressBar:
            return false;
        default:
            return true;
    }
}

void ClickAt(ui::Application& app, int x, int y, int clicks) {
    ui::Form* top = app.Top();
    app.MouseMove(x, y);
    app.MouseDown(x, y, 1);
    if (app.Top() != top) return;
    app.MouseUp(x, y);
    if (clicks >= 2 && app.Top() == top) app.MouseDown(x, y, 2);
}

}  // namespace

void ActRandomly(ui::HeadlessBackend& clock, std::mt19937& rng) {
    ui::Application& app = ui::App();
    ui::Form& top = *app.Top();
    const auto due = app.NextTimerDue();
    std::vector<ui::Component*> usable;
    for (const auto& c : top.Components())
        if (Actionable(*c)) usable.push_back(c.get());
    const unsigned r = rng() % 100;
    if (due && (usable.empty() || r < 12)) {
        // Time passes to the next tick: travel, blinking hands, the arena's fights.
        clock.Advance(*due > clock.Now() ? *due - clock.Now() : 0);
        return;
    }
    if (usable.empty() || r < 15) {
        app.CloseRequest();
        return;
    }
    if (r < 18) {
        const int keys[] = {ui::keys::Escape, ui::keys::Enter, ui::keys::Backspace, 'a', '7'};
        app.KeyDown(keys[rng() % 5]);
        return;
    }
    ui::Component& c = *usable[rng() % usable.size()];
    const ui::Rect rect = c.ScreenRect();
    auto point = [&](const ui::Rect& area) {
        return std::pair<int, int>{
            top.OriginX() + area.x + static_cast<int>(rng() % std::max(1, area.w)),
            top.OriginY() + area.y + static_cast<int>(rng() % std::max(1, area.h))};
    };
    if (auto* combo = dynamic_cast<ui::ComboBox*>(&c); combo && combo->Dropped()) {
        const auto [x, y] = point(combo->DropRect());
        ClickAt(app, x, y, 1);
        return;
    }
    if (auto* edit = dynamic_cast<ui::Edit*>(&c); edit && !edit->readOnly && rng() % 2) {
        const auto [x, y] = point(rect);
        ClickAt(app, x, y, 1);
        if (app.Top() == &top && top.focused == edit) edit->PlayerSetText(RandomText(rng));
        return;
    }
    const auto [x, y] = point(rect);
    if (c.kind() == ui::Kind::Memo || (c.kind() == ui::Kind::ListBox && rng() % 4 == 0)) {
        app.MouseWheel(x, y, rng() % 2 ? 1 : -1);
        return;
    }
    ClickAt(app, x, y, c.OnDblClick && rng() % 2 ? 2 : 1);
}

}  // namespace corvanth::test
