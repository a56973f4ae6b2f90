// Fonts for the screens, found through fontconfig and opened with SDL_ttf.
#pragma once

#include <SDL_ttf.h>

#include <string>
#include <vector>

#include "ui/component.h"

namespace ui {

// The open font for a component font (DejaVu Sans, or DejaVu Sans Mono for fixed pitch);
// nullptr when no font can be found, in which case text is not drawn.
TTF_Font* OpenFont(const Font& font);

// Breaks a paragraph into lines that fit `width` pixels, at spaces where it can; with
// `breakWords` a word wider than the whole width is cut where the width ends, as a memo does.
// Here and below a tab becomes spaces up to the next stop of eight letters: no font draws a tab.
std::vector<std::string> WrapText(TTF_Font* font, const std::string& para, int width,
                                  bool breakWords = false);
// The lines a text is drawn in: its own line breaks, each paragraph wrapped to `width` if asked.
std::vector<std::string> TextLines(TTF_Font* font, const std::string& text, int width, bool wrap);

}  // namespace ui
