// A slot saved and loaded, together and apart, beside the same 1.5 MB written and read raw with
// one call each.
#include <fcntl.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <string>

#include "../tests/support/running_game.h"
#include "shell/SaveLoad.h"

namespace corvanth {
namespace {

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

}  // namespace
}  // namespace corvanth
