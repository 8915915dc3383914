#include "reports/AnswerFile.h"

#include <cmath>

#include "model/NumberText.h"
#include "reports/AnswerJudge.h"
#include "reports/JsonReader.h"

namespace stavelorn {

namespace {

using Kind = JsonValue::Kind;

// "answer 3 (k of member 2)"
std::string ItemName(std::size_t index, const JsonValue& item, const GivenAnswer& answer) {
  std::string name = "answer " + std::to_string(index + 1);
  const JsonValue* quantity = item.Find("quantity");
  if (!quantity || quantity->kind != Kind::String || !FindAnswerQuantity(quantity->text))
    return name;
  name += " (" + quantity->text;
  if (answer.Member > 0) name += " of member " + std::to_string(answer.Member);
  return name + ")";
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

std::string Number(double value, bool single) {
  if (!std::isfinite(value)) return "null";
  return single ? RoundTripText(static_cast<float>(value)) : RoundTripText(value);
}

}  // namespace

std::optional<std::string> ReadAnswers(const std::string& text, const AnswerKey& key,
                                       std::vector<GivenAnswer>& answers) {
  JsonValue document;
  try {
    document = ParseJson(text);
  } catch (const JsonError& error) {
    return std::string("not JSON: ") + error.what();
  }
  const JsonValue* list = document.kind == Kind::Object ? document.Find("answers") : nullptr;
  if (!list || list->kind != Kind::Array) return std::string("no \"answers\" list");
  answers.clear();
  for (std::size_t i = 0; i < list->items.size(); ++i) {
    GivenAnswer answer;
    if (auto fault = ReadItem(list->items[i], key, answer))
      return ItemName(i, list->items[i], answer) + " " + *fault;
    answers.push_back(std::move(answer));
  }
  return std::nullopt;
}

std::string CheckJson(const AnswerKey& key, const std::vector<GivenAnswer>& answers) {
  const bool single = !key.DoublePrecision();
  int checked = 0, right = 0;
  std::string items;
  for (const GivenAnswer& a : answers) {
    const AnswerQuantityInfo& info = InfoOf(a.Quantity);
    const std::string head = "{\"quantity\": \"" + std::string(info.Name) + "\", \"member\": " +
                             (info.PerMember ? std::to_string(a.Member) : "null");
    const bool matrix = info.Shape == AnswerShape::Matrix;
    const int cols = matrix ? key.Expected(a.Quantity, a.Member).Cols : 1;
    auto item = [&](int index, double given, const std::string& rest) {
      items += std::string(items.empty() ? "\n  " : ",\n  ") + head +
               ", \"row\": " + std::to_string(index / cols + 1) +
               ", \"col\": " + (matrix ? std::to_string(index % cols + 1) : "null") +
               ", \"given\": " + Number(given, false) + rest + "}";
    };
    if (!key.Has(a.Quantity)) {
      for (std::size_t i = 0; i < a.Values.size(); ++i)
        if (a.Values[i])
          item(static_cast<int>(i), *a.Values[i],
               ", \"expected\": null, \"right\": null, \"slip\": null");
      continue;
    }
    for (const EntryVerdict& v : JudgeAnswer(key, a.Quantity, a.Member, a.Values)) {
      ++checked;
      right += v.Right;
      const std::string slip =
          v.Named == Slip::None ? "null" : "\"" + std::string(SlipName(v.Named)) + "\"";
      item(v.Row * cols + v.Col, v.Given,
           ", \"expected\": " + Number(v.Expected, single) +
               ", \"right\": " + (v.Right ? "true" : "false") + ", \"slip\": " + slip);
    }
  }
  return "{\"checked\": " + std::to_string(checked) + ", \"right\": " + std::to_string(right) +
         ", \"items\": [" + items + (items.empty() ? "]}\n" : "\n ]}\n");
}

}  // namespace stavelorn
