#include "ui/AccessibleNames.h"

namespace stavelorn {

namespace {

std::string Trimmed(const std::string& text, const char* padding) {
  const std::size_t first = text.find_first_not_of(padding);
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(padding) - first + 1);
}

}  // namespace

std::string SpokenCaption(const std::string& caption) {
  std::string text;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size())
      ++i;  // skip the mark, keep what it marks
    else if (caption[i] == '&')
      continue;
    text += caption[i];
  }
  return Trimmed(text, " .:");
}

std::string UnpaddedCaption(const std::string& caption) {
  return Trimmed(caption, " ");
}

std::string LabelledValue(const std::string& what, const std::string& value) {
  const std::string shown = Trimmed(value, " ");
  if (shown.empty()) return what;
  if (shown.rfind(what + ":", 0) == 0) return shown;  // the label already says what it shows
  return what + ": " + shown;
}

}  // namespace stavelorn
