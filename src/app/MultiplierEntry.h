// The deflection multiplier box of the main window: the whole number the deformed shape is
// magnified by, the text the box shows as typed, and the value the last analysis chose, whose
// multiples the box's list offers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace stavelorn {

class MultiplierEntry {
 public:
  // The largest multiplier the model stores.
  static constexpr std::int32_t kLargest = 2147483647;

  std::int32_t Value() const { return value_; }
  const std::string& Text() const { return text_; }

  // The box's list: the value the last analysis chose and a few multiples of it.
  std::vector<std::string> Choices() const;

  // The text as it is being typed: taken at once when it is a positive whole number (so typing
  // 12 sets 12); anything else waits for the end of the entry.
  void Type(const std::string& text);
  // The entry is complete (picked, Return, the box left, a double-click). Returns "" when
  // accepted, else the reason it was refused, naming the box and what was typed; the multiplier
  // then keeps its last accepted value.
  std::string Enter(const std::string& text);

  // An analysis chose `value` to show its shape at a scale the eye can follow: it is put in use,
  // the box showing exactly its value, and the list offers its multiples.
  void Choose(std::int32_t value);

 private:
  void Accept(const std::string& text);

  std::int32_t value_ = 5;
  std::string text_ = " 5";
  std::int32_t chosen_ = 5;
};

}  // namespace stavelorn
