// Letters drawn without any font file: the game's last way to say what is wrong with its files.
#pragma once

#include <SDL.h>

#include <string>
#include <vector>

#include "ui/color.h"

namespace ui {

inline constexpr int kPlainLetterWidth = 8;
inline constexpr int kPlainLetterHeight = 14;

// Draws the lines from (x, y) in built-in 8 x 14 pixel letters, each pixel `scale` wide; bytes
// outside printable ASCII show as '?'. Long lines run off the right edge.
void DrawPlainText(SDL_Renderer* renderer, const std::vector<std::string>& lines, int x, int y,
                   int scale, Color color);

// A black canvas with the lines in white from its top-left corner.
void DrawPlainNoticeOn(SDL_Renderer* renderer, const std::vector<std::string>& lines);

}  // namespace ui
