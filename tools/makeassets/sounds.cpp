// Sound effects: interface ticks and pings, weapons, explosions, jingles, fanfares, life aboard.
#include <algorithm>
#include <cmath>

#include "painters.h"
#include "synth.h"

namespace corvanth::assets {

std::vector<float> SynthClick(const Params& p) {
    Wave w(Samples(0.035f));
    Rng rng(p.seed);
    OnePole lp;
    for (size_t i = 0; i < w.size(); ++i) {
        float t = Seconds(i);
        float tone = std::sin(kTwoPi * 2100 * t) * Pluck(t, 0.0005f, 0.004f);
        float tick = lp(rng.Range(-1, 1), 3500) * Pluck(t, 0.0002f, 0.002f);
        w[i] = tone * 0.7f + tick;
    }
    Finish(w, 0.45f);
    return w;
}

std::vector<float> SynthSonar(const Params&) {
    Wave ping(Samples(0.9f));
    for (size_t i = 0; i < ping.size(); ++i) {
        float t = Seconds(i);
        float hz = 1180 - 40 * t;
        ping[i] = (std::sin(kTwoPi * hz * t) + 0.2f * std::sin(kTwoPi * hz * 2 * t)) *
                  Pluck(t, 0.004f, 0.25f);
    }
    FadeOut(ping, 0.2f);
    Wave w;
    MixIn(w, ping, 0);
    MixIn(w, ping, 0.32f, 0.3f);
    MixIn(w, ping, 0.64f, 0.1f);
    Room(w, 0.35f, 1.3f);
    Finish(w, 0.7f);
    return w;
}

// Weapon beams by style: laser, phaser, tachyon, flechette, particles, quantum.
std::vector<float> SynthBeam(const Params& p) {
    Rng rng(p.seed);
    Wave w;
    switch (p.style) {
        case 0: {  // laser: a bright square dropping fast
            w.resize(Samples(0.32f));
            float ph = 0;
            OnePole lp;
            for (size_t i = 0; i < w.size(); ++i) {
                float t = Seconds(i);
                float hz = 1900 * std::exp(-t * 9) + 180;
                ph += hz / kSampleRate;
                ph -= std::floor(ph);
                w[i] = lp(SquareBl(ph, hz), 4000) * Pluck(t, 0.002f, 0.09f);
            }
            break;
        }
        case 1: {  // phaser: two close tones beating, wobbling
            w.resize(Samples(0.55f));
            for (size_t i = 0; i < w.size(); ++i) {
                float t = Seconds(i);
                float hz = 880 - 300 * t;
                float wob = 1 + 0.03f * std::sin(kTwoPi * 28 * t);
                w[i] = (std::sin(kTwoPi * hz * wob * t) +
                        std::sin(kTwoPi * (hz + 7) * t + 2 * std::sin(kTwoPi * 3 * hz * t))) *
                       0.5f * Pluck(t, 0.01f, 0.2f);
            }
            break;
        }
        case 2: {  // tachyon: a rising whine that snaps
            w.resize(Samples(0.6f));
            float ph = 0;
            for (size_t i = 0; i < w.size(); ++i) {
                float t = Seconds(i);
                ph += (250 + 2600 * t * t * 4) / kSampleRate;
                float snap = t > 0.36f ? rng.Range(-1, 1) * Pluck(t - 0.36f, 0.001f, 0.06f) : 0;
                w[i] = std::sin(kTwoPi * ph) * Smooth(0.0f, 0.05f, t) *
                           (t < 0.38f ? 0.7f : 0.7f * std::exp(-(t - 0.38f) * 20)) +
                       snap;
            }
            break;
        }
        case 3: {  // flechettes: a rattle of darts
            w.resize(Samples(0.45f));
            Svf f;
            for (size_t i = 0; i < w.size(); ++i) {
                float t = Seconds(i);
                float gate = Pluck(std::fmod(t, 0.045f), 0.0005f, 0.007f) * std::exp(-t * 3);
                f.Run(rng.Range(-1, 1), 2500 + 800 * std::sin(t * 40), 2);
                w[i] = f.band * gate;
            }
            break;
        }
        case 4: {  // particles: crackling grains over a hum
            w.resize(Samples(0.7f));
            for (size_t i = 0; i < w.size(); ++i) {
                float t = Seconds(i);
                w[i] = 0.3f * std::sin(kTwoPi * 110 * t) * Pluck(t, 0.02f, 0.3f);
            }
            for (int g = 0; g < 70; ++g) {
                float at = rng.Range(0, 0.55f), hz = rng.Range(1800, 5200);
                Wave grain(Samples(0.012f));
                for (size_t i = 0; i < grain.size(); ++i)
                    grain[i] =
                        std::sin(kTwoPi * hz * Seconds(i)) * Pluck(Seconds(i), 0.0005f, 0.003f);
                MixIn(w, grain, at, 0.5f * std::exp(-at * 2));
            }
            break;
        }
        default: {  // quantum: a deep drop under a shimmer
            w.resize(Samples(0.9f));
            float ph = 0;
            for (size_t i = 0; i < w.size(); ++i) {
                float t = Seconds(i);
                ph += (420 * std::exp(-t * 4) + 38) / kSampleRate;
                float shimmer =
                    std::sin(kTwoPi * 3100 * t) * (0.5f + 0.5f * std::sin(kTwoPi * 17 * t)) * 0.25f;
                w[i] = (std::sin(kTwoPi * ph) + shimmer) * Pluck(t, 0.01f, 0.35f);
            }
            FadeOut(w, 0.25f);
            Room(w, 0.3f);
            break;
        }
    }
    FadeOut(w, 0.05f);
    Finish(w, 0.8f);
    return w;
}

std::vector<float> SynthMissile(const Params& p) {
    Wave w = Noise(1.3f, p.seed);
    Svf f;
    for (size_t i = 0; i < w.size(); ++i) {
        float t = Seconds(i);
        f.Run(w[i], 300 + 1900 * std::pow(Smooth(0.0f, 1.0f, t), 0.7f), 1.5f);
        float env = Smooth(0.0f, 0.25f, t) * Smooth(1.3f, 0.7f, t);
        w[i] = (f.band * 1.5f + 0.25f * std::sin(kTwoPi * 70 * t)) * env;
    }
    Finish(w, 0.8f);
    return w;
}

std::vector<float> SynthExplosion(const Params& p) {
    bool big = p.Arg(0) == 2;
    float len = big ? 2.2f : 1.2f;
    Wave w = Noise(len, p.seed);
    Svf f;
    Rng rng(p.seed + 1);
    float ph = 0;
    for (size_t i = 0; i < w.size(); ++i) {
        float t = Seconds(i);
        f.Run(w[i], 180 + 3200 * std::exp(-t * (big ? 3 : 5)), 0.9f);
        ph += (70 * std::exp(-t * 3) + 28) / kSampleRate;
        float thump = std::sin(kTwoPi * ph) * Pluck(t, 0.003f, big ? 0.5f : 0.25f);
        float crackle = big && rng.Unit() < 0.002f ? rng.Range(-1, 1) * 3 : 0;
        w[i] = (f.low * 1.6f + crackle) * Pluck(t, 0.004f, big ? 0.7f : 0.35f) + thump;
    }
    Finish(w, 0.9f);
    return w;
}

std::vector<float> SynthMines(const Params&) {
    Wave w(Samples(0.7f), 0);
    const float partials[] = {523, 1307, 2011, 3170};
    for (size_t i = 0; i < w.size(); ++i) {
        float t = Seconds(i), v = 0;
        for (int k = 0; k < 4; ++k)
            v += std::sin(kTwoPi * partials[k] * t) * Pluck(t, 0.001f, 0.12f / (1 + k * 0.5f));
        w[i] = v * 0.4f;
    }
    for (float at : {0.3f, 0.45f}) {
        Wave beep(Samples(0.08f));
        for (size_t i = 0; i < beep.size(); ++i)
            beep[i] =
                std::sin(kTwoPi * 1500 * Seconds(i)) * 0.4f * Smooth(0.0f, 0.005f, Seconds(i));
        FadeOut(beep, 0.01f);
        MixIn(w, beep, at);
    }
    Finish(w, 0.75f);
    return w;
}

std::vector<float> SynthEcm(const Params& p) {
    Wave w(Samples(0.85f), 0);
    Rng rng(p.seed);
    OnePole lp;
    bool on = false;
    for (size_t i = 0; i < w.size(); ++i) {
        float t = Seconds(i);
        if (i % 200 == 0) on = rng.Unit() < 0.6f;  // bursts of static
        float buzz = std::fmod(t * 120, 1.0f) < 0.5f ? 0.3f : -0.3f;
        float stat = on ? lp(rng.Range(-1, 1), 6000) : 0;
        w[i] = (buzz * (0.5f + 0.5f * std::sin(kTwoPi * 9 * t)) + stat) * Smooth(0.0f, 0.03f, t) *
               Smooth(0.85f, 0.6f, t);
    }
    Finish(w, 0.7f);
    return w;
}

std::vector<float> SynthData(const Params& p) {
    Rng rng(p.seed);
    const float scale[] = {0, 3, 5, 7, 10, 12, 15, 17};
    Wave w;
    for (int n = 0; n < 11; ++n) {
        float hz = NoteHz(15 + scale[rng.Below(8)]);
        Wave chirp(Samples(0.03f));
        for (size_t i = 0; i < chirp.size(); ++i) {
            float t = Seconds(i);
            chirp[i] = SquareBl(std::fmod(hz * t, 1.0f), hz) * 0.4f * Pluck(t, 0.001f, 0.015f);
        }
        MixIn(w, chirp, n * 0.036f);
    }
    Finish(w, 0.5f);
    return w;
}

std::vector<float> SynthAlert(const Params&) {
    Wave w;
    for (int n = 0; n < 6; ++n) {
        float hz = n % 2 ? 660 : 880;
        Wave tone(Samples(0.15f));
        OnePole lp;
        for (size_t i = 0; i < tone.size(); ++i) {
            float t = Seconds(i);
            float sq = SquareBl(std::fmod(hz * t, 1.0f), hz);
            tone[i] = lp(sq, 2500) * Smooth(0.0f, 0.005f, t) * Smooth(0.15f, 0.135f, t);
        }
        MixIn(w, tone, n * 0.15f);
    }
    Finish(w, 0.45f);
    return w;
}

// Rising arpeggios for rewards (1..3 ever longer), a falling minor one for bad news.
std::vector<float> SynthJingle(const Params& p) {
    Wave w;
    if (p.style == 1) {
        const float notes[] = {-2, -6, -9, -14};
        for (int i = 0; i < 4; ++i) {
            Wave n = Brass(NoteHz(notes[i]), i == 3 ? 0.6f : 0.18f, 0.01f);
            MixIn(w, n, i * 0.16f, 0.5f);
        }
    } else {
        int level = std::clamp(p.Arg(0, 1), 1, 3);
        const float notes[] = {3, 7, 10, 15, 19, 22};
        int count = 2 + level;
        for (int i = 0; i < count; ++i)
            MixIn(w, Bell(NoteHz(notes[i]), 0.5f + 0.1f * (i == count - 1)), i * 0.085f, 0.5f);
        if (level == 3)
            for (int i = 0; i < 6; ++i)
                MixIn(w, Bell(NoteHz(27 + 2 * i), 0.2f, 0.5f), 0.45f + i * 0.04f, 0.15f);
    }
    Room(w, 0.25f);
    Finish(w, 0.75f);
    return w;
}

// Brass fanfares: promotion, award, victory, highest rank, won fight.
std::vector<float> SynthFanfare(const Params& p) {
    struct Note {
        float at, len, semis;
    };
    std::vector<Note> tune;
    switch (p.style) {
        case 0:
            tune = {{0, .15f, 3}, {.15f, .15f, 10}, {.3f, .15f, 15}, {.45f, .9f, 19}};
            break;
        case 1:
            tune = {{0, .2f, 10}, {.2f, .2f, 15}, {.4f, .2f, 19}, {.6f, 1.0f, 22}};
            break;
        case 2:
            tune = {{0, .12f, 3},  {.13f, .12f, 3}, {.26f, .12f, 3}, {.39f, .45f, 10},
                    {.9f, .2f, 8}, {1.1f, .2f, 10}, {1.3f, 1.3f, 15}};
            break;
        case 3:
            tune = {{0, .3f, 3},     {.3f, .3f, 7},  {.6f, .3f, 10}, {.9f, 1.8f, 15},
                    {.9f, 1.8f, 10}, {.9f, 1.8f, 7}, {.9f, 1.8f, 3}};
            break;
        default:
            tune = {{0, .12f, 5}, {.12f, .12f, 9}, {.24f, .12f, 12}, {.36f, .7f, 17}};
            break;
    }
    Wave w;
    float end = 0;
    for (const Note& n : tune) {
        MixIn(w, Brass(NoteHz(n.semis - 12), n.len + 0.05f), n.at, 0.35f);
        end = std::max(end, n.at + n.len);
    }
    if (p.style >= 2) {  // a drum roll under the last chord
        Wave roll = Noise(0.8f, p.seed);
        OnePole lp;
        for (size_t i = 0; i < roll.size(); ++i) {
            float t = Seconds(i);
            roll[i] = lp(roll[i], 400) * (0.5f + 0.5f * std::sin(kTwoPi * 16 * t)) *
                      Smooth(0.0f, 0.6f, t) * 1.5f;
        }
        MixIn(w, roll, std::max(0.0f, end - 1.6f), 0.8f);
    }
    Room(w, 0.3f, 1.2f);
    Finish(w, 0.8f);
    return w;
}

std::vector<float> SynthChime(const Params&) {
    const float tune[] = {3, 8, 7, 3, 15, 12};
    Wave w;
    for (int i = 0; i < 6; ++i) MixIn(w, Bell(NoteHz(tune[i]), 1.4f, 0.8f), i * 0.32f, 0.4f);
    Room(w, 0.45f, 1.5f);
    Finish(w, 0.7f);
    return w;
}

std::vector<float> SynthClink(const Params& p) {
    Wave w;
    const float partials[] = {2960, 4410, 6120};
    for (float at : {0.05f, 0.22f}) {
        Wave c(Samples(0.35f));
        for (size_t i = 0; i < c.size(); ++i) {
            float t = Seconds(i), v = 0;
            for (int k = 0; k < 3; ++k)
                v += std::sin(kTwoPi * partials[k] * (1 + at * 0.05f) * t) *
                     Pluck(t, 0.0005f, 0.09f / (1 + k));
            c[i] = v;
        }
        MixIn(w, c, at, at < 0.1f ? 0.5f : 0.35f);
    }
    Wave pour = Noise(0.4f, p.seed);
    Svf f;
    for (size_t i = 0; i < pour.size(); ++i) {
        float t = Seconds(i);
        f.Run(pour[i], 900 + 300 * std::sin(t * 30), 3);
        pour[i] = f.band * Smooth(0.0f, 0.05f, t) * Smooth(0.4f, 0.2f, t) * 0.6f;
    }
    MixIn(w, pour, 0.45f);
    Finish(w, 0.6f);
    return w;
}

std::vector<float> SynthCrowd(const Params& p) {
    int v = p.Arg(0, 1);
    float len = 2.0f + 0.5f * v;
    Wave w = Noise(len, p.seed);
    Svf lo, hi;
    for (size_t i = 0; i < w.size(); ++i) {
        float t = Seconds(i);
        lo.Run(w[i], 600 + 200 * v, 0.8f);
        hi.Run(w[i], 2200, 1.2f);
        float swell = Smooth(0.0f, 0.5f, t) *
                      (0.7f + 0.3f * std::sin(kTwoPi * (0.6f + 0.2f * v) * t)) *
                      Smooth(len, len - 0.6f, t);
        w[i] = (lo.band + 0.4f * hi.band) * swell;
    }
    Rng rng(p.seed + 5);
    for (int c = 0; c < 40 * v; ++c) {  // hand claps and shouts
        Wave clap = Noise(0.02f, p.seed + c);
        for (size_t i = 0; i < clap.size(); ++i) clap[i] *= Pluck(Seconds(i), 0.001f, 0.005f);
        MixIn(w, clap, rng.Range(0.2f, len - 0.4f), 0.3f);
    }
    Finish(w, 0.75f);
    return w;
}

std::vector<float> SynthEngine(const Params& p) {
    int v = p.Arg(0, 1);
    const float base[] = {49, 55, 41, 62};
    float hz = base[(v - 1) % 4], len = 2.4f;
    Wave w(Samples(len));
    Rng rng(p.seed);
    OnePole lp, rumble;
    float ph[3] = {0, 0, 0};
    for (size_t i = 0; i < w.size(); ++i) {
        float t = Seconds(i);
        float spool = 0.7f + 0.3f * Smooth(0.0f, 1.2f, t);  // the engines spin up
        float s = 0;
        for (int k = 0; k < 3; ++k) {
            ph[k] += hz * spool * (1 + 0.006f * k) * (k + 1) / kSampleRate;
            ph[k] -= std::floor(ph[k]);
            s += (2 * ph[k] - 1) / (k + 1);
        }
        float whine = std::sin(kTwoPi * hz * 16 * spool * t) * 0.05f * v / 4;
        float env = Smooth(0.0f, 0.4f, t) * Smooth(len, len - 0.7f, t);
        w[i] = (lp(s, 300 + 500 * spool) + rumble(rng.Range(-1, 1), 200) * 1.5f + whine) * env;
    }
    Finish(w, 0.7f);
    return w;
}

}  // namespace corvanth::assets
