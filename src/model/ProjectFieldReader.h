// The project file's fields, one after another as the writer made them: a field ends at a
// comma or a line end, blanks around an unquoted field do not count, a quoted field may hold
// commas and doubled quotes. Line breaks between fields carry no meaning to the reader, but each
// field knows its line, and whether a line end closed it, for the messages.
#pragma once

#include <cstddef>
#include <string>

#include "model/NumberText.h"
#include "model/RunError.h"

namespace stavelorn {

struct Field {
  std::string text;
  bool quoted = false;
  int line = 0;
  // No comma followed it: a line end or the end of the text closed it.
  bool lastOnLine = true;
};

inline bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
inline bool IsLineEnd(char c) {
  return c == '\r' || c == '\n';
}

// Splits the text into fields and keeps count of lines for the messages.
class FieldReader {
 public:
  explicit FieldReader(const std::string& text) : text_(text) {}

  // Skips blanks and line breaks; true when nothing but them is left.
  bool AtEnd() {
    for (; pos_ < text_.size() && (IsBlank(text_[pos_]) || IsLineEnd(text_[pos_])); ++pos_)
      CountLine(pos_);
    return pos_ >= text_.size();
  }

  // Reads the next field; `where` names what was expected, for the error message.
  RunResult Next(Field& field, const std::string& where) {
    if (AtEnd())
      return RunError{kErrPastEndOfFile, "Input past end of file: the file ends before " + where};
    field = Field{};
    field.line = line_;
    if (text_[pos_] == '"') {
      field.quoted = true;
      for (++pos_;; ++pos_) {
        if (pos_ >= text_.size())
          return RunError{kErrPastEndOfFile,
                          "Input past end of file: the quoted text that opens on line " +
                              std::to_string(field.line) + " (" + where + ") is never closed"};
        CountLine(pos_);
        if (text_[pos_] != '"') {
          field.text += text_[pos_];
        } else if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '"') {
          field.text += '"';  // a doubled quote stands for one
          ++pos_;
        } else {
          ++pos_;
          break;
        }
      }
      while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
      if (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_]))
        return RunError{kErrTypeMismatch,
                        "Type mismatch: unexpected text after the quoted field on line " +
                            std::to_string(line_) + " (" + where + ")"};
    } else {
      std::size_t start = pos_;
      while (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_])) ++pos_;
      std::size_t end = pos_;
      while (end > start && IsBlank(text_[end - 1])) --end;
      field.text = text_.substr(start, end - start);
    }
    field.lastOnLine = !(pos_ < text_.size() && text_[pos_] == ',');
    if (!field.lastOnLine) ++pos_;
    return std::nullopt;
  }

 private:
  void CountLine(std::size_t at) {
    // CR LF, a lone LF and a lone CR each end one line.
    if (text_[at] == '\n' ||
        (text_[at] == '\r' && (at + 1 >= text_.size() || text_[at + 1] != '\n')))
      ++line_;
  }

  const std::string& text_;
  std::size_t pos_ = 0;
  int line_ = 1;
};

// What quoting a field for a message looks like: short, and free of control characters.
inline std::string Shown(const std::string& text) {
  std::string shown;
  for (char c : text.substr(0, 40)) shown += (static_cast<unsigned char>(c) < 32) ? '?' : c;
  return "\"" + shown + (text.size() > 40 ? "...\"" : "\"");
}

// The fields of a section's records read as values, each fault named by its field, record,
// section and line.
class SectionValueReader {
 protected:
  explicit SectionValueReader(const std::string& text) : fields_(text) {}

  RunResult ReadValue(std::int16_t& value, const std::string& what, Field* read = nullptr) {
    Field field;
    if (RunResult e = fields_.Next(field, Place(what))) return e;
    lastLine_ = field.line;
    if (read) *read = field;
    bool overflow = false;
    std::optional<std::int16_t> parsed =
        field.quoted ? std::nullopt : ParseInt16(field.text, overflow);
    if (overflow)
      return RunError{kErrOverflow, "Overflow: " + Place(what) + " on line " +
                                        std::to_string(field.line) + " reads " + Shown(field.text) +
                                        ", outside -32768..32767"};
    if (!parsed)
      return RunError{kErrTypeMismatch, "Type mismatch: " + Place(what) + " on line " +
                                            std::to_string(field.line) + " reads " +
                                            Shown(field.text) + ", not a whole number"};
    value = *parsed;
    return std::nullopt;
  }

  // `read`, when given, receives the field as read.
  RunResult ReadValue(float& value, const std::string& what, Field* read = nullptr) {
    Field field;
    if (RunResult e = fields_.Next(field, Place(what))) return e;
    lastLine_ = field.line;
    if (read) *read = field;
    std::optional<float> parsed = field.quoted ? std::nullopt : ParseSingle(field.text);
    if (!parsed)
      return RunError{kErrTypeMismatch, "Type mismatch: " + Place(what) + " on line " +
                                            std::to_string(field.line) + " reads " +
                                            Shown(field.text) + ", not a number"};
    const std::string limit = StoredRangeProblem(field.text);
    if (!limit.empty())
      return RunError{kErrOverflow, "Overflow: " + Place(what) + " on line " +
                                        std::to_string(field.line) + ": " + limit};
    value = *parsed;
    return std::nullopt;
  }

  // "field 2 of record 3 of section "Joints"", for the messages.
  std::string Place(const std::string& what) const {
    std::string section = "section \"" + section_ + "\"";
    return record_ > 0 ? what + " of record " + std::to_string(record_) + " of " + section
                       : what + " of " + section;
  }

  FieldReader fields_;
  std::string section_;
  int record_ = 0;
  int lastLine_ = 0;  // of the last number read
};

}  // namespace stavelorn
