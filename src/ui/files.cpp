// Case-blind file lookup over a table of each folder's names, and reading a regular file whole.
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

namespace {

// What `path` names, each part in any letter case, whatever it is.
std::optional<fs::path> FindPath(const fs::path& path) {
    fs::path dir = path.is_absolute() ? path.root_path() : fs::path();
    for (const auto& part : path.relative_path()) {
        auto found = FindIn(dir, part.string());
        if (!found) return std::nullopt;
        dir = *found;
    }
    return dir;
}

}  // namespace

std::optional<std::string> FindFile(const std::string& name) {
    if (name.empty()) return std::nullopt;
    const auto found = FindPath(name);
    if (!found) return std::nullopt;
    std::error_code ec;
    if (fs::is_regular_file(*found, ec)) return found->string();
    // A pipe or a device could block the game, a folder is no file: said, and passed over.
    ReportFileProblem(found->string(), "is not a regular file; the game leaves it alone");
    return std::nullopt;
}

std::vector<std::string> FindFileSpellings(const std::string& name) {
    std::vector<std::string> found;
    const fs::path path(name);
    if (!path.has_filename()) return found;
    fs::path dir;
    if (path.has_parent_path()) {
        auto parent = FindPath(path.parent_path());
        if (!parent) return found;
        dir = std::move(*parent);
    }
    const std::string leaf = path.filename().string();
    struct stat st {};
    if (::lstat((dir / leaf).c_str(), &st) == 0) found.push_back((dir / leaf).string());
    const Names* names = NamesOf(dir.string(), false);
    if (!names) return found;
    const auto it = names->byLower.find(Lower(leaf));
    if (it == names->byLower.end()) return found;
    std::vector<std::string> others;
    for (const std::string& spelling : it->second)
        if (spelling != leaf) others.push_back(spelling);
    std::sort(others.begin(), others.end());
    for (const std::string& other : others) found.push_back((dir / other).string());
    return found;
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

}  // namespace ui
