// The unit and dimension tables against conversions worked by hand, the unit texts, and the
// project file's "Units" section.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "model/ModelQuantities.h"
#include "model/ProjectSections.h"
#include "model/UnitConversion.h"
#include "support/Golden.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

using F = ForceUnit;
using L = LengthUnit;
using T = TemperatureUnit;

// One row per kind of quantity: a value in one system and the same value in another, worked out
// by hand from 1 in = 25.4 mm, 1 ft = 12 in, 1 lb = 4.4482216152605 N, 1 kip = 1000 lb and
// 1 °C of difference = 1.8 °F.
TEST(Units, EachQuantityConvertsByItsDimension) {
  const UnitSystem kipIn = NamedUnits(F::kip, L::in, T::F);
  const UnitSystem kipFt = NamedUnits(F::kip, L::ft, T::F);
  const UnitSystem kNm = NamedUnits(F::kN, L::m, T::C);
  const UnitSystem nMm = NamedUnits(F::N, L::mm, T::C);
  const UnitSystem lbCm = NamedUnits(F::lb, L::cm, T::C);
  const UnitSystem mnFt = NamedUnits(F::MN, L::ft, T::C);
  struct Row {
    Quantity quantity;
    UnitSystem from, to;
    double value, expected;
  } rows[] = {
      {Quantity::Angle, kipIn, nMm, 0.01, 0.01},
      {Quantity::Length, lbCm, mnFt, 100, 3.2808398950131235},
      {Quantity::Area, kipIn, nMm, 1, 645.16},
      {Quantity::SecondMoment, kipIn, nMm, 1, 416231.4256},
      {Quantity::Force, kipIn, kNm, 1, 4.4482216152605},
      {Quantity::Force, mnFt, lbCm, 1, 224808.9430997105},
      {Quantity::Moment, kipFt, kNm, 1, 1.3558179483314003},
      {Quantity::ForcePerLength, kipFt, kNm, 1, 14.593902937206362},
      {Quantity::Stress, kipIn, nMm, 29000, 199947.96150188247},
      {Quantity::TemperatureChange, kNm, kipIn, 10, 18},
      {Quantity::PerTemperature, kNm, kipIn, 1.2e-5, 6.666666666666667e-06},
      // Unnamed units have nothing to convert from or to.
      {Quantity::Force, UnitSystem(), kipIn, 7, 7},
  };
  for (const Row& row : rows) {
    const long double got = row.value * ConversionFactor(row.quantity, row.from, row.to);
    EXPECT_NEAR(static_cast<double>(got), row.expected, 1e-12 * std::fabs(row.expected))
        << static_cast<int>(row.quantity) << ": " << UnitSystemText(row.from) << " -> "
        << UnitSystemText(row.to);
    // There and back is the identity.
    EXPECT_NEAR(static_cast<double>(ConversionFactor(row.quantity, row.from, row.to) *
                                    ConversionFactor(row.quantity, row.to, row.from)),
                1.0, 1e-15);
  }
}

// A joint's loads and settlements carry, coordinate by coordinate, the quantity the mechanics
// gives them. (The rest of a type's values are the converted analyses' test: a material, section,
// temperature change, fabrication error or member load converted as another quantity, or an angle
// of roll converted at all, changes the results of an example in other units.)
TEST(Units, TheModelsValuesHaveTheirQuantities) {
  ModelStore frame = testing::FullModel("SFrame");
  std::map<const float*, Quantity> seen;
  ForEachInputValue(frame, [&](float& v, Quantity q) { seen[&v] = q; });
  for (int c = 1; c <= 6; ++c) {
    EXPECT_EQ(seen.at(&frame.JointLoadValues(1, c)), c <= 3 ? Quantity::Force : Quantity::Moment);
    EXPECT_EQ(seen.at(&frame.SettlementValues(1, c)), c <= 3 ? Quantity::Length : Quantity::Angle);
  }
}

