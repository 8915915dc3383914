// What a typed field must hold before its item is stored: a number (the whole text, blanks
// trimmed), a number greater than zero (a modulus, an area, a moment of inertia), or a whole
// number naming an existing joint, material, cross-section or member. A text that does not meet
// its rule is refused with a message naming the field and what was typed; nothing is ever read
// as a different number than the one the user sees.
#pragma once

#include <optional>
#include <string>

namespace stavelorn {

// Title of the message that refuses a field.
inline constexpr char kFieldErrorTitle[] = "Invalid Entry";

struct FieldRule {
  enum class Kind {
    Any,       // free text, never checked
    Text,      // free text that may be required
    Number,    // any finite number
    Positive,  // a number greater than zero
    Whole,     // a whole number from Low to High
  };
  Kind Is = Kind::Any;
  bool Required = false;  // an empty field is refused
  int Low = 0, High = 0;
};

// A field that may hold any text but not be left empty.
FieldRule TextRule();
// A field that may hold any number; `required` refuses it empty (otherwise empty means 0).
FieldRule NumberRule(bool required);
// A required number greater than zero.
FieldRule PositiveRule();
// A required whole number from `low` to `high`.
FieldRule WholeRule(int low, int high);

// The number a typed field holds: the whole text with blanks trimmed, in the decimal form the
// project file uses ("2.9e4", "-1.5", "7"). Nothing when the text is anything else ("2OOe6",
// "12kN", "") or outside what a stored value can hold (StoredRangeProblem).
std::optional<double> FieldNumber(const std::string& text);

// "" when `text` meets `rule`; otherwise the message that refuses it, naming the field by its
// label (trailing blanks and colons dropped: "Modulus of Elasticity - E :" names
// "Modulus of Elasticity - E") and quoting what was typed.
std::string FieldProblem(const std::string& label, const std::string& text, const FieldRule& rule);

}  // namespace stavelorn
