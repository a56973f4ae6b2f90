// Font lookup: fontconfig finds the file, SDL_ttf opens it once per size and style.
#include "ui/fonts.h"

#include "ui/window.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <map>
#include <string>
#include <tuple>

namespace ui {

namespace {

std::string FindFontFile(bool mono, bool bold, bool italic) {
    std::string file;
    if (!FcInit()) return file;
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY,
                       reinterpret_cast<const FcChar8*>(mono ? "DejaVu Sans Mono" : "DejaVu Sans"));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_OBLIQUE : FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result;
    if (FcPattern* match = FcFontMatch(nullptr, pattern, &result)) {
        FcChar8* path = nullptr;
        if (FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch && path)
            file = reinterpret_cast<const char*>(path);
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return file;
}

bool IsMono(const Font& font) {
    if (font.fixedPitch) return true;
    const std::string& n = font.name;
    return n.find("Courier") != std::string::npos || n.find("Mono") != std::string::npos ||
           n.find("Fixedsys") != std::string::npos || n.find("Terminal") != std::string::npos;
}

// A font has no picture for a tab: it goes on in spaces to the next stop of eight letters, as a
// plain text file means it.
std::string TabsAsSpaces(const std::string& line) {
    if (line.find('\t') == std::string::npos) return line;
    constexpr size_t kTabStop = 8;
    std::string out;
    size_t column = 0;
    for (char c : line) {
        if (c == '\t') {
            out.append(kTabStop - column % kTabStop, ' ');
            column += kTabStop - column % kTabStop;
            continue;
        }
        out += c;
        // A letter of UTF-8 is one column, however many bytes it takes.
        if ((static_cast<unsigned char>(c) & 0xc0) != 0x80) ++column;
    }
    return out;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> out;
    std::string cur;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') continue;
        if (text[i] == '\n') {
            out.push_back(TabsAsSpaces(cur));
            cur.clear();
        } else {
            cur += text[i];
        }
    }
    out.push_back(TabsAsSpaces(cur));
    return out;
}

// The lines of a text in a box as DrawText places them: aligned, and centred top to bottom if
// asked. The union of their boxes.
Rect TextRect(const std::string& text, const Font& font, const Rect& box, Align align, bool wrap,
              bool vcenter) {
    TTF_Font* f = OpenFont(font);
    if (!f || text.empty()) return {};
    const std::vector<std::string> lines = TextLines(f, text, box.w, wrap);
    const int lineHeight = TTF_FontLineSkip(f);
    const int height = lineHeight * static_cast<int>(lines.size());
    int width = 0;
    for (const auto& line : lines) {
        int w = 0, h = 0;
        TTF_SizeUTF8(f, line.c_str(), &w, &h);
        width = std::max(width, w);
    }
    if (width == 0) return {};
    int x = box.x;
    if (align == Align::Center) x += (box.w - width) / 2;
    if (align == Align::Right) x += box.w - width;
    return {x, vcenter ? box.y + (box.h - height) / 2 : box.y, width, height};
}

// How many bytes of a line's start fit `width` pixels: whole letters, at least one.
size_t FittingPrefix(TTF_Font* font, const std::string& line, int width) {
    // Letters start where a byte is no UTF-8 continuation; a line holds no more letters than its
    // width has pixels, so only that many are tried.
    std::vector<size_t> ends;
    for (size_t i = 1; i <= line.size() && ends.size() <= static_cast<size_t>(std::max(width, 0));
         ++i)
        if (i == line.size() || (static_cast<unsigned char>(line[i]) & 0xc0) != 0x80)
            ends.push_back(i);
    size_t lo = 0, hi = ends.size();  // ends[0 .. lo) fit
    while (lo < hi) {
        const size_t mid = (lo + hi) / 2;
        int w = 0, h = 0;
        TTF_SizeUTF8(font, line.substr(0, ends[mid]).c_str(), &w, &h);
        if (w <= width) {
            lo = mid + 1;
        } else {
            hi = mid;
        }
    }
    return ends.empty() ? line.size() : ends[lo == 0 ? 0 : lo - 1];
}

}  // namespace

