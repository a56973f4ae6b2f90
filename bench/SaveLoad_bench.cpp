// A slot saved and loaded, together and apart, beside the same 1.5 MB written and read raw with
// one call each, and beside the plainest safe replacement of two files; in the benchmark's own
// folder and in one as full as the game's.
#include <fcntl.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "../tests/support/running_game.h"
#include "shell/SaveLoad.h"

namespace corvanth {
namespace {

namespace fs = std::filesystem;

void BM_SaveGameAndLoadGame(benchmark::State& state) {
    test::MinimalRunningGame();
    for (auto _ : state) {
        if (!SaveGame(1) || !ReadSavedGame(1)) state.SkipWithError("the slot did not round-trip");
    }
    state.SetBytesProcessed(state.iterations() * 2 * (kSaveIntBytes + kSaveTextBytes));
}
BENCHMARK(BM_SaveGameAndLoadGame)->Unit(benchmark::kMillisecond);

// The two halves apart: the save with its flushes, the load with its check.
void BM_SaveGame(benchmark::State& state) {
    test::MinimalRunningGame();
    for (auto _ : state)
        if (!SaveGame(1)) state.SkipWithError("the slot was not written");
    state.SetBytesProcessed(state.iterations() * (kSaveIntBytes + kSaveTextBytes));
}
BENCHMARK(BM_SaveGame)->Unit(benchmark::kMillisecond);

void BM_LoadGame(benchmark::State& state) {
    test::MinimalRunningGame();
    if (!SaveGame(1)) state.SkipWithError("the slot was not written");
    for (auto _ : state)
        if (!ReadSavedGame(1)) state.SkipWithError("the slot was not read");
    state.SetBytesProcessed(state.iterations() * (kSaveIntBytes + kSaveTextBytes));
}
BENCHMARK(BM_LoadGame)->Unit(benchmark::kMillisecond);

// The floor: the same bytes in one write and one read; with `sync` flushed to the disk as a
// save is, so the two compare like for like.
void RawWriteRead(benchmark::State& state, bool sync) {
    const std::string bytes(kSaveIntBytes + kSaveTextBytes, 'x');
    std::string back(bytes.size(), '\0');
    for (auto _ : state) {
        const int out = ::open("raw.bin", O_WRONLY | O_CREAT | O_TRUNC, 0644);
        bool ok = ::write(out, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
        if (sync) ok = ::fsync(out) == 0 && ok;
        ok = ::close(out) == 0 && ok;
        const int in = ::open("raw.bin", O_RDONLY);
        ok = ::read(in, back.data(), back.size()) == static_cast<ssize_t>(back.size()) && ok;
        ok = ::close(in) == 0 && ok;
        if (!ok) state.SkipWithError("raw write or read failed");
    }
    ::unlink("raw.bin");
    state.SetBytesProcessed(state.iterations() * 2 * static_cast<int64_t>(bytes.size()));
}
void BM_RawWriteRead(benchmark::State& state) {
    RawWriteRead(state, false);
}
void BM_RawWriteReadSynced(benchmark::State& state) {
    RawWriteRead(state, true);
}
BENCHMARK(BM_RawWriteRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawWriteReadSynced)->Unit(benchmark::kMillisecond);

// The plainest replacement that a crash cannot tear: each of the slot's two files written
// aside, flushed, renamed over the old one and the folder flushed; then both read back.
bool ReplaceSafely(const char* name, const std::string& bytes) {
    const std::string aside = std::string(name) + ".tmp";
    const int out = ::open(aside.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    bool ok = ::write(out, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    ok = ::fsync(out) == 0 && ok;
    ok = ::close(out) == 0 && ok;
    ok = ok && ::rename(aside.c_str(), name) == 0;
    const int dir = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ok = ::fsync(dir) == 0 && ok;
    return ::close(dir) == 0 && ok;
}

bool ReadBack(const char* name, std::string& bytes) {
    const int in = ::open(name, O_RDONLY | O_CLOEXEC);
    const bool ok = ::read(in, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    return ::close(in) == 0 && ok;
}

void BM_RawReplaceReadSynced(benchmark::State& state) {
    const std::string ints(kSaveIntBytes, 'i'), texts(kSaveTextBytes, 't');
    std::string intsBack(ints.size(), '\0'), textsBack(texts.size(), '\0');
    for (auto _ : state) {
        const bool ok = ReplaceSafely("raw.str", texts) && ReplaceSafely("raw.int", ints) &&
                        ReadBack("raw.int", intsBack) && ReadBack("raw.str", textsBack);
        if (!ok) state.SkipWithError("raw replacement or read failed");
    }
    ::unlink("raw.int");
    ::unlink("raw.str");
    state.SetBytesProcessed(state.iterations() * 2 * (kSaveIntBytes + kSaveTextBytes));
}
BENCHMARK(BM_RawReplaceReadSynced)->Unit(benchmark::kMillisecond);

// A folder laid out as the game's run folder is, about 600 pictures, sounds and texts beside
// the saves, made and entered for one benchmark and left after it.
class AmongFiles {
  public:
    explicit AmongFiles(int files) : home_(fs::current_path()), folder_(home_ / "crowded") {
        fs::remove_all(folder_);
        fs::create_directory(folder_);
        for (int i = 0; i < files; ++i) {
            const char* kinds[] = {".jpg", ".wav", ".txt"};
            std::ofstream(folder_ / ("Picture_" + std::to_string(i) + kinds[i % 3])) << i;
        }
        fs::current_path(folder_);
    }
    ~AmongFiles() {
        fs::current_path(home_);
        std::error_code ec;
        fs::remove_all(folder_, ec);
    }

  private:
    fs::path home_, folder_;
};

constexpr int kRunFolderFiles = 600;

void BM_SaveGameAndLoadGameAmong600Files(benchmark::State& state) {
    AmongFiles folder(kRunFolderFiles);
    BM_SaveGameAndLoadGame(state);
}
BENCHMARK(BM_SaveGameAndLoadGameAmong600Files)->Unit(benchmark::kMillisecond);

void BM_RawReplaceReadSyncedAmong600Files(benchmark::State& state) {
    AmongFiles folder(kRunFolderFiles);
    BM_RawReplaceReadSynced(state);
}
BENCHMARK(BM_RawReplaceReadSyncedAmong600Files)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvanth
