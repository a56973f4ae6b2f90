// The file writers: one file or a set of files replaced whole, and the seam that fails their calls.
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>

#include "ui/files.h"

namespace fs = std::filesystem;

namespace ui {

namespace {

struct Seam {
    bool armed = false;
    FileFault fault;
    std::vector<std::string> calls;
    std::map<int, std::string> names;  // open descriptors, for the record of calls
};

Seam& S() {
    static Seam seam;
    return seam;
}

std::string BaseName(const std::string& path) {
    return fs::path(path).filename().string();
}

// Counts a call while armed: false when it is the one to fail (errno set); the process ends
// there when the fault says so.
bool Allowed(const char* call, const std::string& file) {
    Seam& s = S();
    if (!s.armed) return true;
    s.calls.push_back(std::string(call) + " " + file);
    const int n = static_cast<int>(s.calls.size());
    if (s.fault.at == 0 || n < s.fault.at || (n > s.fault.at && !s.fault.onward)) return true;
    if (s.fault.endProcess) ::_exit(kEndedByFileFault);
    errno = s.fault.error;
    return false;
}

std::string NameOf(int fd) {
    auto it = S().names.find(fd);
    return it == S().names.end() ? std::string("?") : it->second;
}

int Open(const std::string& path, int flags) {
    if (!Allowed("open", BaseName(path))) return -1;
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC, 0644);
    if (fd >= 0 && S().armed) S().names[fd] = BaseName(path);
    return fd;
}

bool WriteAll(int fd, std::string_view bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        if (!Allowed("write", NameOf(fd))) return false;
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

bool Fsync(int fd) {
    return Allowed("fsync", NameOf(fd)) && ::fsync(fd) == 0;
}

// The descriptor is gone either way, as after a real failed close.
bool Close(int fd) {
    const bool allowed = Allowed("close", NameOf(fd));
    const int error = errno;
    const bool closed = ::close(fd) == 0;
    S().names.erase(fd);
    if (!allowed) errno = error;
    return allowed && closed;
}

// The files the writers make, rename and remove lie beside the one they replace, and each is
// entered in the table of that folder's names as it happens.
int Create(const std::string& path) {
    FolderChange change(path);
    const int fd = Open(path, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW);
    if (fd >= 0) change.Made(path);
    return fd;
}

bool Rename(const std::string& from, const std::string& to) {
    FolderChange change(to);
    if (!Allowed("rename", BaseName(from)) || ::rename(from.c_str(), to.c_str()) != 0) return false;
    change.Gone(from);
    change.Made(to);
    return true;
}

bool Remove(const std::string& path) {
    FolderChange change(path);
    if (::unlink(path.c_str()) != 0) return false;
    change.Gone(path);
    return true;
}

std::string DirectoryOf(const std::string& path) {
    const fs::path parent = fs::path(path).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

// Flushes the directory's entries, so the renames and new names in it are on the disk.
bool SyncDirectory(const std::string& dir) {
    const int fd = Open(dir, O_RDONLY | O_DIRECTORY);
    if (fd < 0) return false;
    const bool synced = Fsync(fd);
    return Close(fd) && synced;
}

// Writes a new file whole and flushes it; false (and the file removed) when any step failed.
bool WriteNewFile(const std::string& path, std::string_view bytes) {
    const int fd = Create(path);
    if (fd < 0) return false;
    bool ok = WriteAll(fd, bytes) && Fsync(fd);
    ok = Close(fd) && ok;
    if (!ok) Remove(path);
    return ok;
}

// A file may be replaced when it is missing or regular (through a link too); a pipe, a device
// or a folder of that name is the player's own and stays.
bool MayReplace(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return errno == ENOENT;
    if (S_ISREG(st.st_mode)) return true;
    ReportFileProblem(path, "is not a regular file; the game leaves it alone");
    return false;
}

bool IsRegular(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool Missing(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) != 0 && errno == ENOENT;
}

std::string Staged(const std::string& path) {
    return path + ".new";
}

constexpr const char* kTemporaryTag = ".tmp-";
constexpr int kTemporaryLetters = 6;

// A fresh name beside `path`, unlike any a run before has left.
std::string TemporaryName(const std::string& path) {
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static uint64_t counter = 0;
    uint64_t mix =
        static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
        (static_cast<uint64_t>(::getpid()) << 32) ^ (++counter * 0x9e3779b97f4a7c15u);
    std::string name = path + kTemporaryTag;
    for (int i = 0; i < kTemporaryLetters; ++i, mix /= 62) name += kLetters[mix % 62];
    return name;
}

}  // namespace

namespace {
std::vector<std::string>& Problems() {
    static std::vector<std::string> problems;
    return problems;
}
}  // namespace

void ReportFileProblem(const std::string& path, const std::string& problem) {
    const std::string line = path + " " + problem;
    auto& problems = Problems();
    if (std::find(problems.begin(), problems.end(), line) != problems.end()) return;
    std::fprintf(stderr, "Corvanth: %s\n", line.c_str());
    problems.push_back(line);
}

const std::vector<std::string>& FileProblems() {
    return Problems();
}

void ClearFileProblems() {
    Problems().clear();
}

bool WriteFileSafely(const std::string& path, std::string_view bytes) {
    if (!MayReplace(path)) return false;
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 8 && fd < 0; ++attempt) {
        temp = TemporaryName(path);
        fd = Create(temp);
        if (fd < 0 && errno != EEXIST) return false;
    }
    if (fd < 0) return false;
    bool ok = WriteAll(fd, bytes) && Fsync(fd);
    ok = Close(fd) && ok;
    if (!ok || !Rename(temp, path)) {
        Remove(temp);
        return false;
    }
    // The rename is done: the file holds the new bytes, whatever the directory's flush says.
    SyncDirectory(DirectoryOf(path));
    return true;
}

bool FinishFilesTogether(const std::vector<std::string>& paths, const std::string& mark) {
    if (!IsRegular(mark)) {
        // Never committed: what was staged is no use. The first file goes last, so a kill
        // halfway never leaves a lone later file staged.
        for (auto it = paths.rbegin(); it != paths.rend(); ++it) Remove(Staged(*it));
        return Missing(mark);
    }
    for (const std::string& path : paths)
        if (IsRegular(Staged(path)) && !Rename(Staged(path), path)) return false;
    // The renames reach the disk before the mark goes, or a crash could undo half of them.
    if (!SyncDirectory(DirectoryOf(mark))) return false;
    Remove(mark);
    return true;
}

std::string PathToRead(const std::string& path, const std::string& mark) {
    return IsRegular(mark) && IsRegular(Staged(path)) ? Staged(path) : path;
}

bool WriteFilesTogether(const std::vector<FileBytes>& files, const std::string& mark) {
    std::vector<std::string> paths;
    for (const FileBytes& f : files) paths.push_back(f.path);
    for (const std::string& path : paths)
        if (!MayReplace(path)) return false;
    // A set an earlier run committed and could not finish is finished first; if it cannot be,
    // it is what the files hold and stays.
    if (!FinishFilesTogether(paths, mark)) return false;
    const std::string dir = DirectoryOf(mark);
    auto unstage = [&] {
        for (auto it = paths.rbegin(); it != paths.rend(); ++it) Remove(Staged(*it));
        return false;
    };
    for (const FileBytes& f : files)
        if (!WriteNewFile(Staged(f.path), f.bytes)) return unstage();
    if (!SyncDirectory(dir)) return unstage();

    // The commit: from the moment the mark exists the new set counts.
    const int fd = Create(mark);
    if (fd < 0) return Missing(mark) ? unstage() : true;
    const bool closed = Close(fd);
    if (!closed || !SyncDirectory(dir)) {
        // Unsure it is on the disk: taken back while that can be done, kept when it cannot.
        if (Remove(mark) || Missing(mark)) return unstage();
        return true;
    }
    // Committed: whatever fails from here, readers take the staged files and the next look at
    // the set finishes it.
    FinishFilesTogether(paths, mark);
    return true;
}

void RemoveLeftoverTemporaries(const std::string& dir, const std::vector<std::string>& names) {
    for (const std::string& file : NamesInFolder(dir)) {
        for (const std::string& name : names) {
            if (file.size() <= name.size() ||
                strncasecmp(file.c_str(), name.c_str(), name.size()) != 0)
                continue;
            std::string rest = file.substr(name.size());
            if (rest.rfind(".new", 0) == 0) rest.erase(0, 4);
            const std::string path = (fs::path(dir) / file).string();
            struct stat st {};
            if (rest.size() == 5 + kTemporaryLetters && rest.rfind(kTemporaryTag, 0) == 0 &&
                ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode))
                Remove(path);
        }
    }
}

void ArmFileFault(const FileFault& fault) {
    Seam& s = S();
    s.armed = true;
    s.fault = fault;
    s.calls.clear();
    s.names.clear();
}

void DisarmFileFault() {
    S().armed = false;
}

const std::vector<std::string>& FileCallsMade() {
    return S().calls;
}

}  // namespace ui