TTF_Font* OpenFont(const Font& font) {
    static auto* files = new std::map<std::tuple<bool, bool, bool>, std::string>;
    static auto* open = new std::map<std::tuple<std::string, int>, TTF_Font*>;
    if (!TTF_WasInit() && TTF_Init() != 0) return nullptr;
    const bool mono = IsMono(font);
    auto key = std::make_tuple(mono, font.bold, font.italic);
    auto fit = files->find(key);
    if (fit == files->end())
        fit = files->emplace(key, FindFontFile(mono, font.bold, font.italic)).first;
    if (fit->second.empty()) return nullptr;
    // Layout sizes are points on a 96 dpi screen.
    const int pixels = std::max(6, (font.size * 96 + 36) / 72);
    auto okey = std::make_tuple(fit->second, pixels);
    auto oit = open->find(okey);
    if (oit == open->end())
        oit = open->emplace(okey, TTF_OpenFont(fit->second.c_str(), pixels)).first;
    return oit->second;
}

std::vector<std::string> WrapText(TTF_Font* font, const std::string& text, int width,
                                  bool breakWords) {
    const std::string para = TabsAsSpaces(text);
    std::vector<std::string> out;
    std::string line;
    auto wide = [&](const std::string& s) {
        int w = 0, h = 0;
        TTF_SizeUTF8(font, s.c_str(), &w, &h);
        return w > width;
    };
    size_t i = 0;
    while (i <= para.size()) {
        size_t sp = para.find(' ', i);
        // The currency sign stays on the line of its amount.
        if (sp != std::string::npos && para.compare(i, sp - i, "$C") == 0)
            sp = para.find(' ', sp + 1);
        std::string word = para.substr(i, sp == std::string::npos ? std::string::npos : sp - i);
        std::string trial = line.empty() ? word : line + " " + word;
        const bool over = wide(trial);
        if (over && !line.empty()) {
            out.push_back(line);
            line = word;
        } else {
            line = trial;
        }
        // Only a word alone on its line can be wider than it: it goes on at the next line.
        if (breakWords && over && wide(line)) {
            for (size_t n; (n = FittingPrefix(font, line, width)) < line.size();) {
                out.push_back(line.substr(0, n));
                line.erase(0, n);
            }
        }
        if (sp == std::string::npos) break;
        i = sp + 1;
    }
    out.push_back(line);
    return out;
}

std::vector<std::string> TextLines(TTF_Font* font, const std::string& text, int width, bool wrap) {
    std::vector<std::string> lines;
    for (const auto& para : SplitLines(text)) {
        if (wrap) {
            for (auto& l : WrapText(font, para, width)) lines.push_back(std::move(l));
        } else {
            lines.push_back(para);
        }
    }
    return lines;
}

std::vector<std::string> CaptionLines(const Label& label) {
    TTF_Font* f = OpenFont(label.font);
    if (!f) return {};
    return TextLines(f, label.caption, label.width, label.wordWrap);
}

int TextWidth(const std::string& text, const Font& font) {
    TTF_Font* f = OpenFont(font);
    int w = 0, h = 0;
    if (f) TTF_SizeUTF8(f, TabsAsSpaces(text).c_str(), &w, &h);
    return w;
}

Rect CaptionRect(const Component& c) {
    const Rect b = c.ScreenRect();
    switch (c.kind()) {
        case Kind::Label: {
            const auto& l = static_cast<const Label&>(c);
            return TextRect(c.caption, c.font, b, l.alignment, l.wordWrap, l.centerVertically);
        }
        case Kind::SpeedButton:
        case Kind::Button:
            return TextRect(static_cast<const SpeedButton&>(c).DisplayCaption(), c.font,
                            {b.x + 4, b.y, b.w - 8, b.h}, Align::Center, true, true);
        case Kind::Panel:
            return TextRect(c.caption, c.font, b, Align::Center, true, true);
        case Kind::GroupBox:
            return TextRect(c.caption, c.font, {b.x + 11, b.y, b.w - 11, b.h}, Align::Left, false,
                            false);
        case Kind::CheckBox:
        case Kind::RadioButton:
            return TextRect(c.caption, c.font, {b.x + 19, b.y, b.w - 19, b.h}, Align::Left, true,
                            true);
        default:
            return {};
    }
}

bool FontAvailable() {
    return OpenFont(Font{}) != nullptr;
}

}  // namespace ui
