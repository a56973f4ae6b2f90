// Sound over the mixer: wave effects on one channel, media players for music, click and sonar.
#pragma once

#include <string>
#include <vector>

namespace ui::audio {

// Opens the sound device. Without one (or in a test) the game runs on silently.
bool Init();
void Shutdown();
bool DeviceOpen();

// A wave effect; a new one cuts off the effect still playing.
void PlayWave(const std::string& file);

// Media players: a file loaded once, played, stopped, rewound. A file that is missing or
// fails to load gives a handle that plays nothing.
int Load(const std::string& file);
void Play(int handle, const std::string& file);
void Stop(int handle);
void Rewind(int handle);
void Unload(int handle);

// What the game asked to play, newest last: "wave:<file>" and "play:<file>", kept whether or
// not a device is open so tests can hear the game.
const std::vector<std::string>& Log();
void ClearLog();

}  // namespace ui::audio
