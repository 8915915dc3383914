// Every way the program turns a number into text or text into a number, kept in one place so the
// project file, the grids and the reports agree.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace stavelorn {

// The shortest text that gives back the same single-precision value to 7 significant digits:
// plain where that fits ("0", "240", "-10.5", "0.0065"), exponent form otherwise ("6.5E-06",
// "1.234568E+07"). Used by the project file and, as the general number form, by the grids.
// Negative zero is written "0". The value must be finite.
std::string FormatShortest(float value);

// Reads a whole field as a decimal number (sign, digits, optional point and fraction, optional
// exponent with E, e, D or d). Returns nothing when the text is not such a number; a finite
// number too large for single precision comes back as +-infinity so the caller can report it.
std::optional<float> ParseSingle(const std::string& text);

// The limits of a stored value, as the messages name them: the largest magnitude and the
// smallest non-zero one of a single-precision number.
inline constexpr char kLargestStoredText[] = "3.4E+38";
inline constexpr char kSmallestStoredText[] = "1.2E-38";

// For a text ParseSingle reads: "" when its value can be stored, else why not, quoting the text
// ("1e39 is larger than the largest value this program stores, 3.4E+38"). A non-zero value too
// near 0 to store is refused as well, never kept as 0.
std::string StoredRangeProblem(const std::string& text);

// Reads a whole field as a signed decimal integer. Returns nothing when it is not one or does not
// fit in 16 bits; `overflow` tells which.
std::optional<std::int16_t> ParseInt16(const std::string& text, bool& overflow);

// The number a typed text begins with: leading blanks skipped, then a sign, digits, a point and
// an exponent as far as they go; 0 when the text does not begin with a number ("12abc" -> 12,
// "abc" -> 0, " -1.5e2x" -> -150).
double LeadingNumber(const std::string& text);

// The shortest text that reads back to exactly this value, as JSON, the trail and the method's
// tables write numbers: plain unless the exponent form is shorter, a tie going to the plain form
// ("0.1", "-0", "12345000", "1e+05", "1.5e-05", "3.4028235e+38"), the plain form of a large
// number giving its exact digits. The same bytes in every build, whatever its standard library.
// The value must be finite.
std::string RoundTripText(double value);
std::string RoundTripText(float value);

// Reads a decimal number (an optional '-', digits, point, exponent; "inf" and "nan" too) at the
// start of [first, last) in the C locale, whatever the program's locale. Returns the end of what
// was read, or nothing when no number begins there. A value too large for the type comes back as
// a signed infinity, one too small as a signed zero.
std::optional<const char*> ReadNumber(const char* first, const char* last, double& value);
std::optional<const char*> ReadNumber(const char* first, const char* last, float& value);

}  // namespace stavelorn
