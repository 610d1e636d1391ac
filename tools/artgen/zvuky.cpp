// Sound effects built from damped partials, sweeps and filtered noise. Every effect starts and ends at
// silence and is scaled so its loudest 20 ms reach the same level, with the peak kept well below full scale.
#include "zvuky.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

constexpr float PI = 3.14159265358979f;
constexpr float FS = float(FREKVENCE_ZVUKU);

std::vector<float> syntetizuj(float delka_s, const std::function<float(float)>& f)
{
    std::vector<float> v(size_t(delka_s * FS));
    for (size_t i = 0; i < v.size(); i++) v[i] = f(float(i) / FS);
    return v;
}

// A tiny deterministic noise source.
struct sum_gen {
    uint32_t s = 12345;
    float dalsi()
    {
        s = s * 1664525u + 1013904223u;
        return float((s >> 8) & 0xFFFF) / 32768.0f - 1.0f;
    }
};

float hladky_krok(float x)
{
    x = std::clamp(x, 0.0f, 1.0f);
    return x * x * (3 - 2 * x);
}

// Fades the first and last few samples so nothing clicks.
void uhlad_kraje(std::vector<float>& v, float nabeh_s, float dobeh_s)
{
    size_t n1 = size_t(nabeh_s * FS), n2 = size_t(dobeh_s * FS);
    for (size_t i = 0; i < n1 && i < v.size(); i++) v[i] *= float(i) / float(n1);
    for (size_t i = 0; i < n2 && i < v.size(); i++) v[v.size() - 1 - i] *= float(i) / float(n2);
}

// Scales to a common loudness (RMS of the loudest 20 ms window) and caps the peak.
std::vector<int16_t> hotovo(std::vector<float> v, float hlasitost = 1.0f)
{
    const size_t okno = size_t(0.02f * FS);
    double nejvic = 0;
    for (size_t i = 0; i + 1 < v.size(); i += okno / 4) {
        double e = 0;
        size_t n = 0;
        for (size_t j = i; j < std::min(v.size(), i + okno); j++, n++) e += double(v[j]) * v[j];
        if (n) nejvic = std::max(nejvic, std::sqrt(e / double(n)));
    }
    float spicka = 0;
    for (float s : v) spicka = std::max(spicka, std::fabs(s));
    float k = nejvic > 0 ? float(0.22 * hlasitost / nejvic) : 1.0f;
    if (spicka * k > 0.8f) k = 0.8f / spicka;
    std::vector<int16_t> out(v.size());
    for (size_t i = 0; i < v.size(); i++) out[i] = int16_t(std::lround(std::clamp(v[i] * k, -1.0f, 1.0f) * 32767.0f));
    return out;
}

// One-pole filters for colouring noise.
struct dolni_propust {
    float a, y = 0;
    explicit dolni_propust(float hz) : a(1 - std::exp(-2 * PI * hz / FS)) {}
    float operator()(float x) { return y += a * (x - y); }
};

}  // namespace

std::vector<int16_t> zvuk_kostka()
{
    sum_gen sum;
    dolni_propust lp(6000);
    float faze1 = 0, faze2 = 0, faze3 = 0;
    auto v = syntetizuj(0.06f, [&](float t) {
        float f = 1480 * (1 - 0.08f * t / 0.06f);
        faze1 += 2 * PI * f / FS;
        faze2 += 2 * PI * f * 2.76f / FS;
        faze3 += 2 * PI * f * 0.5f / FS;
        float telo = std::sin(faze1) * std::exp(-t / 0.014f) + 0.45f * std::sin(faze2) * std::exp(-t / 0.006f) +
                     0.35f * std::sin(faze3) * std::exp(-t / 0.02f);
        float uder = lp(sum.dalsi()) * std::exp(-t / 0.0015f) * 1.2f;
        return telo + uder;
    });
    uhlad_kraje(v, 0.0005f, 0.008f);
    return hotovo(v);
}

std::vector<int16_t> zvuk_prkno()
{
    float faze = 0;
    sum_gen sum;
    dolni_propust lp(1500);
    auto v = syntetizuj(0.07f, [&](float t) {
        float f = 300 + 170 * std::exp(-t / 0.012f);
        faze += 2 * PI * f / FS;
        float obalka = (1 - std::exp(-t / 0.0015f)) * std::exp(-t / 0.022f);
        float ton = std::sin(faze) + 0.25f * std::sin(2 * faze) + 0.08f * std::sin(3 * faze);
        return ton * obalka + lp(sum.dalsi()) * std::exp(-t / 0.002f) * 0.6f;
    });
    uhlad_kraje(v, 0.0005f, 0.01f);
    return hotovo(v);
}

std::vector<int16_t> zvuk_stena()
{
    sum_gen sum;
    dolni_propust lp(3500), lp2(900);
    float faze = 0;
    auto v = syntetizuj(0.03f, [&](float t) {
        faze += 2 * PI * 2100 / FS;
        float n = sum.dalsi();
        float pasmo = lp(n) - lp2(n);  // a band of noise around 1-3 kHz
        return (0.8f * std::sin(faze) + 1.5f * pasmo) * std::exp(-t / 0.005f);
    });
    uhlad_kraje(v, 0.0003f, 0.006f);
    return hotovo(v, 0.75f);
}

std::vector<int16_t> zvuk_bonus()
{
    // Two bell-like notes a fifth apart (C6, G6); the second enters while the first still rings.
    auto zvonek = [](float t, float f) {
        if (t < 0) return 0.0f;
        float nabeh = 1 - std::exp(-t / 0.001f);
        return nabeh * (std::sin(2 * PI * f * t) * std::exp(-t / 0.07f) +
                        0.35f * std::sin(2 * PI * f * 2.0f * t) * std::exp(-t / 0.035f) +
                        0.15f * std::sin(2 * PI * f * 3.01f * t) * std::exp(-t / 0.02f));
    };
    auto v = syntetizuj(0.15f, [&](float t) { return 0.8f * zvonek(t, 1046.5f) + zvonek(t - 0.055f, 1568.0f); });
    uhlad_kraje(v, 0.0005f, 0.03f);
    return hotovo(v);
}

std::vector<int16_t> zvuk_ztrata()
{
    // A soft square-ish tone gliding down two octaves, with a little vibrato, fading away.
    float faze = 0;
    dolni_propust lp(2200);
    auto v = syntetizuj(0.4f, [&](float t) {
        float f = 660 * std::pow(0.25f, t / 0.4f) * (1 + 0.015f * std::sin(2 * PI * 9 * t));
        faze += 2 * PI * f / FS;
        float ton = std::sin(faze) + std::sin(3 * faze) / 3 + std::sin(5 * faze) / 5 + std::sin(7 * faze) / 7;
        float obalka = (1 - std::exp(-t / 0.004f)) * (1 - hladky_krok(t / 0.4f));
        return lp(ton) * obalka;
    });
    uhlad_kraje(v, 0.001f, 0.02f);
    return hotovo(v);
}

std::vector<int16_t> zvuk_klik()
{
    sum_gen sum;
    dolni_propust lp(9000), lp2(2500);
    float faze = 0;
    auto v = syntetizuj(0.02f, [&](float t) {
        faze += 2 * PI * 3800 / FS;
        float n = sum.dalsi();
        float vysky = lp(n) - lp2(n);
        return (2.0f * vysky + 0.6f * std::sin(faze)) * std::exp(-t / 0.0025f);
    });
    uhlad_kraje(v, 0.0002f, 0.004f);
    return hotovo(v, 0.85f);
}
