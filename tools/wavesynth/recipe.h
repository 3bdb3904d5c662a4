// Sound recipes: a few lines of text that describe a sound as voices (waveform, envelope,
// level) playing notes and sweeps. Parsed into plain records that the synthesiser renders.
#pragma once

#include <string>
#include <vector>

enum class Waveform { Sine, Triangle, Saw, Square, Noise };

struct VoiceSettings {
  Waveform wave = Waveform::Square;
  double duty = 0.5;        // square waves: the fraction of the period spent high
  double attack = 0.005;    // seconds
  double decay = 0.05;      // seconds
  double sustain = 0.7;     // level held after the decay, 0..1
  double release = 0.03;    // seconds
  double level = 0.5;       // loudness of the voice, 0..1
  double vibratoRate = 0;   // Hz
  double vibratoDepth = 0;  // semitones
  double slide = 0;         // semitones the pitch glides over each note
};

// One sounding event: a note of a sequence or a sweep.
struct SoundEvent {
  double start;     // seconds
  double hold;      // seconds the note is held before its release
  double fromHz;
  double toHz;      // equal to fromHz unless it sweeps
  VoiceSettings voice;
};

struct Recipe {
  double length = 0;  // seconds; 0 = until the last release ends
  bool loop = false;  // tails past the end wrap to the start so the sound repeats seamlessly
  double gain = 1.0;
  std::vector<SoundEvent> events;
};

// Parses recipe text. On a mistake returns false with "line N: what" in error.
bool ParseRecipe(const std::string& text, Recipe* recipe, std::string* error);

// Frequency of a note name such as "a4" (440 Hz), "c#5", "bb3"; 0 if it is no note.
double NoteFrequency(const std::string& name);
