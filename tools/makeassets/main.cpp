// corvanth_assets: paints every picture and synthesises every sound the game reads, into a folder.
//
//   corvanth_assets OUTDIR    writes each missing file; files already there are kept
//   corvanth_assets --list    prints the catalogue: group, file name, size
//
// Everything is drawn or synthesised here from fixed seeds, so every run makes the same files.
// Pictures are baseline JPEG; sounds are 16-bit mono PCM wave files at 22050 Hz. The two music
// tracks, "Intro.mp3" and "Background.mp3", are short ambient loops encoded as MP3 by LAME
// (mono, 22050 Hz, 64 kbit/s): the mixer chooses a music decoder by the file's ending.
#include <cstdio>
#include <cstring>
#include <thread>

#include "catalogue.h"
#include "generate.h"

int main(int argc, char** argv) {
    using namespace corvanth::assets;
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR | --list\n", argv[0]);
        return 2;
    }
    std::vector<Asset> assets = Catalogue();
    if (std::strcmp(argv[1], "--list") == 0) {
        for (const Asset& a : assets) {
            if (a.IsSound())
                std::printf("%-10s %s\n", a.row->group, a.params.name.c_str());
            else
                std::printf("%-10s %s %dx%d\n", a.row->group, a.params.name.c_str(), a.row->width,
                            a.row->height);
        }
        return 0;
    }
    int threads = static_cast<int>(std::thread::hardware_concurrency());
    Outcome out = Generate(argv[1], assets, threads > 0 ? threads : 4);
    std::printf("corvanth_assets: %d written, %d already there\n", out.written, out.kept);
    for (const auto& name : out.failed) std::fprintf(stderr, "could not write %s\n", name.c_str());
    return out.failed.empty() ? 0 : 1;
}
