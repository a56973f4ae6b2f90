// "GameSettings.sav": any bytes give three values with flags of 0 or 1, or none.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "shell/options.h"

#include "private_dir.h"

using namespace corvanth;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    EnterPrivateDirectory();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Written anew each time: rewriting a file in place makes the file system flush it.
    std::remove(kSettingsFile);
    {
        std::ofstream out(kSettingsFile, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    const auto settings = ReadGameSettings();
    if (settings.has_value() != (size >= 12)) std::abort();
    if (settings && (settings->protectedMode > 1 || settings->protectedMode < 0 ||
                     settings->cleanExit > 1 || settings->cleanExit < 0))
        std::abort();
    return 0;
}
