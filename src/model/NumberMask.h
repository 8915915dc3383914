// The fixed-width number forms of the printed report, named by their masks:
//   "@@@", "@@"                  an integer right-aligned in 3 (2) characters, longer ones whole;
//   " 0.0000E+00;-0.0000E+00"    one digit, point, four digits, exponent of at least two digits;
//   " 0.000E+00;-0.000E+00"      the same with three digits after the point;
//   " 0.000E+0;-0.000E+0"        three digits after the point, exponent of at least one digit;
//   " 00.00E+0;-00.00E+0"        two digits before the point and two after;
// and the plain integer form: a blank or "-", the digits, one trailing blank.
// The number forms of the program's other texts are in NumberText.h.
#pragma once

#include <string>
#include <string_view>

namespace stavelorn {

// `value` written with one of the masks listed above; throws std::invalid_argument for any other
// mask. Scientific masks give a non-negative number (negative zero included) a leading blank and
// a negative one a leading "-". The value is taken at the seven significant digits that the
// project file and the grids show for it and rounded half away from zero to the mask's digits,
// so 1.00005 prints as 1.0001E+00 and 9.99996 as 1.0000E+01. The "@" masks print the whole
// number nearest to `value`.
std::string FormatMasked(float value, std::string_view mask);

// The plain integer form: " 5 ", "-12 ", " 0 ".
std::string FormatPlainInteger(long value);

}  // namespace stavelorn
