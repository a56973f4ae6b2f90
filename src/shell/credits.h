// The credits screen: who made the game, and a link to its handbook.
#pragma once

#include <functional>
#include <string>

#include "ui/form.h"

namespace corvanth {

class TForm31 : public ui::Form {
  public:
    TForm31();
    ui::Image* Image3;  // background
    ui::Label* Label6;  // "Visit us at:"
    ui::Label* Label15;
    ui::Label* Label7;
    ui::Label* Label3;
    ui::SpeedButton* SpeedButton7;  // "Back"

    void Label6Click();  // on Label6 and Label15
    void SpeedButton7Click();
    // No close box: "Back" is the way out.
    bool CloseQuery() override { return false; }
};

extern ui::Screen<TForm31> Form31;

// Shows the link lines.
void RefreshCreditsForm();

// The game's handbook, opened by the credits' link: "README.md" in the working directory.
inline constexpr const char* kHandbookFile = "README.md";
// Hands a file to the desktop's opener (xdg-open) without waiting for it. Replaceable, so a test
// sees what would be opened instead of starting a viewer.
extern std::function<void(const std::string& path)> OpenWithDesktop;

}  // namespace corvanth
