// The real window: a desktop window with the game's caption and a close button, showing the
// 1024 x 768 canvas scaled to its size.
#pragma once

#include <string>

namespace ui {

// Opens the window and makes it the screens' back end; false (with a reason) when no display.
bool UseWindow(std::string* error = nullptr);
void CloseWindow();

}  // namespace ui
