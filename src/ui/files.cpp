// Case-blind file lookup and text-file reading.
#include "ui/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace ui {

namespace {

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

std::optional<fs::path> FindIn(const fs::path& dir, const std::string& part) {
    std::error_code ec;
    fs::path exact = dir / part;
    if (fs::exists(exact, ec)) return exact;
    const std::string want = Lower(part);
    for (fs::directory_iterator it(dir.empty() ? fs::path(".") : dir, ec), end; !ec && it != end;
         it.increment(ec)) {
        if (Lower(it->path().filename().string()) == want) return dir / it->path().filename();
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> FindFile(const std::string& name) {
    if (name.empty()) return std::nullopt;
    fs::path path(name);
    fs::path dir = path.is_absolute() ? path.root_path() : fs::path();
    for (const auto& part : path.relative_path()) {
        auto found = FindIn(dir, part.string());
        if (!found) return std::nullopt;
        dir = *found;
    }
    std::error_code ec;
    if (fs::is_regular_file(dir, ec)) return dir.string();
    // A pipe or a device could block the game, a folder is no file: said, and passed over.
    ReportFileProblem(dir.string(), "is not a regular file; the game leaves it alone");
    return std::nullopt;
}

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

bool ReadRegularFileInto(const std::string& path, size_t limit, std::string& bytes) {
    // Non-blocking, so a FIFO of that name cannot hang the open, and never taking a terminal for
    // the game's own; anything but a regular file is refused just after.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    bool read = false;
    const bool stated = ::fstat(fd, &st) == 0;
    if (stated && !S_ISREG(st.st_mode))
        ReportFileProblem(path, "is not a regular file; the game leaves it alone");
    if (stated && S_ISREG(st.st_mode)) {
        bytes.resize(std::min<size_t>(limit, static_cast<size_t>(st.st_size)));
        size_t got = 0;
        bool failed = false;
        while (got < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) failed = true;
            if (n <= 0) break;
            got += static_cast<size_t>(n);
        }
        bytes.resize(got);
        read = !failed;
    }
    ::close(fd);
    return read;
}

std::optional<std::string> ReadRegularFile(const std::string& path, size_t limit) {
    std::string bytes;
    if (!ReadRegularFileInto(path, limit, bytes)) return std::nullopt;
    return bytes;
}

namespace {

// The length of the UTF-8 character at `at`, 0 where the bytes are none: overlong forms,
// surrogates and code points past U+10FFFF are refused as well.
size_t Utf8CharacterAt(std::string_view text, size_t at) {
    const auto c = static_cast<unsigned char>(text[at]);
    if (c < 0x80) return 1;
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
    if (length == 0 || at + length > text.size()) return 0;
    for (size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[at + k]);
        if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xbf)) return 0;
    }
    return length;
}

// The text of a file in UTF-8, without its byte-order mark, when it is valid UTF-8 that needs to
// be (a byte past 127); nullopt for any other, which is read as the game's own texts are.
// `cut`: the file went on past what was read, perhaps in the middle of its last character.
std::optional<std::string_view> AsUtf8(std::string_view text, bool cut) {
    constexpr std::string_view kMark = "\xef\xbb\xbf";
    if (cut) {
        size_t lead = text.size();
        while (lead > 0 && text.size() - lead < 3 && (text[lead - 1] & 0xc0) == 0x80) --lead;
        if (lead > 0 && (text[lead - 1] & 0xc0) == 0xc0) {
            const auto c = static_cast<unsigned char>(text[lead - 1]);
            const size_t length = c >= 0xf0 ? 4 : c >= 0xe0 ? 3 : 2;
            if (text.size() - (lead - 1) < length) text.remove_suffix(text.size() - (lead - 1));
        }
    }
    bool high = false;
    for (size_t i = 0; i < text.size();) {
        const size_t length = Utf8CharacterAt(text, i);
        if (length == 0) return std::nullopt;
        high = high || length > 1;
        i += length;
    }
    if (!high) return std::nullopt;
    if (text.substr(0, kMark.size()) == kMark) text.remove_prefix(kMark.size());
    return text;
}

}  // namespace

std::vector<std::string> ReadTextLines(const std::string& name) {
    std::vector<std::string> lines;
    auto path = FindFile(name);
    if (!path) return lines;
    const auto bytes = ReadRegularFile(*path, kTextFileLimit);
    if (!bytes) return lines;
    const auto utf8 = AsUtf8(*bytes, bytes->size() == kTextFileLimit);
    const std::string_view text = utf8 ? *utf8 : std::string_view(*bytes);
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
