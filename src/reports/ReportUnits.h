// The units of the report's tables. The report is fixed-pitch text, so units are written in
// plain ASCII ("kN/m2", "kN-m") and set on a line of their own over the rule of dashes that ends
// a table's heading, each centred over its column; a project without named units prints its
// headings exactly as before.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "model/Units.h"
#include "reports/ReportPrinter.h"

namespace stavelorn {

// "[kN/m2]", or "" when the units are unnamed or the quantity is an angle.
std::string ReportUnit(const UnitSystem& units, Quantity quantity);

// The units of a table whose first column numbers its records (and has no unit), followed by
// one column per quantity.
std::vector<std::string> NumberedColumnUnits(const UnitSystem& units,
                                             const std::vector<Quantity>& quantities);

// The line of units for a heading whose last line is `rule`: the i-th unit centred over the
// i-th run of dashes, cut to the run's width when longer; "" when every unit is "".
std::string UnitsLine(std::string_view rule, const std::vector<std::string>& units);

// The lines of a heading as the structure-type table words it (its unused lines are null).
std::vector<std::string_view> HeadingLines(const std::array<const char*, 3>& heading);

// Prints each of `lines` after `blanks` spaces, with the line of units before the last one
// when there is one.
void PrintHeading(ReportPrinter& printer, int blanks, const std::vector<std::string_view>& lines,
                  const std::vector<std::string>& units);

}  // namespace stavelorn
