// The game's data files: whole-file reads, safe whole-file writes, and their record codecs.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace corvanth {

// Replaces `path` with `bytes` so that a crash or a full disk leaves either the old file or the
// new one, never a mix: a temporary file beside it, written, flushed to disk, then renamed over
// it. Every step is checked; on failure the old file is untouched, the temporary is removed and
// `error` (when given) says what failed.
bool WriteFileSafely(const std::string& path, std::string_view bytes, std::string* error = nullptr);

// The whole of a regular file, or as much as could be read; empty when there is none.
std::string ReadWholeFile(const std::string& path);

// A number in a file: 32-bit signed, little-endian.
void AppendInt32(std::string& out, int32_t value);
int32_t ReadInt32(std::string_view bytes, size_t offset);

// A text in a file: 256 bytes, a length byte and up to 255 characters in Windows-1252, the rest
// zero. The text is converted from the game's UTF-8; characters the code page lacks are left out.
inline constexpr size_t kTextRecordSize = 256;
void AppendTextRecord(std::string& out, std::string_view utf8);
// The text of the record at `offset`, as UTF-8; a length past the record's end is cut to it.
std::string ReadTextRecord(std::string_view bytes, size_t offset);

}  // namespace corvanth
