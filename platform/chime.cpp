// SPDX-FileCopyrightText: 2026 Quorvel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/alertsound.h"

#include <algorithm>
#include <cmath>

namespace jotlet {

namespace {

constexpr int kSampleRate = 22050;
constexpr int kSampleCount = 14532;            // 0.66 s
constexpr double kPi = 3.14159265358979323846; // M_PI is not standard C++: MinGW leaves it out under -std=c++17

// One bell stroke at time t (seconds after it was struck): a tone with a bright overtone, dying away.
double bell(double frequency, double t)
{
    if (t < 0) {
        return 0;
    }
    const double attack = std::min(1.0, t / 0.004);
    const double tone
        = std::sin(2 * kPi * frequency * t) + 0.35 * std::sin(2 * kPi * frequency * 2.76 * t) * std::exp(-t / 0.05);
    return attack * tone * std::exp(-t / 0.16);
}

void appendLittleEndian(QByteArray& bytes, quint32 value, int size)
{
    for (int i = 0; i < size; ++i) {
        bytes.append(char((value >> (8 * i)) & 0xFF));
    }
}

} // namespace

QByteArray chimeWave()
{
    QByteArray wave;
    wave.reserve(44 + kSampleCount);
    wave.append("RIFF");
    appendLittleEndian(wave, 36 + kSampleCount, 4);
    wave.append("WAVEfmt ");
    appendLittleEndian(wave, 16, 4);          // format block size
    appendLittleEndian(wave, 1, 2);           // PCM
    appendLittleEndian(wave, 1, 2);           // one channel
    appendLittleEndian(wave, kSampleRate, 4); // samples per second
    appendLittleEndian(wave, kSampleRate, 4); // bytes per second
    appendLittleEndian(wave, 1, 2);           // bytes per sample
    appendLittleEndian(wave, 8, 2);           // bits per sample
    wave.append("data");
    appendLittleEndian(wave, kSampleCount, 4);
    for (int i = 0; i < kSampleCount; ++i) {
        const double t = double(i) / kSampleRate;
        const double fade = std::min(1.0, double(kSampleCount - i) / (0.02 * kSampleRate)); // no click at the end
        const double value = 0.6 * (bell(1318.5, t) + 0.8 * bell(987.8, t - 0.18)) * fade;
        wave.append(char(std::lround(128 + 127 * std::clamp(value, -1.0, 1.0))));
    }
    return wave;
}

} // namespace jotlet
