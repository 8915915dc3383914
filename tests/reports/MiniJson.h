// A small JSON reader for tests of our own writer's output: objects, arrays, strings with
// escapes, numbers and null. It throws std::runtime_error where the text is not
// JSON, so a test can both check that text is JSON and look inside it.
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

class JsonReader {
 public:
  explicit JsonReader(const std::string& text) : s_(text) {}

  JsonValue Document() {
    JsonValue value = Value();
    if (Peek() != '\0') Fail("text after the value");
    return value;
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const {
    throw std::runtime_error("JSON: " + what + " at offset " + std::to_string(i_));
  }
  // The next character after white space, or '\0' at the end.
  char Peek() {
    while (i_ < s_.size() && s_[i_] != '\0' && std::strchr(" \n\r\t", s_[i_])) ++i_;
    return i_ < s_.size() ? s_[i_] : '\0';
  }
  bool Eat(char c) { return Peek() == c && (++i_, true); }
  void Expect(char c) {
    if (!Eat(c)) Fail(std::string("expected '") + c + "'");
  }

  JsonValue Value() {
    JsonValue v;
    const char c = Peek();
    if (Eat('{')) {
      v.kind = JsonValue::Kind::Object;
      if (Eat('}')) return v;
      do {
        std::string key = String();
        Expect(':');
        v.members[key] = Value();
      } while (Eat(','));
      Expect('}');
    } else if (Eat('[')) {
      v.kind = JsonValue::Kind::Array;
      if (Eat(']')) return v;
      do v.items.push_back(Value());
      while (Eat(','));
      Expect(']');
    } else if (c == '"') {
      v.kind = JsonValue::Kind::String;
      v.text = String();
    } else if (s_.compare(i_, 4, "null") == 0) {
      i_ += 4;
    } else {
      const std::size_t start = i_;
      while (i_ < s_.size() && s_[i_] != '\0' && std::strchr("+-.0123456789eE", s_[i_])) ++i_;
      if (i_ == start) Fail("expected a value");
      v.kind = JsonValue::Kind::Number;
      v.text = s_.substr(start, i_ - start);
    }
    return v;
  }

  // A string's contents: an escape gives the character after the backslash, "\n" a line break.
  std::string String() {
    if (!Eat('"')) Fail("expected a string");
    std::string out;
    for (; i_ < s_.size() && s_[i_] != '"'; ++i_) {
      if (s_[i_] == '\\' && ++i_ < s_.size())
        out += s_[i_] == 'n' ? '\n' : s_[i_];
      else
        out += s_[i_];
    }
    if (i_++ >= s_.size()) Fail("unterminated string");
    return out;
  }

  const std::string& s_;
  std::size_t i_ = 0;
};

inline JsonValue ParseJson(const std::string& text) {
  return JsonReader(text).Document();
}

}  // namespace stavelorn
