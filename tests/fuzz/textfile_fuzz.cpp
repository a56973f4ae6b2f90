// The text-file reader and the memo that shows it.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "ui/component.h"
#include "ui/files.h"
#include "ui/form.h"

#include "private_dir.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    EnterPrivateDirectory();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Written anew each time: rewriting a file in place makes the file system flush it.
    std::remove("fuzz.txt");
    {
        std::ofstream out("fuzz.txt", std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    const auto lines = ui::ReadTextLines("fuzz.txt");
    size_t total = 0;
    for (const auto& line : lines) {
        // Lines hold no line ends, and no more comes in than the reader's limit (each byte at
        // most three bytes of UTF-8).
        if (line.find_first_of("\r\n") != std::string::npos) std::abort();
        total += line.size();
    }
    if (total > 3 * ui::kTextFileLimit) std::abort();
    static ui::Form* form = new ui::Form("TFuzzText");
    static ui::Memo memo(*form, "Memo1");
    memo.LoadFromFile("fuzz.txt");
    memo.Wheel(3);
    return 0;
}
