// The number and text records of the game's data files.
#include "state/datafiles.h"

#include <algorithm>

#include "ui/files.h"

namespace corvanth {

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
    const size_t at = out.size();
    out.append(kTextRecordSize, '\0');
    PutTextRecord(out.data() + at, utf8);
}

void PutTextRecord(char* record, std::string_view utf8) {
    const std::string text = ui::Utf8ToCp1252(std::string(utf8));
    const size_t length = std::min(text.size(), kTextRecordSize - 1);
    record[0] = static_cast<char>(length);
    std::copy_n(text.data(), length, record + 1);
}

std::string StoredText(std::string_view utf8) {
    char record[kTextRecordSize] = {};
    PutTextRecord(record, utf8);
    return ReadTextRecord(std::string_view(record, kTextRecordSize), 0);
}

std::string ReadTextRecord(std::string_view bytes, size_t offset) {
    const size_t length = static_cast<unsigned char>(bytes[offset]);
    return ui::Cp1252ToUtf8(std::string(bytes.substr(offset + 1, length)));
}

}  // namespace corvanth
