// Font lookup: fontconfig finds the file, SDL_ttf opens it once per size and style.
#include "ui/fonts.h"

#include "ui/window.h"

#include <fontconfig/fontconfig.h>

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

std::vector<std::string> WrapText(TTF_Font* font, const std::string& para, int width) {
    std::vector<std::string> out;
    std::string line;
    size_t i = 0;
    while (i <= para.size()) {
        size_t sp = para.find(' ', i);
        std::string word = para.substr(i, sp == std::string::npos ? std::string::npos : sp - i);
        std::string trial = line.empty() ? word : line + " " + word;
        int w = 0, h = 0;
        TTF_SizeUTF8(font, trial.c_str(), &w, &h);
        if (w > width && !line.empty()) {
            out.push_back(line);
            line = word;
        } else {
            line = trial;
        }
        if (sp == std::string::npos) break;
        i = sp + 1;
    }
    out.push_back(line);
    return out;
}

bool FontAvailable() {
    return OpenFont(Font{}) != nullptr;
}

}  // namespace ui
