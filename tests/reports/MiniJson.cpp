#include "reports/MiniJson.h"

#include <cstring>
#include <stdexcept>

namespace stavelorn {
namespace {

class Reader {
 public:
  explicit Reader(const std::string& text) : s_(text) {}

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
    while (i_ < s_.size() && std::strchr(" \n\r\t", s_[i_]) && s_[i_] != '\0') ++i_;
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
        Peek();
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
    } else if (s_.compare(i_, 4, "true") == 0 || s_.compare(i_, 5, "false") == 0) {
      v.kind = JsonValue::Kind::Bool;
      i_ += c == 't' ? 4 : 5;
    } else {
      const std::size_t start = i_;
      while (i_ < s_.size() && std::strchr("+-.0123456789eE", s_[i_]) && s_[i_] != '\0') ++i_;
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
