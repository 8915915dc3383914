#include "reports/MiniJson.h"

#include <cctype>
#include <cstring>
#include <stdexcept>

namespace stavelorn {
namespace {

class Reader {
 public:
  explicit Reader(const std::string& text) : s_(text) {}

  JsonValue Document() {
    JsonValue value = Value();
    Peek();
    if (i_ != s_.size()) Fail("text after the value");
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
  std::size_t Digits() {
    std::size_t start = i_;
    while (i_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[i_]))) ++i_;
    return i_ - start;
  }

  JsonValue Value() {
    JsonValue v;
    const char c = Peek();
    if (Eat('{')) {
      v.kind = JsonValue::Kind::Object;
      if (Eat('}')) return v;
      do {
        Peek();
        std::string key = String();
        Expect(':');
        if (!v.members.emplace(key, Value()).second) Fail("duplicate key " + key);
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
    } else if (s_.compare(i_, 4, "true") == 0 || s_.compare(i_, 5, "false") == 0) {
      v.kind = JsonValue::Kind::Bool;
      i_ += c == 't' ? 4 : 5;
    } else if (s_.compare(i_, 4, "null") == 0) {
      i_ += 4;
    } else {
      // A number exactly as the grammar has it: no leading zeros, digits after a point.
      v.kind = JsonValue::Kind::Number;
      const std::size_t start = i_;
      if (s_[i_] == '-') ++i_;
      if (!(i_ < s_.size() && s_[i_] == '0' && ++i_) && Digits() == 0) Fail("bad number");
      if (i_ < s_.size() && s_[i_] == '.' && (++i_, Digits() == 0)) Fail("bad fraction");
      if (i_ < s_.size() && (s_[i_] == 'e' || s_[i_] == 'E')) {
        if (++i_ < s_.size() && (s_[i_] == '+' || s_[i_] == '-')) ++i_;
        if (Digits() == 0) Fail("bad exponent");
      }
      v.text = s_.substr(start, i_ - start);
    }
    return v;
  }

  // A string's contents: an escape gives the character after the backslash, "\n" a line break.
  std::string String() {
    if (i_ >= s_.size() || s_[i_] != '"') Fail("expected a string");
    std::string out;
    for (++i_; i_ < s_.size() && s_[i_] != '"'; ++i_) {
      if (static_cast<unsigned char>(s_[i_]) < 0x20) Fail("control character in a string");
      if (s_[i_] != '\\') {
        out += s_[i_];
      } else if (++i_ < s_.size() && s_[i_] != '\0' && std::strchr("\"\\/bfnrtu", s_[i_])) {
        out += s_[i_] == 'n' ? '\n' : s_[i_];
      } else {
        Fail("bad escape");
      }
    }
    if (i_++ >= s_.size()) Fail("unterminated string");
    return out;
  }

  const std::string& s_;
  std::size_t i_ = 0;
};

}  // namespace

const JsonValue& JsonValue::operator[](const std::string& key) const {
  auto it = members.find(key);
  if (it == members.end()) throw std::runtime_error("JSON: no member " + key);
  return it->second;
}

JsonValue ParseJson(const std::string& text) {
  return Reader(text).Document();
}

}  // namespace stavelorn
