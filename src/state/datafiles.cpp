// Whole-file reads and writes of the game's data files, and their number and text records.
#include "state/datafiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "ui/files.h"

namespace corvanth {

namespace {

bool Fail(std::string* error, const std::string& what) {
    if (error) *error = what + ": " + std::strerror(errno);
    return false;
}

}  // namespace

bool WriteFileSafely(const std::string& path, std::string_view bytes, std::string* error) {
    const std::filesystem::path target(path);
    // A hidden name beside the file; built by appending, which GCC 12's release build does not
    // mistake for an overlapping copy as it does a concatenation.
    std::string name(1, '.');
    name.append(target.filename().string()).append(".XXXXXX");
    std::string temp = (target.parent_path() / name).string();
    const int fd = mkstemp(temp.data());
    if (fd < 0) return Fail(error, "cannot create a file beside " + path);
    auto abandon = [&](const std::string& what) {
        const bool result = Fail(error, what);
        const int saved = errno;
        close(fd);
        unlink(temp.c_str());
        errno = saved;
        return result;
    };
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return abandon("cannot write " + path);
        done += static_cast<size_t>(n);
    }
    // Readable by the player like any file the game writes (mkstemp makes it private).
    if (fchmod(fd, 0644) != 0) return abandon("cannot set the rights of " + path);
    if (fsync(fd) != 0) return abandon("cannot flush " + path);
    if (close(fd) != 0) {
        const bool result = Fail(error, "cannot close " + path);
        unlink(temp.c_str());
        return result;
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        const bool result = Fail(error, "cannot replace " + path);
        unlink(temp.c_str());
        return result;
    }
    // The rename itself lasts only once the folder is on disk too.
    const std::string dir = target.parent_path().empty() ? "." : target.parent_path().string();
    const int dirFd = open(dir.c_str(), O_RDONLY | O_DIRECTORY);
    if (dirFd >= 0) {
        fsync(dirFd);
        close(dirFd);
    }
    return true;
}

std::string ReadWholeFile(const std::string& path) {
    std::string out;
    // Only regular files: a FIFO of that name would hang the game.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK);
    if (fd < 0) return out;
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        return out;
    }
    char buffer[8192];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        out.append(buffer, static_cast<size_t>(n));
    }
    close(fd);
    return out;
}

void AppendInt32(std::string& out, int32_t value) {
    const auto bits = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) out += static_cast<char>((bits >> (8 * i)) & 0xff);
}

int32_t ReadInt32(std::string_view bytes, size_t offset) {
    uint32_t bits = 0;
    for (int i = 0; i < 4; ++i)
        bits |= uint32_t{static_cast<unsigned char>(bytes[offset + i])} << (8 * i);
    return static_cast<int32_t>(bits);
}

void AppendTextRecord(std::string& out, std::string_view utf8) {
    std::string text = ui::Utf8ToCp1252(std::string(utf8));
    if (text.size() > kTextRecordSize - 1) text.resize(kTextRecordSize - 1);
    out += static_cast<char>(text.size());
    out += text;
    out.append(kTextRecordSize - 1 - text.size(), '\0');
}

std::string ReadTextRecord(std::string_view bytes, size_t offset) {
    const size_t length = static_cast<unsigned char>(bytes[offset]);
    return ui::Cp1252ToUtf8(std::string(bytes.substr(offset + 1, length)));
}

}  // namespace corvanth
