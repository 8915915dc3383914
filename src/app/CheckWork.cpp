#include "app/CheckWork.h"

#include "analysis/AnalysisRun.h"
#include "app/MethodSteps.h"
#include "model/NumberText.h"

namespace stavelorn {

namespace {

bool Blank(const std::string& text) {
  return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

}  // namespace

std::optional<AnswerKey> KeyForExercise(const ModelStore& model, const StructureResults& results,
                                        const MethodTrail* shown, std::string& problem) {
  if (shown && results.Complete())
    return AnswerKey(model, results, std::make_shared<const MethodTrail>(*shown), true);
  const AnalysisRun run = CheckAndAnalyze(model, AvailableMemoryBytes(), true);
  if (run.Rejected) {
    problem = run.RejectionText;
    return std::nullopt;
  }
  return KeyOfAnalysis(model, run);
}

bool IsCellBlock(const std::string& text) {
  return text.find_first_of("\t\r\n") != std::string::npos;
}

CheckWork::CheckWork(AnswerKey key) : key_(std::move(key)) {
  const std::vector<AnswerQuantity> offered = Offered();
  if (!offered.empty()) Choose(offered.front(), 1);
}

std::vector<AnswerQuantity> CheckWork::Offered() const {
  std::vector<AnswerQuantity> offered;
  for (const AnswerQuantityInfo& info : AnswerQuantities())
    if (key_.Has(info.Quantity) && (!info.PerMember || key_.MemberCount() > 0))
      offered.push_back(info.Quantity);
  return offered;
}

std::string CheckWork::Note() const {
  return key_.Solved() ? ""
                       : "The analysis of this structure fails: only each member's steps up to "
                         "its fixed-end forces can be checked.";
}

void CheckWork::Choose(AnswerQuantity quantity, int member) {
  quantity_ = quantity;
  member_ = InfoOf(quantity).PerMember ? member : 0;
  shape_ = key_.Expected(quantity, member_);
  std::fill(shape_.Values.begin(), shape_.Values.end(), 0.0);
  entries_.assign(shape_.Values.size(), std::string());
  verdicts_.clear();
  checked_ = false;
  answer_.reset();
}

std::size_t CheckWork::Index(int row, int col) const {
  return static_cast<std::size_t>(row) * static_cast<std::size_t>(shape_.Cols) +
         static_cast<std::size_t>(col);
}

void CheckWork::SetEntry(int row, int col, const std::string& text) {
  if (row < 0 || col < 0 || row >= shape_.Rows || col >= shape_.Cols) return;
  entries_.at(Index(row, col)) = text;
  verdicts_.clear();
  checked_ = false;
  answer_.reset();
}

int CheckWork::Paste(int row, int col, const std::string& text) {
  int filled = 0;
  std::size_t start = 0;
  for (int r = row; start < text.size() && r < shape_.Rows; ++r) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    start = end + 1;
    std::size_t from = 0;
    for (int c = col; c < shape_.Cols; ++c) {
      const std::size_t tab = line.find('\t', from);
      SetEntry(r, c, line.substr(from, tab == std::string::npos ? std::string::npos : tab - from));
      ++filled;
      if (tab == std::string::npos) break;
      from = tab + 1;
    }
  }
  return filled;
}

void CheckWork::Check() {
  std::vector<std::optional<double>> given(entries_.size());
  for (std::size_t i = 0; i < entries_.size(); ++i)
    if (std::optional<float> value = ParseSingle(entries_[i])) given[i] = *value;
  verdicts_ = JudgeAnswer(key_, quantity_, member_, given);
  verdictAt_.assign(entries_.size(), -1);
  for (std::size_t i = 0; i < verdicts_.size(); ++i)
    verdictAt_[Index(verdicts_[i].Row, verdicts_[i].Col)] = static_cast<int>(i);
  checked_ = true;
}

const EntryVerdict* CheckWork::VerdictAt(int row, int col) const {
  const int i = checked_ ? verdictAt_.at(Index(row, col)) : -1;
  return i < 0 ? nullptr : &verdicts_[static_cast<std::size_t>(i)];
}

EntryMark CheckWork::Mark(int row, int col) const {
  if (Blank(Entry(row, col))) return EntryMark::Empty;
  if (!checked_) return EntryMark::Entered;
  const EntryVerdict* v = VerdictAt(row, col);
  return !v ? EntryMark::NotNumber : v->Right ? EntryMark::Right : EntryMark::Wrong;
}

std::string CheckWork::WhereText(int row, int col) const {
  EntryVerdict where;
  where.Row = row;
  where.Col = col;
  const std::string text = VerdictText(shape_, where);
  return text.substr(0, text.find(':'));
}

std::string CheckWork::Tooltip(int row, int col) const {
  switch (Mark(row, col)) {
    case EntryMark::Right: return "Right";
    case EntryMark::Wrong: {
      const EntryVerdict& v = *VerdictAt(row, col);
      return v.Named == Slip::None ? "Wrong"
                                   : std::string("Wrong: ") + SlipName(v.Named) + " — " + v.Hint;
    }
    case EntryMark::NotNumber: return "\"" + Entry(row, col) + "\" is not a number";
    default: return "";
  }
}

std::string CheckWork::Summary() const {
  if (!checked_) return "";
  int right = 0;
  for (const EntryVerdict& v : verdicts_) right += v.Right;
  const int judged = static_cast<int>(verdicts_.size());
  return std::to_string(judged) + (judged == 1 ? " entry" : " entries") +
         " checked: " + std::to_string(right) + " right, " + std::to_string(judged - right) +
         " wrong.";
}

std::vector<std::string> CheckWork::Findings() const {
  std::vector<std::string> lines;
  if (!checked_) return lines;
  for (int r = 0; r < shape_.Rows; ++r)
    for (int c = 0; c < shape_.Cols; ++c) {
      const EntryMark mark = Mark(r, c);
      if (mark == EntryMark::Wrong)
        lines.push_back(VerdictText(shape_, *VerdictAt(r, c)));
      else if (mark == EntryMark::NotNumber)
        lines.push_back(WhereText(r, c) + ": " + Tooltip(r, c));
    }
  return lines;
}

std::string CheckWork::AnswerText(int row, int col) const {
  return answer_ ? StepNumber(answer_->At(row, col)) : "";
}

void CheckWork::ShowAnswer() {
  answer_ = key_.Expected(quantity_, member_);
}

}  // namespace stavelorn
