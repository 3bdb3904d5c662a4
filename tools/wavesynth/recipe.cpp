// The recipe parser. Each line is one command; voice settings carry over to the following
// notes and sweeps until a new "voice" line resets them.
#include "tools/wavesynth/recipe.h"

#include <cmath>
#include <cstdlib>
#include <sstream>

namespace {

struct ParseState {
  VoiceSettings voice;
  double tempo = 120;  // quarter notes per minute
  double gate = 0.9;   // fraction of a note's length that it is held
  double cursor = 0;   // seconds: where the next note starts
};

bool ReadNumber(std::istringstream& in, double* value) {
  std::string word;
  if (!(in >> word)) return false;
  char* end = nullptr;
  *value = std::strtod(word.c_str(), &end);
  return end && *end == '\0';
}

// "c5/8", "r/4", "g#4/8.": a note or a rest and its length as a fraction of a whole note.
bool ParseNoteToken(const std::string& token, double* hz, double* wholeFraction) {
  const size_t slash = token.find('/');
  if (slash == std::string::npos) return false;
  const std::string name = token.substr(0, slash);
  std::string length = token.substr(slash + 1);
  bool dotted = false;
  if (!length.empty() && length.back() == '.') {
    dotted = true;
    length.pop_back();
  }
  char* end = nullptr;
  const long divisor = std::strtol(length.c_str(), &end, 10);
  if (length.empty() || *end != '\0' || divisor <= 0 || divisor > 64) return false;
  *wholeFraction = (dotted ? 1.5 : 1.0) / double(divisor);
  if (name == "r") {
    *hz = 0;
    return true;
  }
  *hz = NoteFrequency(name);
  return *hz > 0;
}

bool ParseWave(std::istringstream& in, VoiceSettings* voice) {
  std::string name;
  if (!(in >> name)) return false;
  if (name == "sine") {
    voice->wave = Waveform::Sine;
  } else if (name == "triangle") {
    voice->wave = Waveform::Triangle;
  } else if (name == "saw") {
    voice->wave = Waveform::Saw;
  } else if (name == "noise") {
    voice->wave = Waveform::Noise;
  } else if (name == "square") {
    voice->wave = Waveform::Square;
    double duty = 0;
    if (ReadNumber(in, &duty)) {
      if (duty <= 0 || duty >= 1) return false;
      voice->duty = duty;
    }
  } else {
    return false;
  }
  return true;
}

// Handles one command; returns an empty string or what is wrong with it.
std::string ParseLine(const std::string& command, std::istringstream& in, ParseState* state,
                      Recipe* recipe) {
  VoiceSettings& v = state->voice;
  double a = 0, b = 0, c = 0, d = 0;
  if (command == "length") {
    if (!ReadNumber(in, &a) || a <= 0 || a > 30) return "length needs seconds (0 to 30)";
    recipe->length = a;
  } else if (command == "loop") {
    recipe->loop = true;
  } else if (command == "gain") {
    if (!ReadNumber(in, &a) || a <= 0 || a > 4) return "gain needs a factor (0 to 4)";
    recipe->gain = a;
  } else if (command == "voice") {
    state->voice = VoiceSettings();
    state->gate = 0.9;
  } else if (command == "wave") {
    if (!ParseWave(in, &v)) return "wave needs sine, triangle, saw, noise or square [duty]";
  } else if (command == "env") {
    if (!ReadNumber(in, &a) || !ReadNumber(in, &b) || !ReadNumber(in, &c) ||
        !ReadNumber(in, &d) || a < 0 || b < 0 || c < 0 || c > 1 || d < 0) {
      return "env needs attack, decay, sustain level (0 to 1) and release";
    }
    v.attack = a;
    v.decay = b;
    v.sustain = c;
    v.release = d;
  } else if (command == "level") {
    if (!ReadNumber(in, &a) || a < 0 || a > 1) return "level needs a value from 0 to 1";
    v.level = a;
  } else if (command == "tempo") {
    if (!ReadNumber(in, &a) || a < 20 || a > 1000) return "tempo needs beats per minute";
    state->tempo = a;
  } else if (command == "gate") {
    if (!ReadNumber(in, &a) || a <= 0 || a > 1) return "gate needs a fraction (0 to 1)";
    state->gate = a;
  } else if (command == "vibrato") {
    if (!ReadNumber(in, &a) || !ReadNumber(in, &b) || a < 0 || b < 0) {
      return "vibrato needs a rate in Hz and a depth in semitones";
    }
    v.vibratoRate = a;
    v.vibratoDepth = b;
  } else if (command == "slide") {
    if (!ReadNumber(in, &a) || std::fabs(a) > 48) return "slide needs semitones";
    v.slide = a;
  } else if (command == "at") {
    if (!ReadNumber(in, &a) || a < 0) return "at needs a time in seconds";
    state->cursor = a;
  } else if (command == "notes") {
    std::string token;
    bool any = false;
    while (in >> token) {
      double hz = 0;
      double fraction = 0;
      if (!ParseNoteToken(token, &hz, &fraction)) return "bad note \"" + token + "\"";
      const double seconds = fraction * 4.0 * 60.0 / state->tempo;
      if (hz > 0) {
        const double toHz = hz * std::pow(2.0, v.slide / 12.0);
        recipe->events.push_back(
            SoundEvent{state->cursor, seconds * state->gate, hz, toHz, v});
      }
      state->cursor += seconds;
      any = true;
    }
    if (!any) return "notes needs at least one note";
  } else if (command == "tone") {
    if (!ReadNumber(in, &a) || !ReadNumber(in, &b) || a <= 0 || b <= 0) {
      return "tone needs a duration and a frequency (and an end frequency)";
    }
    c = b;
    if (!(in >> std::ws).eof() && (!ReadNumber(in, &c) || c <= 0)) return "bad end frequency";
    recipe->events.push_back(SoundEvent{state->cursor, a, b, c, v});
    state->cursor += a;
  } else {
    return "unknown command \"" + command + "\"";
  }
  std::string extra;
  if (in >> extra) return "unexpected \"" + extra + "\"";
  return std::string();
}

// A comment runs from a '#' at the start of a line or after a blank; a '#' inside a word is
// the sharp of a note.
size_t CommentStart(const std::string& line) {
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '#' && (i == 0 || line[i - 1] == ' ' || line[i - 1] == '\t')) return i;
  }
  return line.size();
}

}  // namespace

