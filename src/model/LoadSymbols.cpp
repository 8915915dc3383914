#include "model/LoadSymbols.h"

#include <cctype>
#include <cmath>

#include "model/ModelQuantities.h"
#include "model/NumberText.h"

namespace stavelorn {

std::string LoadSymbol(const MemberLoadKindInfo& kind, int k) {
  if (k < 0 || k > 3) return "";
  const char* symbol = kind.Symbols[static_cast<std::size_t>(k)];
  return symbol ? symbol : "";
}

namespace {

// "-y" or "+z": the local axis a positive value acts along or about, with its sign.
std::string SignedAxis(const MemberLoadKindInfo& kind) {
  return std::string(kind.AppliedSign < 0 ? "-" : "+") + "xyz"[static_cast<int>(kind.Axis)];
}

const char* DirectionVerb(const MemberLoadKindInfo& kind) {
  return kind.Form == LoadForm::PointCouple ? "about " : "in ";
}

}  // namespace

std::string LoadDirection(const MemberLoadKindInfo& kind) {
  return DirectionVerb(kind) + std::string("local ") + SignedAxis(kind);
}

std::string LoadKindLabel(const MemberLoadKindInfo& kind) {
  std::string symbols = LoadSymbol(kind, 0);
  if (IsLinear(kind)) symbols += "," + LoadSymbol(kind, 1);
  return symbols + " " + DirectionVerb(kind) + SignedAxis(kind);
}

namespace {

// "a = 2", or "a = 2 m" with named units: value k by its symbol; "" when the kind has no such
// value.
std::string Named(const MemberLoadKindInfo& kind, const std::array<float, 4>& values, int k,
                  const UnitSystem& units) {
  const std::string symbol = LoadSymbol(kind, k);
  if (symbol.empty()) return "";
  const float value = values[static_cast<std::size_t>(k)];
  const std::string unit = UnitText(units, LoadValueQuantity(kind, k + 1));
  return symbol + " = " + (std::isfinite(value) ? FormatShortest(value) : "?") +
         (unit.empty() ? "" : " " + unit);
}

}  // namespace

std::string MemberLoadLabel(const MemberLoadKindInfo& kind, const std::array<float, 4>& values,
                            const UnitSystem& units) {
  std::string text = Named(kind, values, 0, units);
  if (IsLinear(kind)) text += ", " + Named(kind, values, 1, units);
  return text + " (" + LoadDirection(kind) + ")";
}

std::string MemberLoadValuesText(const MemberLoadKindInfo& kind, const std::array<float, 4>& values,
                                 const UnitSystem& units) {
  std::string text = MemberLoadLabel(kind, values, units);
  for (int k = 2; k < 4; ++k)
    if (const std::string distance = Named(kind, values, k, units); !distance.empty())
      text += ", " + distance;
  return text;
}

bool WholeSpanUniform(int code, const std::array<float, 4>& values) {
  return code == static_cast<int>(MemberLoadKind::Uniform) && values[1] == 0 && values[2] == 0 &&
         values[3] == 0;
}

std::string JointLoadSymbol(const StructTypeInfo& type, int k) {
  const JointCoordNames& coordinate = CoordinateOf(type, k);
  return std::string(coordinate.Rotation ? "M" : "F") +
         static_cast<char>(std::tolower(static_cast<unsigned char>(coordinate.Axis)));
}

}  // namespace stavelorn
