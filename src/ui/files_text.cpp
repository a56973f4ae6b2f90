// Text files: a player's own in UTF-8 or Windows-1252, the game's own in Windows-1252, read as
// lines of UTF-8.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/files.h"

namespace ui {

namespace {
// 0x80..0x9f differ from Latin-1; the five unassigned codes become '?'.
constexpr char16_t kCp1252High[32] = {
    0x20AC, '?',    0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, '?',    0x017D, '?',    '?',    0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, '?',    0x017E, 0x0178};
}  // namespace

std::string Cp1252ToUtf8(const std::string& text) {
    const auto& high = kCp1252High;
    std::string out;
    out.reserve(text.size());
    for (unsigned char c : text) {
        char32_t cp = c < 0x80 ? c : (c < 0xa0 ? high[c - 0x80] : c);
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xc0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3f));
        } else {
            out += static_cast<char>(0xe0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3f));
            out += static_cast<char>(0x80 | (cp & 0x3f));
        }
    }
    return out;
}

std::string Utf8ToCp1252(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        // Decode one character; a broken sequence is dropped byte by byte.
        int length = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        if (length == 0 || i + length > text.size()) {
            ++i;
            continue;
        }
        char32_t cp = length == 1 ? c : c & (0x7f >> length);
        bool valid = true;
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = valid && (next & 0xc0) == 0x80;
            cp = (cp << 6) | (next & 0x3f);
        }
        i += valid ? length : 1;
        if (!valid) continue;
        if (cp < 0x80 || (cp >= 0xa0 && cp <= 0xff)) {
            out += static_cast<char>(cp);
            continue;
        }
        // Characters the code page cannot hold are left out.
        for (int k = 0; k < 32; ++k) {
            if (kCp1252High[k] != '?' && kCp1252High[k] == cp) {
                out += static_cast<char>(0x80 + k);
                break;
            }
        }
    }
    return out;
}

namespace {

// One step through UTF-8 text at `at`: a whole character, or the bytes of one broken sequence
// (the longest start of a character they make, or a single byte that starts none). Overlong
// forms, surrogates and code points past U+10FFFF are broken as well.
struct Utf8Step {
    size_t length;
    bool whole;
    bool atEnd;  // broken only because the text ends
};
Utf8Step Utf8StepAt(std::string_view text, size_t at) {
    const auto c = static_cast<unsigned char>(text[at]);
    if (c < 0x80) return {1, true, false};
    // The second byte's range is narrower after some leads.
    unsigned char low = 0x80, high = 0xbf;
    size_t length = 0;
    if (c >= 0xc2 && c <= 0xdf) {
        length = 2;
    } else if (c >= 0xe0 && c <= 0xef) {
        length = 3;
        if (c == 0xe0) low = 0xa0;
        if (c == 0xed) high = 0x9f;
    } else if (c >= 0xf0 && c <= 0xf4) {
        length = 4;
        if (c == 0xf0) low = 0x90;
        if (c == 0xf4) high = 0x8f;
    }
    if (length == 0) return {1, false, false};
    for (size_t k = 1; k < length; ++k) {
        if (at + k == text.size()) return {k, false, true};
        const auto next = static_cast<unsigned char>(text[at + k]);
        if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xbf)) return {k, false, false};
    }
    return {length, true, false};
}

// The text of a file in UTF-8, without its byte-order mark, when it reads as UTF-8 that needs to
// be: more letters past 127 decode (the mark is one) than sequences break. Each broken sequence
// becomes one replacement mark, which the screens' fonts draw. A Windows-1252 text breaks at
// nearly every letter past 127 and decodes at almost none: nullopt, and it is read as the game's
// own texts are. `cut`: the file went on past what was read, perhaps in the middle of its last
// letter, which is left out then.
std::optional<std::string> AsUtf8(std::string_view text, bool cut) {
    constexpr std::string_view kMark = "\xef\xbb\xbf", kReplacement = "\xef\xbf\xbd";
    std::string out;
    out.reserve(text.size());
    size_t letters = 0, broken = 0;
    for (size_t i = 0; i < text.size();) {
        const Utf8Step step = Utf8StepAt(text, i);
        if (step.whole) {
            letters += step.length > 1;
            if (i > 0 || text.substr(0, kMark.size()) != kMark)
                out.append(text.substr(i, step.length));
        } else if (!(cut && step.atEnd)) {
            ++broken;
            out.append(kReplacement);
        }
        i += step.length;
    }
    if (letters <= broken) return std::nullopt;
    return out;
}

}  // namespace

std::vector<std::string> ReadTextLines(const std::string& name) {
    std::vector<std::string> lines;
    auto path = FindFile(name);
    if (!path) return lines;
    const auto bytes = ReadRegularFile(*path, kTextFileLimit);
    if (!bytes) return lines;
    const auto utf8 = AsUtf8(*bytes, bytes->size() == kTextFileLimit);
    const std::string_view text = utf8 ? std::string_view(*utf8) : std::string_view(*bytes);
    auto add = [&](std::string line) {
        lines.push_back(utf8 ? std::move(line) : Cp1252ToUtf8(line));
    };
    std::string line;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            line += c;
            continue;
        }
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        add(std::move(line));
        line.clear();
    }
    if (!line.empty()) add(std::move(line));
    return lines;
}

}  // namespace ui
