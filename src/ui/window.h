// The real window: a desktop window with the game's caption and a close button, showing the
// 1024 x 768 canvas scaled to its size.
#pragma once

#include <string>
#include <vector>

namespace ui {

// Opens the window and makes it the screens' back end; false (with a reason) when no display.
bool UseWindow(std::string* error = nullptr);
void CloseWindow();
// Shows the lines in the built-in letters, which need no font file, until a key, a click or a
// close request; does nothing without the window.
void ShowPlainNotice(const std::vector<std::string>& lines);
// Whether the screens' font is there; without it no text is drawn.
bool FontAvailable();

}  // namespace ui
