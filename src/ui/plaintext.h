// Letters drawn without any font file: the game's last way to say what is wrong with its files.
#pragma once

#include <string>
#include <vector>

#include "ui/color.h"

struct SDL_Renderer;

namespace ui {

inline constexpr int kPlainLetterWidth = 8;
inline constexpr int kPlainLetterHeight = 14;

// Draws the lines from (x, y) in built-in 8 x 14 pixel letters, each pixel `scale` wide; bytes
// outside printable ASCII show as '?'. Long lines run off the right edge.
void DrawPlainText(SDL_Renderer* renderer, const std::vector<std::string>& lines, int x, int y,
                   int scale, Color color);

// The lines fitted to `columns` letters and `rows` lines: a long line is broken after a space or
// a slash (or anywhere, if it has none) and goes on indented; when more lines remain than fit,
// the middle ones give way to a line saying how many, and the last line (what to do) stays.
std::vector<std::string> FitPlainLines(const std::vector<std::string>& lines, int columns,
                                       int rows);

// A black canvas with the lines in white from its top-left corner, fitted within its margins.
void DrawPlainNoticeOn(SDL_Renderer* renderer, const std::vector<std::string>& lines);

}  // namespace ui
