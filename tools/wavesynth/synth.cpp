// The synthesiser: band-limited (polyBLEP) square and saw waves, triangle, sine and sampled
// noise, each shaped by an attack-decay-sustain-release envelope. Loops are mixed circularly
// so that the last sample runs into the first without a click.
#include "tools/wavesynth/synth.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

// Correction that removes most of the aliasing of a hard edge at phase 0.
double PolyBlep(double t, double dt) {
  if (t < dt) {
    t /= dt;
    return t + t - t * t - 1.0;
  }
  if (t > 1.0 - dt) {
    t = (t - 1.0) / dt;
    return t * t + t + t + 1.0;
  }
  return 0.0;
}

double Envelope(const VoiceSettings& v, double hold, double t) {
  auto beforeRelease = [&v](double at) {
    if (at < v.attack) return at / v.attack;
    if (at < v.attack + v.decay) return 1.0 - (1.0 - v.sustain) * (at - v.attack) / v.decay;
    return v.sustain;
  };
  if (t < hold) return beforeRelease(t);
  if (v.release <= 0) return 0.0;
  return beforeRelease(hold) * std::max(0.0, 1.0 - (t - hold) / v.release);
}

// The game's noise is our own little generator, so every build sounds the same.
struct NoiseSource {
  uint32_t state;
  double held = 0;
  double Next() {
    state = state * 1664525u + 1013904223u;
    return double(state >> 8) / double(1u << 23) - 1.0;
  }
};

void RenderEvent(const SoundEvent& event, uint32_t seed, std::vector<double>* mix, bool loop) {
  const VoiceSettings& v = event.voice;
  const long total = long(mix->size());
  const long start = std::lround(event.start * kSampleRate);
  const long count = std::lround((event.hold + v.release) * kSampleRate);
  NoiseSource noise{seed};
  noise.held = noise.Next();
  double phase = 0;
  for (long i = 0; i < count; ++i) {
    const double t = double(i) / kSampleRate;
    const double sweep = event.hold > 0 ? std::min(t / event.hold, 1.0) : 1.0;
    double hz = event.fromHz * std::pow(event.toHz / event.fromHz, sweep);
    if (v.vibratoDepth > 0) {
      hz *= std::pow(2.0, v.vibratoDepth * std::sin(2 * kPi * v.vibratoRate * t) / 12.0);
    }
    const double dt = std::min(hz / kSampleRate, 0.5);
    double value = 0;
    switch (v.wave) {
      case Waveform::Sine: value = std::sin(2 * kPi * phase); break;
      case Waveform::Triangle: value = 4.0 * std::fabs(phase - 0.5) - 1.0; break;
      case Waveform::Saw: value = 2.0 * phase - 1.0 - PolyBlep(phase, dt); break;
      case Waveform::Square:
        value = (phase < v.duty ? 1.0 : -1.0) + PolyBlep(phase, dt) -
                PolyBlep(std::fmod(phase + 1.0 - v.duty, 1.0), dt);
        break;
      case Waveform::Noise: value = noise.held; break;
    }
    const double sample = value * Envelope(v, event.hold, t) * v.level;
    long at = start + i;
    if (loop) {
      at %= total;
    } else if (at >= total) {
      break;
    }
    (*mix)[size_t(at)] += sample;
    // Noise takes a new value twice per period of its pitch.
    phase += v.wave == Waveform::Noise ? 2.0 * dt : dt;
    if (phase >= 1.0) {
      phase -= std::floor(phase);
      if (v.wave == Waveform::Noise) noise.held = noise.Next();
    }
  }
}

void Put32(std::vector<uint8_t>* out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out->push_back(uint8_t(value >> (8 * i)));
}

void Put16(std::vector<uint8_t>* out, uint32_t value) {
  out->push_back(uint8_t(value));
  out->push_back(uint8_t(value >> 8));
}

void PutTag(std::vector<uint8_t>* out, const char* tag) {
  for (int i = 0; i < 4; ++i) out->push_back(uint8_t(tag[i]));
}

}  // namespace

std::vector<double> RenderRecipe(const Recipe& recipe) {
  double seconds = recipe.length;
  if (seconds <= 0) {
    for (const SoundEvent& e : recipe.events) {
      seconds = std::max(seconds, e.start + e.hold + e.voice.release);
    }
  }
  const size_t total = std::max<size_t>(1, size_t(std::lround(seconds * kSampleRate)));
  std::vector<double> mix(total, 0.0);
  uint32_t seed = 12345;
  for (const SoundEvent& e : recipe.events) {
    RenderEvent(e, seed, &mix, recipe.loop);
    seed = seed * 69069u + 1u;
  }
  for (double& s : mix) s *= recipe.gain;
  if (!recipe.loop) {
    // A sound cut short by its length fades over its last 3 ms instead of clicking.
    const size_t fade = std::min<size_t>(total, kSampleRate * 3 / 1000);
    for (size_t i = 0; i < fade; ++i) mix[total - 1 - i] *= double(i) / double(fade);
  }
  return mix;
}

std::vector<uint8_t> QuantizeSamples(const std::vector<double>& samples) {
  std::vector<uint8_t> out(samples.size());
  for (size_t i = 0; i < samples.size(); ++i) {
    const double clipped = std::clamp(samples[i], -1.0, 1.0);
    out[i] = uint8_t(std::lround(128.0 + 127.0 * clipped));
  }
  return out;
}

std::vector<uint8_t> EncodeWave(const std::vector<uint8_t>& samples) {
  const uint32_t dataBytes = uint32_t(samples.size());
  const uint32_t pad = dataBytes & 1;  // chunks are word aligned
  std::vector<uint8_t> out;
  PutTag(&out, "RIFF");
  Put32(&out, 4 + 8 + 16 + 8 + dataBytes + pad);
  PutTag(&out, "WAVE");
  PutTag(&out, "fmt ");
  Put32(&out, 16);
  Put16(&out, 1);            // PCM
  Put16(&out, 1);            // mono
  Put32(&out, kSampleRate);  // samples per second
  Put32(&out, kSampleRate);  // bytes per second
  Put16(&out, 1);            // bytes per sample frame
  Put16(&out, 8);            // bits per sample
  PutTag(&out, "data");
  Put32(&out, dataBytes);
  for (uint8_t s : samples) out.push_back(s);
  if (pad) out.push_back(128);
  return out;
}
