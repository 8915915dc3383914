#include "editors/MemberLoadForm.h"

#include "editors/CellValues.h"
#include "model/LoadSymbols.h"

namespace stavelorn {

namespace {

std::string Num(float value) {
  return CellText(value);
}

std::string Label(const MemberLoadKindInfo& kind, int k) {
  const char* label = kind.ValueLabels[static_cast<std::size_t>(k)];
  return label ? label : "";
}

}  // namespace

std::string LoadFieldLabel(const MemberLoadKindInfo& kind, int k) {
  const std::string label = Label(kind, k);
  return label.empty() ? "" : label + " :";
}

std::string LoadSignNote(const MemberLoadKindInfo& kind) {
  const std::string value =
      IsLinear(kind) ? "Positive w1 and w2 act " : "A positive " + LoadSymbol(kind, 0) + " acts ";
  const char* rule = kind.Form == LoadForm::PointCouple ? ", by the right-hand rule." : ".";
  return value + LoadDirection(kind) + rule;
}

std::string LoadDistanceNote(const MemberLoadKindInfo& kind) {
  if (IsConcentrated(kind)) return "a is measured from the beginning joint to the load.";
  return "a is measured from the beginning joint to the load's start, b from the load's end to "
         "the end joint.";
}

std::string MemberLoadProblem(const MemberLoadKindInfo& kind, const LoadValues& values,
                              std::optional<float> length) {
  const float a = values[2], b = values[3];
  if (IsLinear(kind) && values[0] == 0 && values[1] == 0)
    return "w1 and w2 cannot both be zero (w1 = 0 alone makes a triangular load).";
  if (!IsLinear(kind) && values[0] == 0) return LoadSymbol(kind, 0) + " cannot be zero.";
  const std::string L = length ? Num(*length) : "";
  if (IsConcentrated(kind)) {
    if (a < 0 || (length && a > *length))
      return "The load must act on the member: 0 <= a <= L" + (L.empty() ? "" : " = " + L) +
             ", but a = " + Num(a) + ".";
    return "";
  }
  if (a < 0 || b < 0) return "a and b cannot be negative.";
  // Compared in double, as the analysis's checks do, so a load they would refuse never passes.
  if (length && !(double{a} + double{b} < double{*length}))
    return "The load must cover part of the member: a + b must be less than L = " + L +
           ", but a = " + Num(a) + " and b = " + Num(b) + ".";
  return "";
}

}  // namespace stavelorn
