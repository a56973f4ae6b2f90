// Drinking and bar talk: the drunk meter, the drinks, and what a drink brings up at the bar.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "ui/form.h"

namespace corvanth {

enum class Drink { Beer, Scotch, Wodka };

// Drunkenness level 0..6 of a meter value (0..9, 10..24, 25..49, 50..70, 71..84, 85..96, 97..).
int DrunkLevel(int64_t drunkenness);

// How much a drink adds at least, by the captain's tolerance. Above 100 the ordinary bar falls
// back to the middle row; the drinking game keeps the last.
int DrinkStep(int32_t tolerance, Drink drink, bool contest);

// The bartender serves (the drinking sound, his line), and the captain's meter rises by the
// drink's step and up to as much again, at most to 100.
void ServeDrink(Drink drink, bool contest);

// One meter's six signs: the sign of the level lit red, the others black.
struct DrunkSigns {
    std::array<ui::Shape*, 6> shapes{};
    std::array<ui::Label*, 6> labels{};
    void Light(int level) const;
};
// Binds DrunkSign1..6 and DrunkSignShape1..6 (or with a prefix, GDrunkSign..).
DrunkSigns BindDrunkSigns(ui::Form& form, const std::string& prefix);

// One line of talk or one event for the captain's drunkenness now.
void BarTalkEvent();

// The bar's events, each with its own draws.
void BarDataModuleEvent();
void BarPokerEvent(int winBelow);
void BarRobberyEvent();

class TForm67 : public ui::Form {
  public:
    TForm67();
    ui::Image* Image2;  // background
    ui::Label* Label1;
    ui::Label* Label2;
    ui::Label* Label3;
    ui::Label* Label11;
    ui::ProgressBar* ProgressBar1;
    DrunkSigns signs;
    ui::SpeedButton* SpeedButton4;  // beer
    ui::SpeedButton* SpeedButton1;  // scotch
    ui::SpeedButton* SpeedButton6;  // wodka
    ui::SpeedButton* SpeedButton3;  // "Back && wait a turn to get sober"

    void SpeedButton4Click() { Order(Drink::Beer); }
    void SpeedButton1Click() { Order(Drink::Scotch); }
    void SpeedButton6Click() { Order(Drink::Wodka); }
    void SpeedButton3Click();

  private:
    void Order(Drink drink);
};

extern ui::Screen<TForm67> Form67;

void UpdateDrunkMeter();

}  // namespace corvanth
