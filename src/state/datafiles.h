// The record codecs of the game's data files (the files themselves go through ui/files.h).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace corvanth {

// A number in a file: 32-bit signed, little-endian.
void AppendInt32(std::string& out, int32_t value);
int32_t ReadInt32(std::string_view bytes, size_t offset);

// A text in a file: 256 bytes, a length byte and up to 255 characters in Windows-1252, the rest
// zero. The text is converted from the game's UTF-8; characters the code page lacks are left out.
inline constexpr size_t kTextRecordSize = 256;
void AppendTextRecord(std::string& out, std::string_view utf8);
// The same into the kTextRecordSize bytes at `record`, which are zero.
void PutTextRecord(char* record, std::string_view utf8);
// A text as a record gives it back: letters the code page lacks left out, cut to 255 letters.
std::string StoredText(std::string_view utf8);
// The text of the record at `offset`, as UTF-8; a length past the record's end is cut to it.
std::string ReadTextRecord(std::string_view bytes, size_t offset);

}  // namespace corvanth
