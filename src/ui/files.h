// Game files in the working directory: found regardless of letter case, texts read as Windows-1252.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

// The path of an existing file named `name` (any letter case) in the working directory, or
// nullopt. Names may carry a folder ("forms/TForm1.json"); each part is matched the same way.
std::optional<std::string> FindFile(const std::string& name);

// The lines of a text file, converted from Windows-1252 to UTF-8; CR LF, LF and a lone CR each
// end a line. A missing file gives no lines; only the first kTextFileLimit bytes are read, more
// than any screen can show.
inline constexpr size_t kTextFileLimit = 64 * 1024;
std::vector<std::string> ReadTextLines(const std::string& name);

std::string Cp1252ToUtf8(const std::string& text);
// The other way; characters Windows-1252 cannot hold are left out.
std::string Utf8ToCp1252(const std::string& text);

// The whole content of a regular file (never a FIFO or a device, which could block the game),
// read up to `limit` bytes; nullopt when it is missing or any read fails.
std::optional<std::string> ReadRegularFile(const std::string& path, size_t limit = SIZE_MAX);

// Writes `bytes` under a temporary name beside `path`, flushes it to the disk and renames it
// over `path`: a failure or a kill at any moment leaves the old file or the new one, whole.
// False when any step failed; the old file is then untouched. Without `syncDirectory` the rename
// reaches the disk with the directory's next flush (a caller renaming more files in a row).
bool WriteFileSafely(const std::string& path, std::string_view bytes, bool syncDirectory = true);
// Renames a file over another and flushes the directory, so the rename is on the disk before
// the next step. False when it failed.
bool ReplaceFile(const std::string& from, const std::string& to);

}  // namespace ui
