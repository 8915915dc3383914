// How a list grid's text becomes a stored number when an editor's Close writes the grid into
// the model: the leading number of the text, 0 when the text does not begin with one.
#pragma once

#include <cstdint>
#include <string>

namespace stavelorn {

// The value in single precision. A number beyond the single range is kept at the largest
// single of its sign, so the model never holds an infinity that could not be shown or saved.
float CellSingle(const std::string& text);

// The value rounded to the nearest integer, halves to even ("2.5" -> 2, "3.5" -> 4), kept
// within the 16-bit range.
std::int16_t CellInteger(const std::string& text);

// A stored value as the grids show it: the general number form.
std::string CellText(float value);

}  // namespace stavelorn
