// The units a project is stated in: a force, a length and a temperature-difference unit, or
// "unnamed" (any consistent units, nothing said about them). The one table of the units (their
// names as the project file writes them, their sizes) and the one table of dimensions (each
// kind of quantity as powers of force, length and temperature) live here; labels ask UnitText,
// conversions ask ConversionFactor.
#pragma once

#include <array>
#include <optional>
#include <string>

namespace stavelorn {

enum class ForceUnit { N, kN, MN, lb, kip };
enum class LengthUnit { mm, cm, m, in, ft };
enum class TemperatureUnit { C, F };  // temperature differences: degrees Celsius, Fahrenheit

// A project's units. Unnamed (Named false) is the default and means the values are in whatever
// consistent units the user chose; the three units are then meaningless.
struct UnitSystem {
  bool Named = false;
  ForceUnit Force = ForceUnit::kN;
  LengthUnit Length = LengthUnit::m;
  TemperatureUnit Temperature = TemperatureUnit::C;

  bool operator==(const UnitSystem& other) const {
    return Named == other.Named && (!Named || (Force == other.Force && Length == other.Length &&
                                               Temperature == other.Temperature));
  }
  bool operator!=(const UnitSystem& other) const { return !(*this == other); }
};

// The named units "kN", "m", "C".
UnitSystem NamedUnits(ForceUnit force, LengthUnit length, TemperatureUnit temperature);

// One unit: its name as the project file, the batch tool and the JSON write it ("kN", "C"), its
// symbol as labels show it ("kN", "°C") and its size in newtons, millimetres or degrees
// Fahrenheit, from the exact definitions (1 in = 25.4 mm, 1 lb = 4.4482216152605 N,
// 1 °C of difference = 1.8 °F).
struct UnitInfo {
  const char* Name;
  const char* Symbol;
  double Size;
};

const std::array<UnitInfo, 5>& ForceUnits();
const std::array<UnitInfo, 5>& LengthUnits();
const std::array<UnitInfo, 2>& TemperatureUnits();

const UnitInfo& InfoOf(ForceUnit unit);
const UnitInfo& InfoOf(LengthUnit unit);
const UnitInfo& InfoOf(TemperatureUnit unit);

// The unit of this exact (case-sensitive) name, or nothing.
std::optional<ForceUnit> FindForceUnit(const std::string& name);
std::optional<LengthUnit> FindLengthUnit(const std::string& name);
std::optional<TemperatureUnit> FindTemperatureUnit(const std::string& name);

// "N, kN, MN, lb, kip": the accepted names of a table, for messages.
std::string ForceUnitNames();
std::string LengthUnitNames();
std::string TemperatureUnitNames();

// The kinds of quantity the model holds. Angles (rotations, angles of roll) have no unit that
// changes with the system: they stay in radians and degrees.
enum class Quantity {
  Angle,
  Length,             // coordinates, translations, load distances, fabrication errors
  Area,               // A
  SecondMoment,       // I, J
  Force,              // point loads, forces at joints and member ends
  Moment,             // couples, torques, moments at joints and member ends
  ForcePerLength,     // distributed loads
  Stress,             // moduli E and G
  TemperatureChange,  // temperature differences
  PerTemperature,     // the coefficient of thermal expansion
};

// A quantity as powers of force, length and temperature difference.
struct Dimension {
  int Force;
  int Length;
  int Temperature;
};

// The dimension table.
Dimension DimensionOf(Quantity quantity);

// What a value of this quantity in `from` units is multiplied by to be stated in `to` units;
// 1 when either system is unnamed. Computed in long double from the table's exact sizes.
long double ConversionFactor(Quantity quantity, const UnitSystem& from, const UnitSystem& to);

// How a unit is written: for the windows, dialogs and JSON-free texts ("kN/m²", "kN·m", "1/°C"),
// or in plain ASCII for the fixed-pitch report ("kN/m2", "kN-m", "1/C").
enum class UnitStyle { Symbols, Ascii };

// The unit of a quantity in the system: "" when the system is unnamed or the quantity is an
// angle.
std::string UnitText(const UnitSystem& units, Quantity quantity,
                     UnitStyle style = UnitStyle::Symbols);

// A heading or label with its unit: "Area (A)" -> "Area (A) [m²]"; a dialog label ending in a
// colon keeps the colon last ("Area -  (A)  :" -> "Area -  (A) [m²] :"). The label unchanged
// when the unit text is empty.
std::string WithUnit(const std::string& label, const UnitSystem& units, Quantity quantity);

// "kN, m, °C", as the main window and the units dialog describe the system; "" when unnamed.
std::string UnitSystemText(const UnitSystem& units);

}  // namespace stavelorn
