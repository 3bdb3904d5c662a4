// Rendering a parsed recipe into 8-bit mono samples at the game's 11025 Hz, and the WAVE
// file those samples are stored in.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/wavesynth/recipe.h"

constexpr int kSampleRate = 11025;

// Mixes every event of the recipe; samples are in -1..1 before clipping.
std::vector<double> RenderRecipe(const Recipe& recipe);

// Unsigned 8-bit samples, silence at 128, clipped at full scale.
std::vector<uint8_t> QuantizeSamples(const std::vector<double>& samples);

// A complete RIFF WAVE file: PCM, one channel, 11025 Hz, 8 bits.
std::vector<uint8_t> EncodeWave(const std::vector<uint8_t>& samples);
