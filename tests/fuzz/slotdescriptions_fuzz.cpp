// "Savegamedata.str": any bytes read as five descriptions, and written back whole.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "shell/SaveLoad.h"
#include "state/variables.h"

#include "private_dir.h"

using namespace corvanth;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    EnterPrivateDirectory();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Written anew each time: rewriting a file in place makes the file system flush it.
    std::remove(kSlotDescriptionsFile);
    {
        std::ofstream out(kSlotDescriptionsFile, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    LoadSlotDescriptions();
    // What was read encodes to whole records, and reads back the same.
    const std::string bytes = EncodeSlotDescriptions(G());
    if (bytes.size() != kSaveSlots * kTextRecordBytes) std::abort();
    GameState& g = G();
    const auto kept = g.SlotDescriptions;
    DecodeSlotDescriptions(bytes, g);
    if (g.SlotDescriptions != kept) std::abort();
    return 0;
}
