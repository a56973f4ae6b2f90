// Case-blind file lookup over a table of each folder's names, and text-file reading.
#include "ui/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <unordered_map>

namespace fs = std::filesystem;

namespace ui {

namespace {

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

// The names of one folder. Its stream stays open: while it is, no other folder can be given the
// same device and inode, which is how the table knows its folder under any path.
struct Names {
    DIR* stream = nullptr;
    dev_t device = 0;
    ino_t inode = 0;
    timespec stamp{};  // the folder's modification time the names are true for
    uint64_t used = 0;
    // Every spelling of each name, in the order the folder gave them: the first is the one found.
    std::unordered_map<std::string, std::vector<std::string>> byLower;
};

// The run folder, the layouts' and a few more; the one used longest ago makes room.
constexpr size_t kFoldersKept = 4;

struct Folders {
    std::vector<std::unique_ptr<Names>> kept;
    uint64_t clock = 0;
    size_t reads = 0;
};

Folders& Kept() {
    static Folders& folders = *new Folders;
    return folders;
}

std::string FolderPath(const std::string& dir) {
    return dir.empty() ? std::string(".") : dir;
}

Names* KeptFor(dev_t device, ino_t inode) {
    for (auto& names : Kept().kept)
        if (names->device == device && names->inode == inode) return names.get();
    return nullptr;
}

bool SameTime(const timespec& a, const timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

void Read(Names& names, const timespec& stamp) {
    ++Kept().reads;
    names.stamp = stamp;
    names.byLower.clear();
    ::rewinddir(names.stream);
    while (const dirent* entry = ::readdir(names.stream)) {
        std::string name = entry->d_name;
        if (name != "." && name != "..") names.byLower[Lower(name)].push_back(std::move(name));
    }
}

Names* Keep(DIR* stream, const struct stat& st) {
    auto& kept = Kept().kept;
    if (kept.size() >= kFoldersKept) {
        auto oldest = std::min_element(kept.begin(), kept.end(), [](const auto& a, const auto& b) {
            return a->used < b->used;
        });
        ::closedir((*oldest)->stream);
        kept.erase(oldest);
    }
    kept.push_back(std::make_unique<Names>());
    Names& names = *kept.back();
    names.stream = stream;
    names.device = st.st_dev;
    names.inode = st.st_ino;
    Read(names, st.st_mtim);
    return &names;
}

// The table of folder `dir` as the folder is now: read again when its time shows a change made
// by someone else, or when `again`. The time is taken before the reading, so a change during it
// is seen at the next use.
Names* NamesOf(const std::string& dir, bool again) {
    const std::string path = FolderPath(dir);
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return nullptr;
    Names* names = KeptFor(st.st_dev, st.st_ino);
    if (!names) {
        DIR* stream = ::opendir(path.c_str());
        if (!stream) return nullptr;
        // What was opened is what counts, should the path have changed since.
        if (::fstat(::dirfd(stream), &st) != 0 || (names = KeptFor(st.st_dev, st.st_ino))) {
            ::closedir(stream);
            if (!names) return nullptr;
        } else {
            names = Keep(stream, st);
            again = false;
        }
    }
    if (again || !SameTime(names->stamp, st.st_mtim)) Read(*names, st.st_mtim);
    names->used = ++Kept().clock;
    return names;
}

std::optional<fs::path> FindIn(const fs::path& dir, const std::string& part) {
    const fs::path exact = dir / part;
    struct stat st {};
    if (::stat(exact.c_str(), &st) == 0) return exact;
    const std::string want = Lower(part);
    for (const bool again : {false, true}) {
        const Names* names = NamesOf(dir.string(), again);
        if (!names) return std::nullopt;
        const auto it = names->byLower.find(want);
        if (it == names->byLower.end()) return std::nullopt;
        // A name gone within the same tick of the folder's clock left its time as it was: the
        // folder is read again.
        const fs::path found = dir / it->second.front();
        if (::lstat(found.c_str(), &st) == 0) return found;
    }
    return std::nullopt;
}

}  // namespace

FolderChange::FolderChange(const std::string& path) : dir_(fs::path(path).parent_path()) {
    struct stat st {};
    if (::stat(FolderPath(dir_).c_str(), &st) != 0) return;
    const Names* names = KeptFor(st.st_dev, st.st_ino);
    upToDate_ = names && SameTime(names->stamp, st.st_mtim);
    device_ = st.st_dev;
    inode_ = st.st_ino;
}

void FolderChange::Made(const std::string& path) {
    if (upToDate_) names_.emplace_back(true, fs::path(path).filename().string());
}

void FolderChange::Gone(const std::string& path) {
    if (upToDate_) names_.emplace_back(false, fs::path(path).filename().string());
}

FolderChange::~FolderChange() {
    if (names_.empty()) return;
    const int error = errno;
    struct stat st {};
    Names* names =
        ::stat(FolderPath(dir_).c_str(), &st) == 0 ? KeptFor(st.st_dev, st.st_ino) : nullptr;
    if (names && st.st_dev == device_ && st.st_ino == inode_) {
        for (const auto& [made, name] : names_) {
            auto& spellings = names->byLower[Lower(name)];
            const auto at = std::find(spellings.begin(), spellings.end(), name);
            if (made && at == spellings.end()) spellings.push_back(name);
            if (!made && at != spellings.end()) spellings.erase(at);
            if (spellings.empty()) names->byLower.erase(Lower(name));
        }
        names->stamp = st.st_mtim;
    }
    errno = error;
}

std::vector<std::string> NamesInFolder(const std::string& dir) {
    std::vector<std::string> all;
    if (const Names* names = NamesOf(dir, false))
        for (const auto& [lower, spellings] : names->byLower)
            all.insert(all.end(), spellings.begin(), spellings.end());
    return all;
}

size_t FolderReadsMade() {
    return Kept().reads;
}

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
