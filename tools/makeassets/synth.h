// A small synthesiser: oscillators, envelopes, filters and a room, for the game's sounds.
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

#include "canvas.h"
#include "writers.h"

namespace corvanth::assets {

using Wave = std::vector<float>;

constexpr float kTwoPi = 6.2831853f;
inline float Seconds(size_t i) {
    return static_cast<float>(i) / kSampleRate;
}
inline size_t Samples(float seconds) {
    return static_cast<size_t>(seconds * kSampleRate);
}
inline float NoteHz(float semitonesFromA4) {
    return 440.0f * std::pow(2.0f, semitonesFromA4 / 12.0f);
}

// Attack then exponential decay, 1 at its peak.
inline float Pluck(float t, float attack, float decay) {
    if (t < 0) return 0;
    return t < attack ? t / attack : std::exp(-(t - attack) / decay);
}

// A square wave made of its odd harmonics below the Nyquist limit, so it does not alias.
inline float SquareBl(float phase, float hz) {
    float v = 0;
    for (int k = 1; k * hz < kSampleRate * 0.45f; k += 2) v += std::sin(kTwoPi * k * phase) / k;
    return v * 1.27f;
}

// Low-pass by one pole; `hz` may change per sample.
class OnePole {
  public:
    float operator()(float x, float hz) {
        float a = 1 - std::exp(-kTwoPi * hz / kSampleRate);
        y_ += a * (x - y_);
        return y_;
    }

  private:
    float y_ = 0;
};

// State-variable filter with low-, band- and high-pass outputs.
class Svf {
  public:
    void Run(float x, float hz, float q) {
        float f = 2 * std::sin(3.14159265f * std::fmin(hz, kSampleRate * 0.24f) / kSampleRate);
        low += f * band;
        high = x - low - band / q;
        band += f * high;
    }
    float low = 0, band = 0, high = 0;
};

// Brings the last `seconds` down to silence, so a sound never stops on a click.
void FadeOut(Wave& w, float seconds);
// Adds `add` into `into` at `offset` seconds, scaled.
void MixIn(Wave& into, const Wave& add, float offset, float gain = 1);
// A damped room of combs and all-passes; `wet` 0..1.
void Room(Wave& w, float wet, float size = 1);
// Scales the peak to `peak` and fades both ends over a few milliseconds against clicks.
void Finish(Wave& w, float peak);
// A bell-like tone: a few inharmonic partials decaying at their own rates.
Wave Bell(float hz, float seconds, float brightness = 1);
// A brassy note: detuned saws through a filter that opens with the attack.
Wave Brass(float hz, float seconds, float vibrato = 0.005f);
// White noise from a seeded generator.
Wave Noise(float seconds, uint64_t seed);

}  // namespace corvanth::assets
