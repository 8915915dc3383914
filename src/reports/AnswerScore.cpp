#include "reports/AnswerScore.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace stavelorn {

namespace {

constexpr int kSlipCount = static_cast<int>(Slip::SwappedCoordinates) + 1;

std::string CountText(int n, const char* what) {
  return std::to_string(n) + " " + what + (n == 1 ? "" : "s");
}

// One item of the list: "k", "k:2" or "S".
std::optional<std::string> ReadAskedItem(const std::string& item,
                                         std::vector<AskedQuantity>& asked) {
  const std::size_t colon = item.find(':');
  const std::string name = item.substr(0, colon);
  const AnswerQuantityInfo* info = FindAnswerQuantity(name);
  if (!info)
    return "\"" + name +
           "\" is no quantity (one of L, cosines, codes, k, T, K, Qf, Ff, v, "
           "u, Q, F, S, P, d, reactions)";
  AskedQuantity quantity{info->Quantity, 0};
  if (colon != std::string::npos) {
    if (!info->PerMember) return "\"" + item + "\": " + name + " belongs to no one member";
    const char* begin = item.data() + colon + 1;
    const char* end = item.data() + item.size();
    const auto [stop, error] = std::from_chars(begin, end, quantity.Member);
    if (error != std::errc() || stop != end || quantity.Member < 1)
      return "\"" + item + "\": a member is a number from 1";
  }
  asked.push_back(quantity);
  return std::nullopt;
}

bool Same(const AskedQuantity& a, const AskedQuantity& b) {
  return a.Quantity == b.Quantity && a.Member == b.Member;
}

// The asked list with every member spelt out, once each; what the key cannot be asked goes to
// `skipped`.
std::vector<AskedQuantity> SpeltOut(const AnswerKey& key, const std::vector<AskedQuantity>& asked,
                                    std::vector<std::string>& skipped) {
  std::vector<AskedQuantity> out;
  auto add = [&](const AskedQuantity& q) {
    if (std::none_of(out.begin(), out.end(), [&](const AskedQuantity& o) { return Same(o, q); }))
      out.push_back(q);
  };
  for (const AskedQuantity& q : asked) {
    if (!key.Has(q.Quantity)) {
      skipped.push_back(AskedLabel(q.Quantity, q.Member) +
                        " not judged: the program has no value for it");
    } else if (!InfoOf(q.Quantity).PerMember || q.Member > 0) {
      if (q.Member <= key.MemberCount())
        add(q);
      else
        skipped.push_back(AskedLabel(q.Quantity, q.Member) + " not judged: the structure has " +
                          CountText(key.MemberCount(), "member"));
    } else {
      for (int m = 1; m <= key.MemberCount(); ++m) add({q.Quantity, m});
    }
  }
  return out;
}

// The entries of one quantity: the given ones judged, the others unanswered when `all`.
JudgedQuantity Judge(const AnswerKey& key, AnswerQuantity quantity, int member,
                     const std::vector<std::optional<double>>& given, bool all) {
  JudgedQuantity judged{quantity, member, true, 1, {}};
  const AnswerGrid grid = key.Expected(quantity, member);
  judged.Cols = grid.Cols;
  if (!key.Has(quantity)) {
    judged.Judged = false;
    for (std::size_t i = 0; i < given.size(); ++i)
      if (given[i]) {
        EntryVerdict v;
        v.Row = static_cast<int>(i) / grid.Cols;
        v.Col = static_cast<int>(i) % grid.Cols;
        v.Given = *given[i];
        judged.Entries.push_back({v, true});
      }
    return judged;
  }
  const std::vector<EntryVerdict> verdicts = JudgeAnswer(key, quantity, member, given);
  auto next = verdicts.begin();
  for (std::size_t i = 0; i < given.size(); ++i) {
    if (given[i]) {
      judged.Entries.push_back({*next++, true});
    } else if (all) {
      EntryVerdict v;
      v.Row = static_cast<int>(i) / grid.Cols;
      v.Col = static_cast<int>(i) % grid.Cols;
      v.Expected = grid.Values[i];
      judged.Entries.push_back({v, false});
    }
  }
  return judged;
}

Judgement Begun(const AnswerKey& key, const AnswerSheet& sheet) {
  Judgement judged;
  judged.SinglePrecision = !key.DoublePrecision();
  judged.Skipped = sheet.Malformed;
  judged.Skipped.insert(judged.Skipped.end(), sheet.Repeated.begin(), sheet.Repeated.end());
  return judged;
}

}  // namespace

std::optional<std::string> ReadAskedList(const std::string& text,
                                         std::vector<AskedQuantity>& asked) {
  asked.clear();
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = text.find(',', start);
    const std::string item = text.substr(start, comma - start);
    if (item.empty()) return "an empty item in \"" + text + "\"";
    if (auto fault = ReadAskedItem(item, asked)) return fault;
    if (comma == std::string::npos) return std::nullopt;
    start = comma + 1;
  }
}

std::string AskedLabel(AnswerQuantity quantity, int member) {
  const std::string name = InfoOf(quantity).Name;
  return member > 0 ? name + ":" + std::to_string(member) : name;
}

int JudgedQuantity::Checked() const {
  return Judged ? static_cast<int>(Entries.size()) : 0;
}

int JudgedQuantity::Right() const {
  if (!Judged) return 0;
  return static_cast<int>(std::count_if(Entries.begin(), Entries.end(),
                                        [](const JudgedEntry& e) { return e.Verdict.Right; }));
}

int Judgement::Checked() const {
  int n = 0;
  for (const JudgedQuantity& q : Quantities) n += q.Checked();
  return n;
}

int Judgement::Right() const {
  int n = 0;
  for (const JudgedQuantity& q : Quantities) n += q.Right();
  return n;
}

Slip Judgement::CommonSlip() const {
  std::array<int, kSlipCount> counts{};
  for (const JudgedQuantity& q : Quantities)
    for (const JudgedEntry& e : q.Entries)
      if (q.Judged && !e.Verdict.Right) ++counts[static_cast<std::size_t>(e.Verdict.Named)];
  Slip common = Slip::None;
  int most = 0;
  for (int s = 1; s < kSlipCount; ++s)
    if (counts[static_cast<std::size_t>(s)] > most)
      most = counts[static_cast<std::size_t>(s)], common = static_cast<Slip>(s);
  return common;
}

Judgement JudgeGiven(const AnswerKey& key, const AnswerSheet& sheet) {
  Judgement judged = Begun(key, sheet);
  // A quantity left wholly null is not judged at all.
  for (const GivenAnswer& a : sheet.Answers)
    if (std::any_of(a.Values.begin(), a.Values.end(), [](const auto& v) { return v.has_value(); }))
      judged.Quantities.push_back(Judge(key, a.Quantity, a.Member, a.Values, false));
  return judged;
}

Judgement JudgeAsked(const AnswerKey& key, const AnswerSheet& sheet,
                     const std::vector<AskedQuantity>& asked) {
  Judgement judged = Begun(key, sheet);
  for (const AskedQuantity& q : SpeltOut(key, asked, judged.Skipped)) {
    const auto given = std::find_if(
        sheet.Answers.begin(), sheet.Answers.end(),
        [&](const GivenAnswer& a) { return a.Quantity == q.Quantity && a.Member == q.Member; });
    const std::vector<std::optional<double>> none(key.Expected(q.Quantity, q.Member).Values.size());
    judged.Quantities.push_back(Judge(key, q.Quantity, q.Member,
                                      given == sheet.Answers.end() ? none : given->Values, true));
  }
  return judged;
}

}  // namespace stavelorn
