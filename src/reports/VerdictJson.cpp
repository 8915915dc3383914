#include "reports/VerdictJson.h"

#include <cstdio>

#include "reports/JsonText.h"

namespace stavelorn {

namespace {

std::string Bool(bool value) {
  return value ? "true" : "false";
}

std::string Given(const JudgedEntry& entry) {
  return entry.Answered ? JsonNumber(entry.Verdict.Given) : "null";
}

std::string Expected(const JudgedQuantity& q, const JudgedEntry& entry, bool single) {
  if (!q.Judged) return "null";
  return single ? JsonNumber(static_cast<float>(entry.Verdict.Expected))
                : JsonNumber(entry.Verdict.Expected);
}

std::string SlipText(const JudgedQuantity& q, const JudgedEntry& entry) {
  if (!q.Judged || entry.Verdict.Named == Slip::None) return "null";
  return JsonString(SlipName(entry.Verdict.Named));
}

// What a student reads beside a wrong entry: the slip's hint, or that it was not answered.
std::string HintText(const JudgedEntry& entry) {
  if (!entry.Answered) return JsonString("not answered");
  return entry.Verdict.Hint.empty() ? "null" : JsonString(entry.Verdict.Hint);
}

std::string Item(const JudgedQuantity& q, const JudgedEntry& entry, bool single, bool forStudent) {
  const AnswerQuantityInfo& info = InfoOf(q.Quantity);
  const bool matrix = info.Shape == AnswerShape::Matrix;
  std::string item = "{\"quantity\": " + JsonString(info.Name) +
                     ", \"member\": " + (info.PerMember ? std::to_string(q.Member) : "null") +
                     ", \"row\": " + std::to_string(entry.Verdict.Row + 1) +
                     ", \"col\": " + (matrix ? std::to_string(entry.Verdict.Col + 1) : "null");
  if (!forStudent)
    item += ", \"given\": " + Given(entry) + ", \"expected\": " + Expected(q, entry, single);
  item += ", \"right\": " + (q.Judged ? Bool(entry.Verdict.Right) : "null") +
          ", \"slip\": " + SlipText(q, entry);
  if (forStudent) item += ", \"hint\": " + (entry.Verdict.Right ? "null" : HintText(entry));
  return item + "}";
}

std::string QuantityScore(const JudgedQuantity& q) {
  return "{\"quantity\": " + JsonString(InfoOf(q.Quantity).Name) +
         ", \"member\": " + (InfoOf(q.Quantity).PerMember ? std::to_string(q.Member) : "null") +
         ", \"checked\": " + std::to_string(q.Checked()) +
         ", \"right\": " + std::to_string(q.Right()) + ", \"allRight\": " + Bool(q.AllRight()) +
         "}";
}

// A JSON list of `lines`, one a line, indented below `pad`.
std::string List(const std::vector<std::string>& lines, const std::string& pad) {
  if (lines.empty()) return "[]";
  std::string text = "[";
  for (std::size_t i = 0; i < lines.size(); ++i) text += (i ? ",\n" : "\n") + pad + "  " + lines[i];
  return text + "\n" + pad + " ]";
}

}  // namespace

std::string VerdictMembers(const Judgement& judged, bool forStudent, int indent) {
  const std::string pad(static_cast<std::size_t>(indent), ' ');
  std::vector<std::string> quantities, skipped, items;
  for (const JudgedQuantity& q : judged.Quantities) {
    if (q.Judged) quantities.push_back(QuantityScore(q));
    for (const JudgedEntry& entry : q.Entries)
      items.push_back(Item(q, entry, judged.SinglePrecision, forStudent));
  }
  for (const std::string& reason : judged.Skipped) skipped.push_back(JsonString(reason));
  return pad + "\"checked\": " + std::to_string(judged.Checked()) +
         ", \"right\": " + std::to_string(judged.Right()) +
         ", \"allRight\": " + Bool(judged.AllRight()) + ",\n" + pad +
         "\"quantities\": " + List(quantities, pad) + ",\n" + pad +
         "\"skipped\": " + List(skipped, pad) + ",\n" + pad + "\"items\": " + List(items, pad);
}

std::string CheckJson(const Judgement& judged, bool forStudent) {
  return "{" + VerdictMembers(judged, forStudent, 1).substr(1) + "}\n";
}

std::string ScoreText(int right, int checked) {
  char text[16];
  std::snprintf(text, sizeof text, "%.1f", checked > 0 ? 100.0 * right / checked : 0.0);
  return text;
}

}  // namespace stavelorn
