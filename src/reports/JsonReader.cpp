#include "reports/JsonReader.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "model/NumberText.h"

namespace stavelorn {

namespace {

// Nesting deeper than any answers file needs is refused rather than followed down the stack.
constexpr int kMaxDepth = 64;

class Reader {
 public:
  explicit Reader(const std::string& text) : s_(text) {}

  JsonValue Document() {
    JsonValue v = Value(0);
    if (Peek() != '\0') Fail("the end of the text after the value");
    return v;
  }

 private:
  JsonValue Value(int depth) {
    if (depth > kMaxDepth) Fail("less deeply nested lists");
    JsonValue v;
    const char c = Peek();
    if (c == '{') {
      ++i_;
      v.kind = JsonValue::Kind::Object;
      if (Eat('}')) return v;
      do {
        if (Peek() != '"') Fail("a member name in double quotes");
        std::string key = String();
        if (!Eat(':')) Fail("':' after the member name \"" + key + "\"");
        v.members[key] = Value(depth + 1);
      } while (Eat(','));
      if (!Eat('}')) Fail("',' or '}'");
    } else if (c == '[') {
      ++i_;
      v.kind = JsonValue::Kind::Array;
      if (Eat(']')) return v;
      do v.items.push_back(Value(depth + 1));
      while (Eat(','));
      if (!Eat(']')) Fail("',' or ']'");
    } else if (c == '"') {
      v.kind = JsonValue::Kind::String;
      v.text = String();
    } else if (Word("null")) {
    } else if (Word("true")) {
      v.kind = JsonValue::Kind::Bool;
      v.text = "true";
    } else if (Word("false")) {
      v.kind = JsonValue::Kind::Bool;
      v.text = "false";
    } else {
      v.kind = JsonValue::Kind::Number;
      v.text = NumberText();
    }
    return v;
  }

  [[noreturn]] void Fail(const std::string& expected) const {
    int line = 1;
    for (std::size_t k = 0; k < i_ && k < s_.size(); ++k) line += s_[k] == '\n';
    throw JsonError("line " + std::to_string(line) + ": expected " + expected);
  }

  // The next character after white space, or '\0' at the end.
  char Peek() {
    while (i_ < s_.size() && std::strchr(" \n\r\t", s_[i_]) && s_[i_] != '\0') ++i_;
    return i_ < s_.size() ? s_[i_] : '\0';
  }
  bool Eat(char c) { return Peek() == c && (++i_, true); }
  bool Word(const char* word) {
    const std::size_t n = std::strlen(word);
    if (Peek() != word[0] || s_.compare(i_, n, word) != 0) return false;
    i_ += n;
    return true;
  }

  // A number in JSON's own form: optional minus, digits, optional fraction and exponent.
  std::string NumberText() {
    const std::size_t start = i_;
    auto digits = [this] {
      const std::size_t from = i_;
      while (i_ < s_.size() && s_[i_] >= '0' && s_[i_] <= '9') ++i_;
      return i_ > from;
    };
    if (i_ < s_.size() && s_[i_] == '-') ++i_;
    if (!digits()) i_ = start, Fail("a value (a number, string, list, object or null)");
    if (i_ < s_.size() && s_[i_] == '.' && (++i_, !digits())) Fail("digits after '.'");
    if (i_ < s_.size() && (s_[i_] == 'e' || s_[i_] == 'E')) {
      ++i_;
      if (i_ < s_.size() && (s_[i_] == '+' || s_[i_] == '-')) ++i_;
      if (!digits()) Fail("digits in the exponent");
    }
    return s_.substr(start, i_ - start);
  }

  // A string's contents. "\n" and "\t" give their characters, "\u00XX" a byte, any other escape
  // the character after the backslash.
  std::string String() {
    ++i_;  // the opening quote
    std::string out;
    for (;; ++i_) {
      if (i_ >= s_.size()) Fail("'\"' to end the string");
      const char c = s_[i_];
      if (c == '"') break;
      if (c == '\n') Fail("'\"' before the end of the line");
      if (c != '\\') {
        out += c;
        continue;
      }
      if (++i_ >= s_.size()) Fail("an escaped character");
      const char e = s_[i_];
      if (e == 'u' && i_ + 4 < s_.size()) {
        out += static_cast<char>(std::strtol(s_.substr(i_ + 1, 4).c_str(), nullptr, 16));
        i_ += 4;
      } else {
        out += e == 'n' ? '\n' : e == 't' ? '\t' : e;
      }
    }
    ++i_;
    return out;
  }

  const std::string& s_;
  std::size_t i_ = 0;
};

}  // namespace

const JsonValue& JsonValue::operator[](const std::string& key) const {
  if (const JsonValue* value = Find(key)) return *value;
  throw JsonError("no member \"" + key + "\"");
}

const JsonValue* JsonValue::Find(const std::string& key) const {
  auto it = members.find(key);
  return it == members.end() ? nullptr : &it->second;
}

double JsonValue::Number() const {
  if (kind != Kind::Number) throw JsonError("not a number");
  // Read without the locale, which a windowed program may have set to a decimal comma.
  double value = 0;
  const auto end = ReadNumber(text.data(), text.data() + text.size(), value);
  if (!end || *end != text.data() + text.size() || !std::isfinite(value))
    throw JsonError("the number " + text + " is out of range");
  return value;
}

JsonValue ParseJson(const std::string& text) {
  return Reader(text).Document();
}

}  // namespace stavelorn
