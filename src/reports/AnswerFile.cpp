#include "reports/AnswerFile.h"

#include <cmath>
#include <utility>

namespace stavelorn {

namespace {

using Kind = JsonValue::Kind;

// "answer 3 (k of member 2)"
std::string ItemName(std::size_t index, const JsonValue& item, const GivenAnswer& answer) {
  std::string name = "answer " + std::to_string(index + 1);
  const JsonValue* quantity = item.Find("quantity");
  const AnswerQuantityInfo* info =
      quantity && quantity->kind == Kind::String ? FindAnswerQuantity(quantity->text) : nullptr;
  return info ? name + " (" + AnswerLabel(info->Quantity, answer.Member) + ")" : name;
}

// One entry: a number or null.
std::optional<std::string> ReadEntry(const JsonValue& entry, const std::string& where,
                                     std::vector<std::optional<double>>& values) {
  if (entry.kind == Kind::Null) return values.emplace_back(), std::nullopt;
  if (entry.kind != Kind::Number) return where + " is not a number";
  try {
    values.emplace_back(entry.Number());
  } catch (const JsonError& error) {
    return where + ": " + error.what();
  }
  return std::nullopt;
}

std::string Count(int n, const char* what) {
  return std::to_string(n) + " " + what + (n == 1 ? "" : "s");
}

// The "values" of an item in the quantity's shape, row by row.
std::optional<std::string> ReadValues(const JsonValue& values, const AnswerGrid& grid,
                                      std::vector<std::optional<double>>& out) {
  // A whole quantity left as null is unanswered, entry by entry.
  if (values.kind == Kind::Null) return out.assign(grid.Values.size(), std::nullopt), std::nullopt;
  if (grid.Shape == AnswerShape::Scalar) {
    if (values.kind == Kind::Array) return std::string("expected one number, found a list");
    return ReadEntry(values, "the value", out);
  }
  if (values.kind != Kind::Array)
    return "expected a list of " +
           Count(grid.Rows, grid.Shape == AnswerShape::Matrix ? "row" : "number");
  if (static_cast<int>(values.items.size()) != grid.Rows)
    return "expected " + Count(grid.Rows, grid.Shape == AnswerShape::Matrix ? "row" : "number") +
           ", found " + std::to_string(values.items.size());
  for (int r = 0; r < grid.Rows; ++r) {
    const JsonValue& row = values.items[static_cast<std::size_t>(r)];
    const std::string where = "row " + std::to_string(r + 1);
    if (grid.Shape == AnswerShape::Vector) {
      if (auto fault = ReadEntry(row, where, out)) return fault;
      continue;
    }
    if (row.kind != Kind::Array || static_cast<int>(row.items.size()) != grid.Cols)
      return where + ": expected a list of " + Count(grid.Cols, "number");
    for (int c = 0; c < grid.Cols; ++c)
      if (auto fault = ReadEntry(row.items[static_cast<std::size_t>(c)],
                                 where + ", column " + std::to_string(c + 1), out))
        return fault;
  }
  return std::nullopt;
}

std::optional<std::string> ReadItem(const JsonValue& item, const AnswerKey& key,
                                    GivenAnswer& answer) {
  if (item.kind != Kind::Object) return std::string("is not an object");
  const JsonValue* quantity = item.Find("quantity");
  if (!quantity || quantity->kind != Kind::String) return std::string("has no \"quantity\"");
  const AnswerQuantityInfo* info = FindAnswerQuantity(quantity->text);
  if (!info) return "names an unknown quantity \"" + quantity->text + "\"";
  answer.Quantity = info->Quantity;
  if (info->PerMember) {
    const JsonValue* member = item.Find("member");
    if (!member || member->kind != Kind::Number) return std::string("has no \"member\" number");
    const double m = member->Number();
    if (m != std::floor(m) || m < 1 || m > key.MemberCount())
      return "names member " + member->text + ", which does not exist (the structure has " +
             Count(key.MemberCount(), "member") + ")";
    answer.Member = static_cast<int>(m);
  }
  const JsonValue* values = item.Find("values");
  if (!values) return std::string("has no \"values\"");
  return ReadValues(*values, key.Expected(answer.Quantity, answer.Member), answer.Values);
}

}  // namespace

std::string AnswerLabel(AnswerQuantity quantity, int member) {
  std::string label = InfoOf(quantity).Name;
  return member > 0 ? label + " of member " + std::to_string(member) : label;
}

std::optional<std::string> ParseAnswersDocument(const std::string& text, JsonValue& document) {
  try {
    document = ParseJson(text);
  } catch (const JsonError& error) {
    return std::string("not JSON: ") + error.what();
  }
  const JsonValue* list = document.kind == Kind::Object ? document.Find("answers") : nullptr;
  if (!list || list->kind != Kind::Array) return std::string("no \"answers\" list");
  return std::nullopt;
}

AnswerSheet ReadAnswerItems(const JsonValue& document, const AnswerKey& key) {
  AnswerSheet sheet;
  std::vector<std::size_t> itemOf;  // the item each sound answer was read from
  const std::vector<JsonValue>& items = document["answers"].items;
  for (std::size_t i = 0; i < items.size(); ++i) {
    GivenAnswer answer;
    if (auto fault = ReadItem(items[i], key, answer)) {
      sheet.Malformed.push_back(ItemName(i, items[i], answer) + " " + *fault);
      continue;
    }
    std::size_t first = 0;
    while (first < sheet.Answers.size() && (sheet.Answers[first].Quantity != answer.Quantity ||
                                            sheet.Answers[first].Member != answer.Member))
      ++first;
    if (first < sheet.Answers.size()) {
      sheet.Repeated.push_back(ItemName(i, items[i], answer) + " repeats answer " +
                               std::to_string(itemOf[first] + 1) + ": the copy is not judged");
      continue;
    }
    sheet.Answers.push_back(std::move(answer));
    itemOf.push_back(i);
  }
  return sheet;
}

}  // namespace stavelorn