double NoteFrequency(const std::string& name) {
  static const int kSemitone[7] = {9, 11, 0, 2, 4, 5, 7};  // a b c d e f g from c
  if (name.size() < 2 || name[0] < 'a' || name[0] > 'g') return 0;
  int semitone = kSemitone[name[0] - 'a'];
  size_t at = 1;
  if (name[at] == '#') {
    ++semitone;
    ++at;
  } else if (name[at] == 'b' && at + 1 < name.size()) {
    --semitone;
    ++at;
  }
  if (at >= name.size()) return 0;
  char* end = nullptr;
  const long octave = std::strtol(name.c_str() + at, &end, 10);
  if (*end != '\0' || octave < 0 || octave > 9) return 0;
  const int fromA4 = int(octave - 4) * 12 + semitone - 9;
  return 440.0 * std::pow(2.0, fromA4 / 12.0);
}

bool ParseRecipe(const std::string& text, Recipe* recipe, std::string* error) {
  *recipe = Recipe();
  ParseState state;
  std::istringstream lines(text);
  std::string line;
  int number = 0;
  while (std::getline(lines, line)) {
    ++number;
    std::istringstream in(line.substr(0, CommentStart(line)));
    std::string command;
    if (!(in >> command)) continue;
    const std::string problem = ParseLine(command, in, &state, recipe);
    if (!problem.empty()) {
      *error = "line " + std::to_string(number) + ": " + problem;
      return false;
    }
  }
  if (recipe->events.empty()) {
    *error = "the recipe sounds no note";
    return false;
  }
  return true;
}
