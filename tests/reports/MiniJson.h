// A small JSON reader for tests of our own writer's output: objects, arrays, strings with
// escapes, numbers, true, false and null. It throws std::runtime_error where the text is not
// JSON, so a test can both check that text is JSON and look inside it.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace stavelorn {

struct JsonValue {
  enum class Kind { Null, Bool, Number, String, Array, Object } kind = Kind::Null;
  std::string text;  // a string's contents, or a number exactly as written
  std::vector<JsonValue> items;
  std::map<std::string, JsonValue> members;

  const JsonValue& operator[](const std::string& key) const;  // throws when absent
  const JsonValue& operator[](std::size_t index) const { return items.at(index); }
};

JsonValue ParseJson(const std::string& text);

}  // namespace stavelorn
