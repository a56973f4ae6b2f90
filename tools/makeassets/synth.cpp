// A small synthesiser: oscillators, envelopes, filters and a room, for the game's sounds.
#include "synth.h"

#include <algorithm>

namespace corvanth::assets {

void FadeOut(Wave& w, float seconds) {
    size_t n = std::min(w.size(), Samples(seconds));
    for (size_t i = 0; i < n; ++i)
        w[w.size() - 1 - i] *= Smooth(0.0f, 1.0f, static_cast<float>(i) / n);
}

void MixIn(Wave& into, const Wave& add, float offset, float gain) {
    size_t start = Samples(offset);
    if (into.size() < start + add.size()) into.resize(start + add.size(), 0);
    for (size_t i = 0; i < add.size(); ++i) into[start + i] += add[i] * gain;
}

void Room(Wave& w, float wet, float size) {
    const int combs[] = {1557, 1617, 1491, 1422, 1277, 1356};
    const int passes[] = {556, 441, 341};
    size_t tail = Samples(1.2f * size);
    w.resize(w.size() + tail, 0);
    Wave out(w.size(), 0);
    for (int d : combs) {
        size_t len = static_cast<size_t>(d * 0.5f * size);
        std::vector<float> line(len, 0);
        float damp = 0;
        for (size_t i = 0, k = 0; i < w.size(); ++i, k = (k + 1) % len) {
            float y = line[k];
            damp = y * 0.6f + damp * 0.4f;
            line[k] = w[i] + damp * 0.82f;
            out[i] += y / 6;
        }
    }
    for (int d : passes) {
        size_t len = static_cast<size_t>(d * 0.5f * size);
        std::vector<float> line(len, 0);
        for (size_t i = 0, k = 0; i < out.size(); ++i, k = (k + 1) % len) {
            float b = line[k];
            float x = out[i];
            line[k] = x + b * 0.5f;
            out[i] = b - x * 0.5f;
        }
    }
    for (size_t i = 0; i < w.size(); ++i) w[i] = w[i] * (1 - wet * 0.5f) + out[i] * wet;
}

void Finish(Wave& w, float peak) {
    float top = 1e-6f;
    for (float s : w) top = std::max(top, std::fabs(s));
    // drop the silent end a room leaves
    size_t end = w.size();
    while (end > 1 && std::fabs(w[end - 1]) < top * 0.001f) --end;
    w.resize(end);
    size_t in = std::max<size_t>(1, Samples(0.0005f)),
           out = std::min(w.size() / 2, Samples(0.004f));
    for (size_t i = 0; i < w.size(); ++i) {
        float k = peak / top;
        if (i < in) k *= static_cast<float>(i) / in;
        if (i + out > w.size()) k *= static_cast<float>(w.size() - i) / out;
        w[i] *= k;
    }
}

Wave Bell(float hz, float seconds, float brightness) {
    const float ratios[] = {1.0f, 2.0f, 2.76f, 4.07f, 5.4f};
    const float gains[] = {1.0f, 0.5f, 0.35f, 0.2f, 0.12f};
    Wave w(Samples(seconds), 0);
    for (size_t i = 0; i < w.size(); ++i) {
        float t = Seconds(i), v = 0;
        for (int k = 0; k < 5; ++k)
            v += gains[k] * (k == 0 ? 1 : brightness) * std::sin(kTwoPi * hz * ratios[k] * t) *
                 Pluck(t, 0.003f, seconds * 0.45f / (1 + k));
        w[i] = v;
    }
    FadeOut(w, seconds * 0.2f);
    return w;
}

Wave Brass(float hz, float seconds, float vibrato) {
    Wave w(Samples(seconds), 0);
    OnePole lp;
    float ph[3] = {0, 0.3f, 0.6f};
    const float detune[3] = {1.0f, 1.004f, 0.996f};
    for (size_t i = 0; i < w.size(); ++i) {
        float t = Seconds(i);
        float vib = 1 + vibrato * std::sin(kTwoPi * 5.5f * t) * Smooth(0.1f, 0.4f, t);
        float v = 0;
        for (int k = 0; k < 3; ++k) {
            ph[k] += hz * detune[k] * vib / kSampleRate;
            ph[k] -= std::floor(ph[k]);
            v += 2 * ph[k] - 1;
        }
        float env = Smooth(0.0f, 0.04f, t) * (0.75f + 0.25f * std::exp(-t * 6)) *
                    Smooth(seconds, seconds - 0.08f, t);
        w[i] = lp(v / 3, hz * (1.5f + 5 * env)) * env;
    }
    return w;
}

Wave Noise(float seconds, uint64_t seed) {
    Rng rng(seed);
    Wave w(Samples(seconds));
    for (float& s : w) s = rng.Range(-1, 1);
    return w;
}

}  // namespace corvanth::assets
