// The choices of Stability > Options…: how many pieces each member is divided into and how many
// buckling modes the critical load seeks. The session keeps them while the project is open; the
// dialog's fields are checked here, each row of the field table naming its field and limits.
#pragma once

#include <array>
#include <string>

#include "analysis/CriticalLoad.h"
#include "analysis/DividedStructure.h"

namespace stavelorn {

struct StabilityOptions {
  int Segments = kDefaultSegments;    // pieces per member
  int Modes = kDefaultBucklingModes;  // buckling modes sought
};

// One field of the dialog: its caption (with its access key), its limits and the option it sets.
struct StabilityField {
  const char* Caption;
  const char* Name;  // the control's object and accessible name
  int Low, High;
  int StabilityOptions::*Value;
};

inline constexpr std::size_t kStabilityFieldCount = 2;
const std::array<StabilityField, kStabilityFieldCount>& StabilityFields();

// What the dialog's fields hold, as typed, in the order of StabilityFields().
struct StabilityOptionsForm {
  std::array<std::string, kStabilityFieldCount> Texts;

  static StabilityOptionsForm Load(const StabilityOptions& options);

  // Why OK cannot take the fields: the message naming the first field that is wrong and what was
  // typed there, and that field's index; an empty text when every field is a whole number
  // within its limits.
  struct Refusal {
    std::string Text;
    std::size_t Field = 0;
  };
  Refusal Check() const;
  // The options the fields hold; only after Check found nothing to refuse.
  StabilityOptions Chosen() const;
};

// "each member in 4 pieces": how the stability windows and messages name the division.
std::string PiecesText(const StabilityOptions& options);

// "Multiples of the project's loads, each member in 4 pieces.": what the critical load's window
// says its load factors are.
std::string LoadFactorsText(const StabilityOptions& options);

// The titles of the options dialog, the critical load's window and the second-order window, and
// of the messages each gives.
inline constexpr char kStabilityOptionsTitle[] = "Stability Options";
inline constexpr char kCriticalLoadTitle[] = "Critical Load";
inline constexpr char kSecondOrderTitle[] = "Second-Order Analysis";

// What the options dialog says under its fields.
inline constexpr char kStabilityOptionsNote[] =
    "Critical Load and Second-Order Analysis divide every member into equal pieces, so that each "
    "can bend; more pieces come closer to the exact load factors and take longer. The choice "
    "holds while this project is open.";

}  // namespace stavelorn
