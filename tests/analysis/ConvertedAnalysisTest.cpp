// A project converted to other units is the same structure: its analysis gives the original
// results times the factors of their quantities.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

#include "analysis/AnalysisRun.h"
#include "model/ModelQuantities.h"
#include "model/UnitConversion.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

const UnitSystem kKNm = NamedUnits(ForceUnit::kN, LengthUnit::m, TemperatureUnit::C);

// The results of one kind (displacement, end force, reaction) and one quantity, as pairs of the
// original's value times its factor and the converted project's value.
using Groups = std::map<std::pair<int, Quantity>, std::vector<std::pair<double, double>>>;

TEST(ConvertedProject, AnalysesToTheOriginalResultsTimesTheirFactors) {
  const UnitSystem kipIn = NamedUnits(ForceUnit::kip, LengthUnit::in, TemperatureUnit::F);
  for (const char* name : testing::kExampleNames) {
    ModelStore original = testing::ExampleModel(name);
    original.Units = kKNm;
    ModelStore converted = original;
    ASSERT_FALSE(ConvertUnits(converted, kipIn));
    const AnalysisRun originalRun = CheckAndAnalyze(original);
    const AnalysisRun convertedRun = CheckAndAnalyze(converted);
    ASSERT_FALSE(originalRun.Rejected) << name;
    ASSERT_FALSE(convertedRun.Rejected) << name;
    ASSERT_EQ(originalRun.Results.AnalysisStatus, kAnalysisComplete) << name;
    ASSERT_EQ(convertedRun.Results.AnalysisStatus, kAnalysisComplete) << name;
    const StructTypeInfo& type = original.TypeInfo();
    const int n = type.CoordsPerJoint;
    Groups groups;
    auto add = [&](int kind, Quantity q, double from, double to) {
      groups[{kind, q}].emplace_back(from * ConversionFactor(q, kKNm, kipIn), to);
    };
    for (int j = 1; j <= original.JointCount; ++j)
      for (int k = 1; k <= n; ++k) {
        const int number = originalRun.Results.CoordNumbers((j - 1) * n + k);
        const JointCoordNames& coordinate = CoordinateOf(type, k);
        if (number <= originalRun.Results.DofCount)
          add(0, DisplacementQuantity(coordinate), originalRun.Results.JointDisplacements(number),
              convertedRun.Results.JointDisplacements(number));
        else
          add(2, ForceQuantity(coordinate),
              originalRun.Results.SupportReactions(number - originalRun.Results.DofCount),
              convertedRun.Results.SupportReactions(number - originalRun.Results.DofCount));
      }
    for (int m = 1; m <= original.MemberCount; ++m)
      for (int c = 1; c <= 2 * n; ++c)
        add(1, EndForceQuantity(type, c), originalRun.Results.MemberEndForces(m, c),
            convertedRun.Results.MemberEndForces(m, c));
    for (const auto& [group, pairs] : groups) {
      double largest = 0;
      for (const auto& pair : pairs) largest = std::max(largest, std::fabs(pair.first));
      for (const auto& [expected, got] : pairs)
        EXPECT_NEAR(got, expected, 1e-4 * largest)
            << name << ": kind " << group.first << ", quantity " << static_cast<int>(group.second);
    }
  }
}

}  // namespace
}  // namespace stavelorn
