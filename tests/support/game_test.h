// Fixture for tests that drive the game's screens through the scripted player.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "support/home.h"
#include "ui/headless.h"

namespace corvanth::test {

class GameTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    ui::ScriptedPlayer& player() { return ui::UseHeadless(); }
};

// A new game as the main menu and the new-captain screen leave it: the captain of that faction
// with $C 3.000 at the faction's start, turn 0, his own location selected.
void StartNewGame(int faction, const std::string& name);

// The travel screen shown with `button` on it clicked as the player does, before the steps
// scripted so far; `then` scripts more of what the click opens. The screen is closed again
// afterwards.
void ClickOnTravelScreen(const std::string& button, const std::function<void()>& then = {});

// Sounds the game asked for since the test began ("wave:alert.wav", "play:button.wav").
int CountSound(const std::string& entry);

}  // namespace corvanth::test
