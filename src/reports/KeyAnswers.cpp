#include "reports/KeyAnswers.h"

#include "reports/JsonText.h"

namespace stavelorn {

namespace {

std::string ValueText(const AnswerKey& key, double value) {
  return key.DoublePrecision() ? JsonNumber(value) : JsonNumber(static_cast<float>(value));
}

// The grid in the shape an answers file gives it: one number, a list, or a list of rows.
std::string ValuesJson(const AnswerKey& key, const AnswerGrid& grid) {
  if (grid.Shape == AnswerShape::Scalar) return ValueText(key, grid.At(0, 0));
  std::string rows;
  for (int r = 0; r < grid.Rows; ++r) {
    std::string row;
    if (grid.Shape == AnswerShape::Vector) {
      row = ValueText(key, grid.At(r, 0));
    } else {
      for (int c = 0; c < grid.Cols; ++c)
        row += (c == 0 ? "" : ", ") + ValueText(key, grid.At(r, c));
      row = "[" + row + "]";
    }
    rows += (r == 0 ? "" : ", ") + row;
  }
  return "[" + rows + "]";
}

}  // namespace

std::string KeyAnswersJson(const AnswerKey& key, const std::string& indent) {
  std::string items;
  const auto add = [&](const AnswerQuantityInfo& info, int member) {
    items += (items.empty() ? "\n" : ",\n") + indent + "  {\"quantity\": " + JsonString(info.Name) +
             (info.PerMember ? ", \"member\": " + std::to_string(member) : "") +
             ", \"values\": " + ValuesJson(key, key.Expected(info.Quantity, member)) + "}";
  };
  for (const AnswerQuantityInfo& info : AnswerQuantities()) {
    if (!key.Has(info.Quantity)) continue;
    if (!info.PerMember) add(info, 0);
    for (int member = 1; info.PerMember && member <= key.MemberCount(); ++member) add(info, member);
  }
  return "[" + items + (items.empty() ? "]" : "\n" + indent + "]");
}

}  // namespace stavelorn
