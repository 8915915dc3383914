// Judging a student's entries against the program's values: the tolerance rule, and for a wrong
// entry the common slip it most likely comes from, tried in a fixed order, first match wins.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "reports/AnswerKey.h"

namespace stavelorn {

// An entry is right within this fraction of the program's value...
inline constexpr double kRelativeTolerance = 0.005;
// ...unless that value is zero or round-off, at most this fraction of the quantity's largest
// magnitude; then the entry is right when it is at most kZeroTolerance of that magnitude.
inline constexpr double kRoundOffFraction = 1e-6;
inline constexpr double kZeroTolerance = 1e-4;

// In the order they are tried.
enum class Slip { None, Transposed, Sign, LocalGlobal, ReleaseIgnored, Units, SwappedCoordinates };

// "transposed", "sign", "local-global", "release-ignored", "units", "swapped-coordinates"; ""
// for None.
const char* SlipName(Slip slip);

// Whether `given` counts as `expected` in a quantity whose largest magnitude is `largest`.
bool WithinTolerance(double given, double expected, double largest);

// The verdict on one entry (row and column 0-based in the grid).
struct EntryVerdict {
  int Row = 0, Col = 0;
  double Given = 0, Expected = 0;
  bool Right = false;
  Slip Named = Slip::None;
  std::string Hint;  // what to look at, for a named slip: "check the direction of the 6EI/L² term"
};

// Judges every given entry (row by row in the grid's shape; nullopt is left unjudged) of the
// quantity (of `member`, 1-based, for a member quantity). The key must have the quantity.
std::vector<EntryVerdict> JudgeAnswer(const AnswerKey& key, AnswerQuantity quantity, int member,
                                      const std::vector<std::optional<double>>& given);

// "row 2, column 6: sign — check the direction of the 6EI/L² term" ("row 2: ..." in a vector,
// "wrong" where no slip matches); it never tells the right value.
std::string VerdictText(const AnswerGrid& grid, const EntryVerdict& verdict);

}  // namespace stavelorn
