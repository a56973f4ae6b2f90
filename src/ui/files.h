// Game files in the working directory: found regardless of letter case, texts read as UTF-8 or
// Windows-1252.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ui {

// The path of an existing file named `name` (any letter case) in the working directory, or
// nullopt. Names may carry a folder ("forms/TForm1.json"); each part is matched the same way.
// The exact name is tried first; any other is looked up in a table of the folder's names, read
// once and read again when the folder's modification time shows a change the game did not make
// (a file the player put there), or when a name it holds has gone.
std::optional<std::string> FindFile(const std::string& name);

// Every name in the folder of `name` that is `name` in some letter case, with its folder: the
// exact spelling first when it is there, then the others in byte order, so that the same folder
// gives the same order in every run. Not only regular files.
std::vector<std::string> FindFileSpellings(const std::string& name);

// The writers' own changes, entered in the table of the folder they are made in, so that a save
// costs no reading of the folder: made before the change, then told each name the change made
// or removed. When the table was up to date before the change it still is after it; when it was
// not, it is read again at its next use.
class FolderChange {
  public:
    explicit FolderChange(const std::string& path);  // a change in the folder of `path`
    ~FolderChange();
    FolderChange(const FolderChange&) = delete;
    FolderChange& operator=(const FolderChange&) = delete;
    void Made(const std::string& path);
    void Gone(const std::string& path);

  private:
    std::string dir_;
    uint64_t device_ = 0, inode_ = 0;
    bool upToDate_ = false;
    std::vector<std::pair<bool, std::string>> names_;  // made (true) or gone, in order
};

// Every name in folder `dir` ("" or "." the working directory), from its table.
std::vector<std::string> NamesInFolder(const std::string& dir);

// How many times a folder's names were read from the disk, for the tests.
size_t FolderReadsMade();

// The lines of a text file in UTF-8: a file with more letters past 127 that decode as UTF-8 (its
// byte-order mark one of them) than sequences that break is taken as UTF-8, without its mark and
// each broken sequence shown as one U+FFFD; any other is read as Windows-1252, as the game's own
// texts are written. CR LF, LF and a lone CR each end a line. A missing file gives no lines; only
// the first kTextFileLimit bytes are read, more than any screen can show.
inline constexpr size_t kTextFileLimit = 64 * 1024;
std::vector<std::string> ReadTextLines(const std::string& name);

std::string Cp1252ToUtf8(const std::string& text);
// The other way; characters Windows-1252 cannot hold are left out.
std::string Utf8ToCp1252(const std::string& text);

// The whole content of a regular file (never a FIFO or a device, which could block the game),
// read up to `limit` bytes; nullopt when it is missing or any read fails. A file of another kind
// is reported (ReportFileProblem) and left alone.
std::optional<std::string> ReadRegularFile(const std::string& path, size_t limit = SIZE_MAX);
// The same into `bytes`, whose room is used again: a reader of large files that keeps one buffer
// spares the new pages of each read. False (and `bytes` of no use) where the above gives nullopt.
bool ReadRegularFileInto(const std::string& path, size_t limit, std::string& bytes);

// What went wrong with a file the player can mend: said once per file and problem on stderr, and
// kept for a look by the tests.
void ReportFileProblem(const std::string& path, const std::string& problem);
const std::vector<std::string>& FileProblems();
void ClearFileProblems();

// Writes `bytes` under a temporary name beside `path`, flushes it to the disk and renames it
// over `path`: a failure or a kill at any moment leaves the old file or the new one, whole. True
// when `path` holds the new bytes afterwards, false when it holds what it held before (a path
// that is no regular file is never replaced).
bool WriteFileSafely(const std::string& path, std::string_view bytes);

// Files that belong together, replaced together or not at all: each new file is written whole
// beside its own (`path` + ".new"), then the commit mark is made, then the renames are done and
// the mark removed. The mark is the moment the new set counts: readers and the next start finish
// a set whose mark is still there and throw away staged files without one. True when the new
// set is what the files hold, false when the old set is kept.
struct FileBytes {
    std::string path;
    std::string_view bytes;
};
bool WriteFilesTogether(const std::vector<FileBytes>& files, const std::string& mark);
// Finishes a committed set (renames what its mark left staged, then removes the mark) or clears
// the staged files of one that never got its mark. False when a committed set stays unfinished;
// PathToRead still gives the new set then.
bool FinishFilesTogether(const std::vector<std::string>& paths, const std::string& mark);
// The file that holds a member of the set now: its staged copy while the mark stands.
std::string PathToRead(const std::string& path, const std::string& mark);

// Removes what a kill left of the writers' temporary files beside the named files in `dir`.
void RemoveLeftoverTemporaries(const std::string& dir, const std::vector<std::string>& names);

// A test's way to make one call of the writers fail. Every open, write, fsync, close and rename
// the writers make is counted from ArmFileFault on; the call numbered `at` fails with `error`
// instead of doing its work, or with `endProcess` the process ends just before it, as a kill
// would end it; with `onward` every call from `at` on fails, as on a disk gone read-only. `at` 0
// only counts.
struct FileFault {
    int at = 0;
    int error = 0;
    bool endProcess = false;
    bool onward = false;
};
inline constexpr int kEndedByFileFault = 86;  // the exit status of a process ended so
void ArmFileFault(const FileFault& fault);
void DisarmFileFault();
// The calls counted since ArmFileFault, each as "<call> <file>" ("fsync Highscores.int.new").
const std::vector<std::string>& FileCallsMade();

}  // namespace ui