constexpr char kFrame[] =
    "\"Frame\"\r\n\"PFrame\"\r\n\"Joints\",2\r\n0,0\r\n4,0\r\n\"Materials\",1\r\n"
    "2E+08,1.2E-05\r\n";

// Written last (every project file of the repository is written back byte for byte), the
// section reads the same before every other section or between two of them.
TEST(Units, TheUnitsSectionIsReadAnywhere) {
  const std::string section = "\"Units\",1\r\n\"kip\",\"in\",\"F\"\r\n";
  const ModelStore model = testing::ModelFromText(std::string(kFrame) + section);
  EXPECT_EQ(model.Units, NamedUnits(F::kip, L::in, T::F));
  const std::string title = "\"Frame\"\r\n\"PFrame\"\r\n";
  for (const std::string& moved :
       {title + section + std::string(kFrame).substr(title.size()),
        std::string(kFrame).substr(0, 41) + section + std::string(kFrame).substr(41)}) {
    ModelStore back = testing::ModelFromText(moved);
    std::string difference;
    EXPECT_TRUE(testing::SameModelData(model, back, difference)) << difference << "\n" << moved;
  }
  EXPECT_FALSE(testing::ModelFromText(kFrame).Units.Named);
}

// An unknown unit is refused naming the names accepted, the sections before it staying read;
// against a file checked by eye.
TEST(Units, AnUnknownUnitIsRefusedWithTheAcceptedNames) {
  std::vector<std::pair<std::string, std::string>> cases;
  for (const char* record :
       {"\"KN\",\"m\",\"C\"", "\"kN\",\"M\",\"C\"", "\"kN\",\"m\",\"K\"", "\"kN\",\"m\""})
    cases.push_back({record, std::string(kFrame) + "\"Units\",1\r\n" + record + "\r\n"});
  cases.push_back({"two records", std::string(kFrame) + "\"Units\",2\r\n\"kN\",\"m\",\"C\"\r\n"});
  testing::ExpectRefusals(cases, "tests/model/golden/unit-refusals.txt", [](const ModelStore& m) {
    EXPECT_FALSE(m.Units.Named);
    EXPECT_EQ(m.MaterialCount, 1) << "the sections before stay read";
    return "";
  });
}

// A value too large for the new units stops the conversion before anything changes. (That a
// conversion that succeeds restates the values and names the new units is the variations' and
// the converted project's test.)
TEST(Units, AConversionThatWouldOverflowChangesNothing) {
  ModelStore model = testing::FullModel("PFrame");
  model.Units = NamedUnits(F::MN, L::m, T::C);
  model.Sections(1, 1) = 1e36f;  // m² to mm²: a million times more
  const ModelStore before = model;
  RunResult error = ConvertUnits(model, NamedUnits(F::N, L::mm, T::C));
  ASSERT_TRUE(error);
  EXPECT_EQ(error->Number, kErrOverflow);
  std::string difference;
  EXPECT_TRUE(testing::SameModelData(before, model, difference)) << difference;
  EXPECT_TRUE(ConvertUnits(model, UnitSystem())) << "unnamed units convert nothing";
}

// A table of lengths, forces or temperatures with a record holds a value to convert; supports,
// members and releases hold none.
TEST(Units, AModelHasValuesToConvertWhenATableOfQuantitiesHasARecord) {
  ModelStore empty;
  empty.Reset();
  ModelStore unmeasured = empty;
  unmeasured.SupportCount = unmeasured.MemberCount = unmeasured.ReleaseCount = 1;
  EXPECT_FALSE(HasConvertibleValues(unmeasured));
  using Count = std::int16_t ModelStore::*;
  for (Count count :
       std::initializer_list<Count>{&ModelStore::JointCount, &ModelStore::MemberLoadCount}) {
    ModelStore one = empty;
    one.*count = 1;
    EXPECT_TRUE(HasConvertibleValues(one));
  }
}

}  // namespace
}  // namespace stavelorn
