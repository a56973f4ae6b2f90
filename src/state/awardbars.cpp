// The fame and reputation bars, one reading for every screen that shows them.
#include "state/awardbars.h"

#include <algorithm>

#include "state/saturate.h"
#include "state/tables.h"

namespace corvanth {

namespace {

// A bar with no length left still shows full or empty: it is drawn one step long.
void Show(ui::ProgressBar& bar, const AwardBar& reading) {
    const int length = std::max(1, reading.maximum);
    bar.SetRange(0, length);
    bar.SetPosition(reading.full ? length : reading.position);
}

}  // namespace

AwardBar AwardBarFor(int64_t value, int64_t lastThreshold, int64_t nextThreshold) {
    AwardBar bar;
    bar.maximum = std::max(0, SaturateInt32(nextThreshold - lastThreshold));
    bar.full = value >= nextThreshold;
    bar.position =
        bar.full ? bar.maximum : std::clamp(SaturateInt32(value - lastThreshold), 0, bar.maximum);
    return bar;
}

void ShowAwardBars(ui::ProgressBar& fame, ui::ProgressBar& reputation) {
    const GameRecord& standing = CaptainFactionRecord();
    Show(fame, AwardBarFor(Captain()[Player::Fame], standing[Faction::PreviousFameThreshold],
                           standing[Faction::NextFameThreshold]));
    Show(reputation,
         AwardBarFor(standing[Faction::Reputation], standing[Faction::PreviousReputationThreshold],
                     standing[Faction::NextReputationThreshold]));
}

}  // namespace corvanth
