// The layout loader and the painter: any JSON gives a screen that draws, with its problems listed.
#include <cstdint>
#include <cstdio>
#include <fstream>

#include "ui/form.h"
#include "ui/render.h"

#include "private_dir.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    EnterPrivateDirectory();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ui::SetLayoutDir(".");
    // Written anew each time: rewriting a file in place makes the file system flush it.
    std::remove("TFuzz.json");
    {
        std::ofstream out("TFuzz.json", std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    ui::Form form("TFuzz");
    static ui::SoftwareCanvas* canvas = new ui::SoftwareCanvas(1024, 768);
    canvas->DrawForm(form);
    return 0;
}
