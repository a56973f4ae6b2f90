// Routines of the subsystems above the game state that its rules and the turn engine call upward.
#pragma once

#include <functional>

namespace corvanth {

// A gain of fame or reputation checks for a promotion, a death ends the game: the rules that do
// so live below the subsystems that own those routines, so they reach them through this table.
// The start-up (CreateScreens) fills it; an entry left empty does nothing.
struct Upcalls {
    std::function<void()> CheckPromotion;  // career/Promotion
    std::function<void()> RetireAndScore;  // shell/retire
    std::function<void()> ShowOldAgeInfo;  // shell/Info_Retiring
    std::function<void()> KillCaptain;     // shell/Dead: the death screen, then maybe the end
};
Upcalls& GameUpcalls();

inline void CallCheckPromotion() {
    if (GameUpcalls().CheckPromotion) GameUpcalls().CheckPromotion();
}
inline void CallRetireAndScore() {
    if (GameUpcalls().RetireAndScore) GameUpcalls().RetireAndScore();
}
inline void CallShowOldAgeInfo() {
    if (GameUpcalls().ShowOldAgeInfo) GameUpcalls().ShowOldAgeInfo();
}
inline void CallKillCaptain() {
    if (GameUpcalls().KillCaptain) GameUpcalls().KillCaptain();
}

}  // namespace corvanth
