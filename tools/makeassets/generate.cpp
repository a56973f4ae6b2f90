// Renders catalogue entries and writes those missing from an output folder.
#include "generate.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <mutex>
#include <set>
#include <system_error>
#include <thread>

#include "writers.h"

namespace corvanth::assets {

namespace {

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

// The mixer picks a music decoder by the file's ending, so ".mp3" files hold MPEG audio.
bool IsMusic(const std::string& name) {
    return name.size() > 4 && Lower(name.substr(name.size() - 4)) == ".mp3";
}

}  // namespace

Image RenderPicture(const Asset& asset) {
    Image img(asset.row->width, asset.row->height);
    const std::string group = asset.row->group;
    const bool onMap = asset.row->width == kMapPictureSize &&
                       asset.row->height == kMapPictureSize &&
                       (group == "planets" || group == "suns" || group == "sites");
    SetMapCellBackdrop(onMap);
    asset.row->paint(img, asset.params);
    SetMapCellBackdrop(false);
    if (asset.row->look == Look::Grey) Desaturate(img, 1.0f, 0.35f);
    return img;
}

std::vector<float> RenderSound(const Asset& asset) {
    return asset.row->synth(asset.params);
}

Outcome Generate(const std::string& dir, const std::vector<Asset>& assets, int threads) {
    namespace fs = std::filesystem;
    Outcome outcome;
    std::error_code ec;
    fs::create_directories(dir, ec);
    // The game finds files whatever their letter case, so "Container.JPG" counts as there.
    std::set<std::string> present;
    for (const auto& entry : fs::directory_iterator(dir, ec))
        present.insert(Lower(entry.path().filename().string()));

    std::vector<const Asset*> todo;
    for (const Asset& a : assets) {
        if (present.insert(Lower(a.params.name)).second)
            todo.push_back(&a);
        else
            ++outcome.kept;
    }

    std::atomic<size_t> next{0};
    std::atomic<int> written{0};
    std::mutex failedLock;
    auto work = [&] {
        for (size_t i = next++; i < todo.size(); i = next++) {
            const Asset& a = *todo[i];
            fs::path target = fs::path(dir) / a.params.name;
            fs::path part = target;
            part += ".part";
            bool ok = !a.IsSound()             ? WriteJpeg(part.string(), RenderPicture(a))
                      : IsMusic(a.params.name) ? WriteMp3(part.string(), RenderSound(a))
                                               : WriteWav(part.string(), RenderSound(a));
            std::error_code err;
            if (ok) fs::rename(part, target, err);
            if (!ok || err) {
                fs::remove(part, err);
                std::lock_guard lock(failedLock);
                outcome.failed.push_back(a.params.name);
            } else {
                ++written;
            }
        }
    };
    std::vector<std::thread> pool;
    for (int t = 1; t < std::max(1, threads); ++t) pool.emplace_back(work);
    work();
    for (auto& t : pool) t.join();
    outcome.written = written;
    std::sort(outcome.failed.begin(), outcome.failed.end());
    return outcome;
}

}  // namespace corvanth::assets
