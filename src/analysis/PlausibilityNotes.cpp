#include "analysis/PlausibilityNotes.h"

#include <cmath>
#include <cstdio>
#include <optional>

#include "analysis/ModelCheck.h"
#include "model/ModelQuantities.h"
#include "model/NumberText.h"

namespace stavelorn {

namespace {

// A value typed as a bound in the project's units is stored rounded to single precision: it
// still counts as inside.
constexpr double kRoundingSlack = 1e-6;

bool Outside(double value, double lowest, double highest) {
  return value < lowest * (1 - kRoundingSlack) || value > highest * (1 + kRoundingSlack);
}

// A computed value or bound in four significant digits: "1000", "5e+05".
std::string Short(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.4g", value);
  return text;
}

// "I = 0.0001 m4": a stored value by its symbol, with its unit where the project names one.
std::string Stated(const std::string& symbol, float value, const UnitSystem& units,
                   Quantity quantity) {
  const std::string unit = UnitText(units, quantity, UnitStyle::Ascii);
  return symbol + " = " + FormatShortest(value) + (unit.empty() ? "" : " " + unit);
}

std::string WithUnitAfter(const std::string& value, const UnitSystem& units, Quantity quantity) {
  const std::string unit = UnitText(units, quantity, UnitStyle::Ascii);
  return unit.empty() ? value : value + " " + unit;
}

struct SectionColumns {
  int Area = 0;
  std::vector<int> SecondMoments;  // the I columns (not J)
};

// Where a frame's sections keep A and each I; nothing for a type without both.
std::optional<SectionColumns> FrameSectionColumns(const StructTypeInfo& type) {
  SectionColumns columns;
  for (int k = 1; k <= type.SectionColumns; ++k) {
    const SectionPropertyNames& property = type.Sections[static_cast<std::size_t>(k - 1)];
    if (property.Measure == Quantity::Area)
      columns.Area = k;
    else if (property.Symbol[0] == 'I')
      columns.SecondMoments.push_back(k);
  }
  if (columns.Area == 0 || columns.SecondMoments.empty()) return std::nullopt;
  return columns;
}

void NoteSlenderness(const ModelStore& model, const SectionColumns& columns,
                     std::vector<std::string>& notes) {
  const StructTypeInfo& type = model.TypeInfo();
  for (int m = 1; m <= model.MemberCount; ++m) {
    const std::optional<float> length = CheckedMemberLength(model, m);
    const int section = model.MemberProps(m, 4);
    if (!length || section < 1 || section > model.SectionCount) continue;
    const float area = model.Sections(section, columns.Area);
    for (int column : columns.SecondMoments) {
      const float inertia = model.Sections(section, column);
      if (!(area > 0) || !(inertia > 0)) continue;
      const double radius = std::sqrt(double{inertia} / double{area});
      const double slenderness = double{*length} / radius;
      if (!Outside(slenderness, kSlendernessBelow, kSlendernessAbove)) continue;
      const std::string symbol = type.Sections[static_cast<std::size_t>(column - 1)].Symbol;
      notes.push_back(
          "Member " + std::to_string(m) + ": its slenderness L/r = " + Short(slenderness) +
          (slenderness > kSlendernessAbove ? " is above " + Short(kSlendernessAbove)
                                           : " is below " + Short(kSlendernessBelow)) +
          " (" + Stated("L", *length, model.Units, Quantity::Length) + ", " +
          Stated("A", area, model.Units, Quantity::Area) + ", " +
          Stated(symbol, inertia, model.Units, Quantity::SecondMoment) + ", r = sqrt(" + symbol +
          "/A) = " + WithUnitAfter(Short(radius), model.Units, Quantity::Length) +
          "); check A and " + symbol + " and their units.");
    }
  }
}

// One material property against its bounds, stated in SI (`siWords`) and converted to the
// project's units.
void NoteMaterial(const ModelStore& model, int material, int column, const char* symbol,
                  double lowest, double highest, const std::string& siWords,
                  std::vector<std::string>& notes) {
  const int columns = model.MaterialColumns();
  const Quantity quantity = MaterialQuantity(columns, column);
  const UnitSystem si = NamedUnits(ForceUnit::N, LengthUnit::m, TemperatureUnit::C);
  const double factor = static_cast<double>(ConversionFactor(quantity, si, model.Units));
  const float value = model.Materials(material, column);
  if (!Outside(value, lowest * factor, highest * factor)) return;
  notes.push_back("Material " + std::to_string(material) + ": " +
                  Stated(symbol, value, model.Units, quantity) + " is outside " + siWords + " (" +
                  Short(lowest * factor) + " to " +
                  WithUnitAfter(Short(highest * factor), model.Units, quantity) + "); check " +
                  symbol + " and its units.");
}

}  // namespace

std::vector<std::string> ImplausibleValueNotes(const ModelStore& model) {
  std::vector<std::string> notes;
  const StructTypeInfo* type = model.Type();
  if (!type) return notes;
  const std::optional<SectionColumns> columns = FrameSectionColumns(*type);
  if (!columns) return notes;
  NoteSlenderness(model, *columns, notes);
  if (!model.Units.Named) return notes;
  const int materialColumns = model.MaterialColumns();
  for (int material = 1; material <= model.MaterialCount; ++material) {
    NoteMaterial(model, material, 1, "E", kModulusLowest, kModulusHighest, "0.5 to 500 GPa", notes);
    NoteMaterial(model, material, materialColumns, "alpha", kExpansionLowest, kExpansionHighest,
                 "1e-07 to 0.0001 per degree Celsius", notes);
  }
  return notes;
}

}  // namespace stavelorn
