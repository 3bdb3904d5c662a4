// wavesynth: renders a sound recipe into the game's WAVE file.
//   wavesynth recipe.txt out.wav
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "tools/wavesynth/recipe.h"
#include "tools/wavesynth/synth.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: wavesynth recipe.txt out.wav\n");
    return 2;
  }
  std::ifstream in(argv[1]);
  if (!in) {
    std::fprintf(stderr, "wavesynth: cannot read %s\n", argv[1]);
    return 1;
  }
  std::stringstream text;
  text << in.rdbuf();
  Recipe recipe;
  std::string error;
  if (!ParseRecipe(text.str(), &recipe, &error)) {
    std::fprintf(stderr, "%s: %s\n", argv[1], error.c_str());
    return 1;
  }
  const std::vector<uint8_t> file = EncodeWave(QuantizeSamples(RenderRecipe(recipe)));
  std::ofstream out(argv[2], std::ios::binary);
  out.write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
  if (!out) {
    std::fprintf(stderr, "wavesynth: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
