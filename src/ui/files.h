// Game files in the working directory: found regardless of letter case, texts read as Windows-1252.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace ui {

// The path of an existing file named `name` (any letter case) in the working directory, or
// nullopt. Names may carry a folder ("forms/TForm1.json"); each part is matched the same way.
std::optional<std::string> FindFile(const std::string& name);

// The lines of a text file, converted from Windows-1252 to UTF-8, CR LF or LF endings.
// A missing file gives no lines.
std::vector<std::string> ReadTextLines(const std::string& name);

std::string Cp1252ToUtf8(const std::string& text);
// The other way; characters Windows-1252 cannot hold are left out.
std::string Utf8ToCp1252(const std::string& text);

}  // namespace ui
