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
// Told each time another screen, or another showing of one, is on the window and waits for the
// player: its class and how many times it has been shown. Nobody is told unless a hook is set.
using ShowingReadyHook = void (*)(const std::string& screen, int showing);
void SetShowingReadyHook(ShowingReadyHook hook);
// Whether the screens' font is there; without it no text is drawn.
bool FontAvailable();

}  // namespace ui
