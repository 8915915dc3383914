#include "model/LoadCombination.h"

#include <cmath>
#include <cstddef>
#include <stdexcept>
#include <string>

#include "model/MemberLoadKind.h"
#include "model/ModelQuantities.h"
#include "model/NumberText.h"

namespace stavelorn {

namespace {

std::int16_t Total(int records) {
  if (records > 32767) throw std::length_error("a load combination holds too many loads");
  return static_cast<std::int16_t>(records);
}

// Writes every record of `from` times `factor` after the records `to` counts so far.
void AppendScaled(const LoadSet& from, float factor, LoadSet& to, int width) {
  for (int i = 1; i <= from.JointLoadCount; ++i) {
    const int r = to.JointLoadCount + i;
    to.JointLoadJoints(r) = from.JointLoadJoints(i);
    for (int k = 1; k <= width; ++k) to.JointLoadValues(r, k) = factor * from.JointLoadValues(i, k);
  }
  for (int i = 1; i <= from.MemberLoadCount; ++i) {
    const int r = to.MemberLoadCount + i;
    to.MemberLoadInfo(r, 1) = from.MemberLoadInfo(i, 1);
    to.MemberLoadInfo(r, 2) = from.MemberLoadInfo(i, 2);
    const MemberLoadKindInfo* kind = FindMemberLoadKind(from.MemberLoadInfo(i, 2));
    for (int k = 1; k <= 4; ++k) {
      const bool distance = !kind || LoadValueQuantity(*kind, k) == Quantity::Length;
      to.MemberLoadValues(r, k) = (distance ? 1.0f : factor) * from.MemberLoadValues(i, k);
    }
  }
  for (int i = 1; i <= from.SettlementCount; ++i) {
    const int r = to.SettlementCount + i;
    to.SettlementJoints(r) = from.SettlementJoints(i);
    for (int k = 1; k <= width; ++k)
      to.SettlementValues(r, k) = factor * from.SettlementValues(i, k);
  }
  for (int i = 1; i <= from.TempChangeCount; ++i) {
    to.TempChangeMembers(to.TempChangeCount + i) = from.TempChangeMembers(i);
    to.TempChangeValues(to.TempChangeCount + i) = factor * from.TempChangeValues(i);
  }
  for (int i = 1; i <= from.FabErrorCount; ++i) {
    to.FabErrorMembers(to.FabErrorCount + i) = from.FabErrorMembers(i);
    to.FabErrorValues(to.FabErrorCount + i) = factor * from.FabErrorValues(i);
  }
}

}  // namespace

LoadSet CombinedLoads(const ModelStore& model, const std::vector<float>& factors) {
  const int cases = model.LoadCaseCount(), width = model.CoordsPerJoint;
  auto used = [&](int c) {
    return static_cast<std::size_t>(c - 1) < factors.size() && factors[c - 1] != 0.0f;
  };
  int joint = 0, member = 0, settlement = 0, temperature = 0, fabrication = 0;
  for (int c = 1; c <= cases; ++c) {
    if (!used(c)) continue;
    const LoadSet& loads = model.LoadsOfCase(c);
    joint += loads.JointLoadCount, member += loads.MemberLoadCount;
    settlement += loads.SettlementCount, temperature += loads.TempChangeCount;
    fabrication += loads.FabErrorCount;
  }
  LoadSet combined;
  combined.JointLoadJoints.Redim(Total(joint));
  combined.JointLoadValues.Redim(joint, width);
  combined.MemberLoadInfo.Redim(Total(member), 2);
  combined.MemberLoadValues.Redim(member, 4);
  combined.SettlementJoints.Redim(Total(settlement));
  combined.SettlementValues.Redim(settlement, width);
  combined.TempChangeMembers.Redim(Total(temperature));
  combined.TempChangeValues.Redim(temperature);
  combined.FabErrorMembers.Redim(Total(fabrication));
  combined.FabErrorValues.Redim(fabrication);
  for (int c = 1; c <= cases; ++c) {
    if (!used(c)) continue;
    const LoadSet& loads = model.LoadsOfCase(c);
    AppendScaled(loads, factors[static_cast<std::size_t>(c - 1)], combined, width);
    combined.JointLoadCount =
        static_cast<std::int16_t>(combined.JointLoadCount + loads.JointLoadCount);
    combined.MemberLoadCount =
        static_cast<std::int16_t>(combined.MemberLoadCount + loads.MemberLoadCount);
    combined.SettlementCount =
        static_cast<std::int16_t>(combined.SettlementCount + loads.SettlementCount);
    combined.TempChangeCount =
        static_cast<std::int16_t>(combined.TempChangeCount + loads.TempChangeCount);
    combined.FabErrorCount =
        static_cast<std::int16_t>(combined.FabErrorCount + loads.FabErrorCount);
  }
  return combined;
}

ModelStore ModelWithLoads(const ModelStore& model, const LoadSet& loads) {
  ModelStore alone = model;
  alone.LoadCases.clear();
  alone.Combinations.clear();
  alone.CurrentLoadCase = 1;
  static_cast<LoadSet&>(alone) = loads;
  return alone;
}

std::string LoadCaseTitle(const ModelStore& model, int c) {
  const std::string name = model.LoadCaseName(c);
  return "Load Case " + std::to_string(c) + (name.empty() ? "" : ": " + name);
}

std::string CombinationText(const ModelStore& model, const LoadCombination& combination) {
  std::string terms;
  for (std::size_t c = 0; c < combination.Factors.size(); ++c) {
    const float factor = combination.Factors[c];
    if (factor == 0.0f) continue;
    const std::string name = model.LoadCaseName(static_cast<int>(c) + 1);
    terms += (terms.empty() ? ""
              : factor < 0  ? " - "
                            : " + ") +
             FormatShortest(terms.empty() ? factor : std::fabs(factor)) + " x " +
             (name.empty() ? "Load Case " + std::to_string(c + 1) : name);
  }
  return combination.Name + " = " + (terms.empty() ? "0" : terms);
}

}  // namespace stavelorn
