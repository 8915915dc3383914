// A class's exercises made from one template: each student's project is the template with every
// value its "Variations" section names drawn from that value's grid, the section itself left out;
// every project different from the others, each one the analysis solves and trusts, and the
// program's answers to each kept in one key. The draws come from a 64-bit Mersenne twister (the
// same numbers on every library) mapped to the grid by our own rule, so that one seed gives the
// same projects on every build of the program.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/ModelStore.h"

namespace stavelorn {

inline constexpr int kMostVariants = 999;
inline constexpr std::uint64_t kDefaultVariantSeed = 1;
// Draws a variant may take that cannot be analysed before the template is refused.
inline constexpr int kFailedDrawsPerVariant = 50;
inline constexpr char kVariantKeyFile[] = "key.json";

struct DrawnVariant {
  ModelStore Model;           // the template with its draw, titled, without its variations
  std::vector<float> Values;  // the drawn value of each variation, in the template's order
  std::string Answers;        // the program's answers, as key.json lists them
};

struct VariantDraws {
  std::vector<DrawnVariant> Variants;
  std::string Problem;  // why no set could be drawn, naming the variation at fault; "" otherwise
};

// `count` variants of the template (1..kMostVariants) drawn from `seed`.
VariantDraws DrawVariants(const ModelStore& templateModel, int count, std::uint64_t seed);

// "truss-07.str": the project file of variant `index` (1-based) of `count`, numbered with two
// digits up to 99 variants and three above.
std::string VariantFileName(const std::string& templateName, int index, int count);

// How many variants are asked for, the seed they are drawn from and the folder they go into.
struct VariantsChoice {
  int Count = 1;
  std::uint64_t Seed = kDefaultVariantSeed;
  std::string Folder;
};

// The seed a text names: a whole number from 0 to 2^64 - 1 and nothing else.
std::optional<std::uint64_t> ReadVariantSeed(const std::string& text);

struct VariantsOutcome {
  int Exit = 0;                      // an exit status: complete, rejected or output failed
  std::string Message;               // why not, naming the variation, the folder or the file
  std::vector<std::string> Written;  // the files written, the key last
};

// Draws the variants of the template read from `templatePath` and writes them, with key.json,
// into the chosen folder, which is made when missing and refused when it holds anything, so that
// nothing is ever written over. Nothing is written unless every variant could be drawn.
VariantsOutcome WriteVariants(const ModelStore& templateModel, const std::string& templatePath,
                              const VariantsChoice& choice);

}  // namespace stavelorn
