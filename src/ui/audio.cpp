// Sound output through SDL_mixer.
#include "ui/audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <map>
#include <memory>
#include <optional>

#include "ui/files.h"

namespace ui::audio {

namespace {

constexpr int kEffectChannel = 0;
constexpr size_t kLogLimit = 512;

// Sound files past this size are no sound of the game.
constexpr size_t kMaxSoundFile = 64 << 20;

struct Loaded {
    Mix_Chunk* chunk = nullptr;
    Mix_Music* music = nullptr;
    std::shared_ptr<const std::string> musicBytes;  // music plays from memory as it goes
    int channel = -1;
};

struct State {
    bool subsystem = false;  // SDL's audio is up, with or without a device
    bool open = false;
    std::map<std::string, Mix_Chunk*> waves;  // effect cache; a failed load is kept as null
    std::map<int, Loaded> players;
    int nextHandle = 1;
    int nextChannel = kEffectChannel + 1;
    int musicOwner = 0;  // the player whose music is on
    std::vector<std::string> log;
};

// Never destroyed: screens close their players while the program ends.
State& S() {
    static State* state = new State;
    return *state;
}

void Record(std::string entry) {
    auto& log = S().log;
    if (log.size() >= kLogLimit) log.erase(log.begin(), log.begin() + kLogLimit / 2);
    log.push_back(std::move(entry));
}

bool IsMusic(const std::string& file) {
    return file.size() >= 4 && SDL_strcasecmp(file.c_str() + file.size() - 4, ".mp3") == 0;
}

// A sound file's bytes, read as every game file is: a regular file only, never blocking.
std::shared_ptr<const std::string> SoundBytes(const std::string& file) {
    const auto path = FindFile(file);
    auto bytes = path ? ReadRegularFile(*path, kMaxSoundFile) : std::nullopt;
    return bytes ? std::make_shared<const std::string>(std::move(*bytes)) : nullptr;
}

// The mixer copies a wave out of its bytes as it loads it.
Mix_Chunk* LoadWave(const std::string& file) {
    const auto bytes = SoundBytes(file);
    if (!bytes) return nullptr;
    return Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes->data(), static_cast<int>(bytes->size())), 1);
}

}  // namespace

bool Init() {
    auto& s = S();
    if (s.open) return true;
    if (!s.subsystem) {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
        s.subsystem = true;
        Mix_Init(MIX_INIT_MP3);
    }
    // Without a device the subsystem stays up until shut-down: closing it here waits on its
    // device-watch thread, and the player would wait for the main menu.
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) return false;
    Mix_AllocateChannels(16);
    S().open = true;
    return true;
}

void Shutdown() {
    auto& s = S();
    if (!s.subsystem) return;
    s.subsystem = false;
    if (!s.open) {
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    for (auto& [name, chunk] : s.waves)
        if (chunk) Mix_FreeChunk(chunk);
    s.waves.clear();
    for (auto& [h, l] : s.players) {
        if (l.chunk) Mix_FreeChunk(l.chunk);
        if (l.music) Mix_FreeMusic(l.music);
        l = Loaded{};
    }
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    s.open = false;
}

bool DeviceOpen() {
    return S().open;
}

void PlayWave(const std::string& file) {
    Record("wave:" + file);
    auto& s = S();
    if (!s.open) return;
    auto it = s.waves.find(file);
    if (it == s.waves.end()) it = s.waves.emplace(file, LoadWave(file)).first;
    Mix_HaltChannel(kEffectChannel);
    if (it->second) Mix_PlayChannel(kEffectChannel, it->second, 0);
}

int Load(const std::string& file) {
    auto& s = S();
    int handle = s.nextHandle++;
    Loaded l;
    if (s.open && IsMusic(file)) {
        l.musicBytes = SoundBytes(file);
        if (l.musicBytes)
            l.music = Mix_LoadMUS_RW(
                SDL_RWFromConstMem(l.musicBytes->data(), static_cast<int>(l.musicBytes->size())),
                1);
    } else if (s.open) {
        l.chunk = LoadWave(file);
        if (l.chunk) l.channel = s.nextChannel < 15 ? s.nextChannel++ : 15;
    }
    s.players[handle] = l;
    return handle;
}

void Play(int handle, const std::string& file) {
    Record("play:" + file);
    auto& s = S();
    auto it = s.players.find(handle);
    if (!s.open || it == s.players.end()) return;
    if (it->second.music) {
        Mix_PlayMusic(it->second.music, 0);
        s.musicOwner = handle;
    }
    if (it->second.chunk) Mix_PlayChannel(it->second.channel, it->second.chunk, 0);
}

void Stop(int handle) {
    auto& s = S();
    auto it = s.players.find(handle);
    if (!s.open || it == s.players.end()) return;
    if (it->second.chunk) Mix_HaltChannel(it->second.channel);
    if (it->second.music && s.musicOwner == handle && Mix_PlayingMusic()) Mix_HaltMusic();
}

void Rewind(int handle) {
    auto& s = S();
    auto it = s.players.find(handle);
    if (!s.open || it == s.players.end()) return;
    if (it->second.music) Mix_RewindMusic();
}

void Unload(int handle) {
    auto& s = S();
    auto it = s.players.find(handle);
    if (it == s.players.end()) return;
    if (s.open) {
        Stop(handle);
        if (it->second.chunk) Mix_FreeChunk(it->second.chunk);
        if (it->second.music) Mix_FreeMusic(it->second.music);
    }
    s.players.erase(it);
}

const std::vector<std::string>& Log() {
    return S().log;
}
void ClearLog() {
    S().log.clear();
}

}  // namespace ui::audio
