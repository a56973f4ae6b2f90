// Fame and reputation: gains and losses, their notices, and the outcast and criminal moments.
#include "state/reputation.h"

#include <algorithm>
#include <limits>
#include <string>

#include "state/ForgiveOffense.h"
#include "state/HelpCenter.h"
#include "state/Sound.h"
#include "state/UMessage6.h"
#include "state/pictures.h"
#include "state/saturate.h"
#include "state/tables.h"
#include "state/upcalls.h"
#include "state/variables.h"

namespace corvanth {
namespace {

// A threshold of the own faction's promotion bars; 0 when the captain's faction is damaged.
int32_t OwnThreshold(int field) {
    const int own = Captain()[Player::Faction];
    return PlayableFaction(own) ? G().Factions[own][field] : 0;
}

// The fame-and-reputation cheat raises every gain by half.
int64_t Tweaked(int64_t points) {
    return Captain()[Player::CheatFameBoost] == 1 ? points + points / 2 : points;
}

}  // namespace

void GainReputation(int faction, int64_t points) {
    if (!PlayableFaction(faction)) return;
    GameState& g = G();
    points = Tweaked(points);
    int32_t& rep = g.Factions[faction][Faction::Reputation];
    rep = AfterGain(rep, points);
    if (Captain()[Player::HideReputationGainNotices] != 1) {
        std::string text = "You gain reputation (" + std::to_string(points) + " pts.) " + "." +
                           " You have " + std::to_string(rep);
        if (faction == Captain()[Player::Faction]) {
            text += " pts. total of " +
                    std::to_string(OwnThreshold(Faction::NextReputationThreshold)) +
                    " pts. needed for next promotion.";
        } else {
            text += " pts. total.";
        }
        PlayReward1Sound();
        ShowSwitchableNotice(text, g.FactionSmallPictures[faction].str(),
                             Player::HideReputationGainNotices);
    }
    GameUpcalls().CheckPromotion();
}

void GainFame(int64_t points) {
    points = Tweaked(points);
    int32_t& fame = Captain()[Player::Fame];
    fame = AfterGain(fame, points);
    if (Captain()[Player::HideFameGainNotices] != 1) {
        PlayReward1Sound();
        ShowSwitchableNotice("You gain fame (" + std::to_string(points) + " pts.)." + " You have " +
                                 std::to_string(fame) + " pts. of " +
                                 std::to_string(OwnThreshold(Faction::NextFameThreshold)) +
                                 " pts. needed for next promotion.",
                             GetHeroPictureName(G().CurrentPlayer) + "_sm.jpg",
                             Player::HideFameGainNotices);
    }
    GameUpcalls().CheckPromotion();
}

void LoseReputation(int faction, int64_t points) {
    if (!PlayableFaction(faction)) return;
    GameState& g = G();
    int32_t& rep = g.Factions[faction][Faction::Reputation];
    const int32_t old = rep;
    rep = SaturateInt32(int64_t{old} - points);
    const int32_t r = rep;
    if (Captain()[Player::HideReputationLossNotices] != 1) {
        std::string text = "You lose reputation (" + std::to_string(points) + " pts.)" + "." +
                           " You have " + std::to_string(r);
        text += r > 0 ? " pts. left. If it drops below 0, you will be considered hostile."
                      : " pts. total.";
        PlayBadSound();
        ShowSwitchableNotice(text, g.FactionSmallPictures[faction].str(),
                             Player::HideReputationLossNotices);
    }
    // Good standing is a reputation of 0 or more, so a fall from exactly 0 makes an outcast too.
    if (old >= kOutcastBelow && r < kOutcastBelow && r > kCriminalAtMost) {
        ShowOutcastNotice(faction);
        if (faction == Captain()[Player::Faction]) {
            PrepareForgiveOffense();
            Form50->ShowModal();
        }
    }
    if (old > kCriminalAtMost && r <= kCriminalAtMost) ShowCriminalNotice(faction);
}

}  // namespace corvanth
