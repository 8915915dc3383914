// A small JSON reader for tests of our own writer's output: objects, arrays, strings with
// escapes, numbers and null, so that a test can look inside the output.
#pragma once

#include <cstring>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace stavelorn {

struct JsonValue {
  enum class Kind { Null, Number, String, Array, Object } kind = Kind::Null;
  std::string text;  // a string's contents, or a number exactly as written
  std::vector<JsonValue> items;
  std::map<std::string, JsonValue> members;

  const JsonValue& operator[](const std::string& key) const {
    auto it = members.find(key);
    if (it == members.end()) throw std::runtime_error("JSON: no member " + key);
    return it->second;
  }
  const JsonValue& operator[](std::size_t index) const { return items.at(index); }
};

// Lenient where our writer cannot go wrong (separators are skipped, not checked), but it throws
// rather than loop on text that ends early or holds no value where one is due.
class JsonReader {
 public:
  explicit JsonReader(const std::string& text) : s_(text) {}

  JsonValue Value() {
    JsonValue v;
    if (Eat('{')) {
      v.kind = JsonValue::Kind::Object;
      while (!Eat('}')) {
        Eat(',');
        std::string key = String();
        Eat(':');
        v.members[key] = Value();
      }
    } else if (Eat('[')) {
      v.kind = JsonValue::Kind::Array;
      while (!Eat(']')) {
        Eat(',');
        v.items.push_back(Value());
      }
    } else if (Peek() == '"') {
      v.kind = JsonValue::Kind::String;
      v.text = String();
    } else if (s_.compare(i_, 4, "null") == 0) {
      i_ += 4;
    } else {
      const std::size_t start = i_;
      while (i_ < s_.size() && s_[i_] != '\0' && std::strchr("+-.0123456789eE", s_[i_])) ++i_;
      if (i_ == start) throw std::runtime_error("JSON: no value at " + std::to_string(i_));
      v.kind = JsonValue::Kind::Number;
      v.text = s_.substr(start, i_ - start);
    }
    return v;
  }

 private:
  // The next character after white space, or '\0' at the end.
  char Peek() {
    while (i_ < s_.size() && s_[i_] != '\0' && std::strchr(" \n\r\t", s_[i_])) ++i_;
    return i_ < s_.size() ? s_[i_] : '\0';
  }
  bool Eat(char c) { return Peek() == c && (++i_, true); }

  // A string's contents: an escape gives the character after the backslash, "\n" a line break.
  std::string String() {
    if (!Eat('"')) throw std::runtime_error("JSON: no string at " + std::to_string(i_));
    std::string out;
    for (; i_ < s_.size() && s_[i_] != '"'; ++i_) {
      if (s_[i_] == '\\' && ++i_ < s_.size())
        out += s_[i_] == 'n' ? '\n' : s_[i_];
      else
        out += s_[i_];
    }
    ++i_;
    return out;
  }

  const std::string& s_;
  std::size_t i_ = 0;
};

inline JsonValue ParseJson(const std::string& text) {
  return JsonReader(text).Value();
}

}  // namespace stavelorn
