// The two music tracks: slow synthesiser pads that loop without a seam.
#include <cmath>

#include "painters.h"
#include "synth.h"

namespace corvanth::assets {

namespace {

struct Chord {
    float notes[3];  // semitones from A4
    float bass;
};

// Detuned saws, faded in and out over `fade` so neighbouring chords cross.
void Pad(Wave& w, const Chord& c, float start, float length, float fade, float gain) {
    size_t from = Samples(start), count = Samples(length + fade);
    const float detune[3] = {1.0f, 1.0035f, 0.9965f};
    float ph[4][3] = {};
    for (size_t i = 0; i < count && from + i < w.size(); ++i) {
        float t = Seconds(i);
        float env = Smooth(0.0f, fade, t) * Smooth(length + fade, length, t);
        float v = 0;
        for (int n = 0; n < 4; ++n) {
            float hz = NoteHz(n < 3 ? c.notes[n] : c.bass);
            for (int k = 0; k < 3; ++k) {
                ph[n][k] += hz * detune[k] / kSampleRate;
                ph[n][k] -= std::floor(ph[n][k]);
                v += n < 3 ? (2 * ph[n][k] - 1) * 0.3f : std::sin(kTwoPi * ph[n][k]) * 0.5f;
            }
        }
        w[from + i] += v * env * gain;
    }
}

}  // namespace

// Style 0 the intro (A minor, with a slow bell line), 1 the background (D minor, darker).
std::vector<float> SynthMusic(const Params& p) {
    bool intro = p.style == 0;
    std::vector<Chord> chords = intro ? std::vector<Chord>{{{-12, -9, -5}, -24},
                                                           {{-16, -12, -9}, -28},
                                                           {{-9, -5, -2}, -21},
                                                           {{-14, -10, -7}, -26}}
                                      : std::vector<Chord>{{{-7, -4, 0}, -19},
                                                           {{-11, -7, -4}, -23},
                                                           {{-14, -11, -7}, -26},
                                                           {{-12, -8, -5}, -24}};
    float span = intro ? 8.5f : 10.0f, fade = 3.0f;
    float loop = span * chords.size();
    Wave w(Samples(loop + fade + 1), 0);
    for (size_t i = 0; i < chords.size(); ++i) Pad(w, chords[i], i * span, span, fade, 0.25f);
    // The filter breathes twice per loop, so its sweep meets itself at the seam.
    OnePole lp1, lp2;
    for (size_t i = 0; i < w.size(); ++i) {
        float t = Seconds(i);
        float cut = 700 + 500 * std::sin(kTwoPi * 2 * t / loop);
        w[i] = lp2(lp1(w[i], cut), cut * 1.5f);
    }
    Rng rng(p.seed);
    if (intro) {
        for (float t = 1.0f; t < loop; t += 0.75f) {
            if (rng.Unit() < 0.35f) continue;
            const Chord& c = chords[static_cast<size_t>(t / span) % chords.size()];
            MixIn(w, Bell(NoteHz(c.notes[rng.Below(3)] + 24), 1.6f, 0.5f), t, 0.05f);
        }
    } else {
        for (size_t i = 0; i < w.size(); ++i) {  // a slow pulse under it all
            float t = Seconds(i);
            w[i] += std::sin(kTwoPi * NoteHz(-31) * t) * 0.08f *
                    (0.6f + 0.4f * std::sin(kTwoPi * t * 8 / loop));
        }
    }
    Room(w, 0.5f, 1.6f);
    // Fold everything past the loop back onto its start.
    size_t n = Samples(loop);
    for (size_t i = n; i < w.size(); ++i) w[i % n] += w[i];
    w.resize(n);
    float top = 1e-6f;
    for (float s : w) top = std::fmax(top, std::fabs(s));
    for (float& s : w) s *= 0.6f / top;
    return w;
}

}  // namespace corvanth::assets
