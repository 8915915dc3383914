#include "model/Units.h"

namespace stavelorn {

namespace {

constexpr std::array<UnitInfo, 5> kForceUnits = {{
    {"N", "N", 1.0},
    {"kN", "kN", 1.0e3},
    {"MN", "MN", 1.0e6},
    {"lb", "lb", 4.4482216152605},
    {"kip", "kip", 4448.2216152605},
}};

constexpr std::array<UnitInfo, 5> kLengthUnits = {{
    {"mm", "mm", 1.0},
    {"cm", "cm", 10.0},
    {"m", "m", 1000.0},
    {"in", "in", 25.4},
    {"ft", "ft", 304.8},
}};

constexpr std::array<UnitInfo, 2> kTemperatureUnits = {{
    {"C", "°C", 1.8},
    {"F", "°F", 1.0},
}};

template <typename Unit, std::size_t N>
std::optional<Unit> FindIn(const std::array<UnitInfo, N>& table, const std::string& name) {
  for (std::size_t i = 0; i < N; ++i)
    if (name == table[i].Name) return static_cast<Unit>(i);
  return std::nullopt;
}

template <std::size_t N>
std::string NamesOf(const std::array<UnitInfo, N>& table) {
  std::string names;
  for (const UnitInfo& unit : table) names += (names.empty() ? "" : ", ") + std::string(unit.Name);
  return names;
}

long double Power(long double base, int exponent) {
  long double result = 1;
  for (int i = 0; i < exponent; ++i) result *= base;
  for (int i = 0; i > exponent; --i) result /= base;
  return result;
}

// One factor of a unit text: the unit raised to a power, written as the style writes powers.
std::string Factor(const std::string& symbol, int power, UnitStyle style) {
  if (power == 1) return symbol;
  if (style == UnitStyle::Ascii) return symbol + std::to_string(power);
  static const char* const kSuperscripts[] = {"", "", "²", "³", "⁴"};
  return symbol + (power <= 4 ? kSuperscripts[power] : "^" + std::to_string(power));
}

}  // namespace

UnitSystem NamedUnits(ForceUnit force, LengthUnit length, TemperatureUnit temperature) {
  return UnitSystem{true, force, length, temperature};
}

const std::array<UnitInfo, 5>& ForceUnits() {
  return kForceUnits;
}
const std::array<UnitInfo, 5>& LengthUnits() {
  return kLengthUnits;
}
const std::array<UnitInfo, 2>& TemperatureUnits() {
  return kTemperatureUnits;
}

const UnitInfo& InfoOf(ForceUnit unit) {
  return kForceUnits.at(static_cast<std::size_t>(unit));
}
const UnitInfo& InfoOf(LengthUnit unit) {
  return kLengthUnits.at(static_cast<std::size_t>(unit));
}
const UnitInfo& InfoOf(TemperatureUnit unit) {
  return kTemperatureUnits.at(static_cast<std::size_t>(unit));
}

std::optional<ForceUnit> FindForceUnit(const std::string& name) {
  return FindIn<ForceUnit>(kForceUnits, name);
}
std::optional<LengthUnit> FindLengthUnit(const std::string& name) {
  return FindIn<LengthUnit>(kLengthUnits, name);
}
std::optional<TemperatureUnit> FindTemperatureUnit(const std::string& name) {
  return FindIn<TemperatureUnit>(kTemperatureUnits, name);
}

std::string ForceUnitNames() {
  return NamesOf(kForceUnits);
}
std::string LengthUnitNames() {
  return NamesOf(kLengthUnits);
}
std::string TemperatureUnitNames() {
  return NamesOf(kTemperatureUnits);
}

Dimension DimensionOf(Quantity quantity) {
  switch (quantity) {
    case Quantity::Angle: return {0, 0, 0};
    case Quantity::Length: return {0, 1, 0};
    case Quantity::Area: return {0, 2, 0};
    case Quantity::SecondMoment: return {0, 4, 0};
    case Quantity::Force: return {1, 0, 0};
    case Quantity::Moment: return {1, 1, 0};
    case Quantity::ForcePerLength: return {1, -1, 0};
    case Quantity::Stress: return {1, -2, 0};
    case Quantity::TemperatureChange: return {0, 0, 1};
    case Quantity::PerTemperature: return {0, 0, -1};
  }
  return {0, 0, 0};
}

long double ConversionFactor(Quantity quantity, const UnitSystem& from, const UnitSystem& to) {
  if (!from.Named || !to.Named) return 1;
  const Dimension d = DimensionOf(quantity);
  // A value v in unit u is v·size(u) of the base unit, so in unit u' it is v·size(u)/size(u').
  auto ratio = [](const UnitInfo& a, const UnitInfo& b) {
    return static_cast<long double>(a.Size) / static_cast<long double>(b.Size);
  };
  return Power(ratio(InfoOf(from.Force), InfoOf(to.Force)), d.Force) *
         Power(ratio(InfoOf(from.Length), InfoOf(to.Length)), d.Length) *
         Power(ratio(InfoOf(from.Temperature), InfoOf(to.Temperature)), d.Temperature);
}

std::string UnitText(const UnitSystem& units, Quantity quantity, UnitStyle style) {
  if (!units.Named) return "";
  const Dimension d = DimensionOf(quantity);
  const bool ascii = style == UnitStyle::Ascii;
  const std::string force = InfoOf(units.Force).Symbol;
  const std::string length = InfoOf(units.Length).Symbol;
  const std::string temperature =
      ascii ? InfoOf(units.Temperature).Name : InfoOf(units.Temperature).Symbol;
  std::string numerator, denominator;
  auto add = [&](const std::string& symbol, int power) {
    if (power == 0) return;
    std::string& side = power > 0 ? numerator : denominator;
    if (!side.empty()) side += ascii ? "-" : "·";
    side += Factor(symbol, power > 0 ? power : -power, style);
  };
  add(force, d.Force);
  add(length, d.Length);
  add(temperature, d.Temperature);
  if (denominator.empty()) return numerator;
  return (numerator.empty() ? "1" : numerator) + "/" + denominator;
}

std::string WithUnit(const std::string& label, const UnitSystem& units, Quantity quantity) {
  const std::string unit = UnitText(units, quantity);
  if (unit.empty()) return label;
  std::size_t end = label.find_last_not_of(' ');
  if (end != std::string::npos && label[end] == ':') {
    std::size_t before = label.find_last_not_of(' ', end == 0 ? 0 : end - 1);
    std::size_t cut = before == std::string::npos ? 0 : before + 1;
    return label.substr(0, cut) + " [" + unit + "] " + label.substr(end);
  }
  return label + " [" + unit + "]";
}

std::string UnitSystemText(const UnitSystem& units) {
  if (!units.Named) return "";
  return std::string(InfoOf(units.Force).Symbol) + ", " + InfoOf(units.Length).Symbol + ", " +
         InfoOf(units.Temperature).Symbol;
}

}  // namespace stavelorn
