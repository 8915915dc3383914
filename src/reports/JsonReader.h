// A small JSON reader for the files the batch tool is given (a class's answers) and for looking
// inside the JSON it writes: objects, arrays, strings with escapes, numbers, true, false and null.
// Numbers are kept as written and read on demand, so nothing is lost before it is judged.
#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace stavelorn {

// Text that is not JSON; the message names the line and what was expected there.
class JsonError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct JsonValue {
  enum class Kind { Null, Bool, Number, String, Array, Object } kind = Kind::Null;
  std::string text;  // a string's contents, a number exactly as written, "true" or "false"
  std::vector<JsonValue> items;
  std::map<std::string, JsonValue> members;

  // A member that must be there (throws JsonError naming it) and one that may not be (null).
  const JsonValue& operator[](const std::string& key) const;
  const JsonValue* Find(const std::string& key) const;
  const JsonValue& operator[](std::size_t index) const { return items.at(index); }
  double Number() const;  // the number's value (a number only)
};

// The one value `text` holds, with nothing but white space around it. Throws JsonError.
JsonValue ParseJson(const std::string& text);

}  // namespace stavelorn
