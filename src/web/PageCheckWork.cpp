#include "web/PageCheckWork.h"

#include <algorithm>

#include "analysis/ModelCheck.h"
#include "app/MenuState.h"
#include "reports/JsonText.h"
#include "web/PageJson.h"

namespace stavelorn {

namespace {

const char* MarkName(EntryMark mark) {
  switch (mark) {
    case EntryMark::Entered: return "entered";
    case EntryMark::Right: return "right";
    case EntryMark::Wrong: return "wrong";
    case EntryMark::NotNumber: return "notNumber";
    case EntryMark::Empty: break;
  }
  return "empty";
}

std::string CellsJson(const CheckWork& work) {
  const AnswerGrid& grid = work.Grid();
  std::string json = "[";
  for (int r = 0; r < grid.Rows; ++r) {
    json += r ? ", [" : "[";
    for (int c = 0; c < grid.Cols; ++c)
      json += std::string(c ? ", " : "") + "{\"text\": " + JsonString(work.Entry(r, c)) +
              ", \"mark\": \"" + MarkName(work.Mark(r, c)) +
              "\", \"verdict\": " + JsonString(work.Tooltip(r, c)) +
              ", \"answer\": " + JsonString(work.AnswerText(r, c)) + "}";
    json += "]";
  }
  return json + "]";
}

}  // namespace

PageCheckWork::PageCheckWork(PageSession& page) : page_(page) {}

std::string PageCheckWork::Command() const {
  const ProjectSession& session = page_.session_;
  const bool offered =
      session.Open() &&
      MenuState(session.CurrentPhase(), page_.model_).Visible(MenuItem::MnuExercise);
  return "{\"command\": " + CaptionJson(MenuItemOf(MenuItem::MnuCheckWork).Caption) +
         ", \"offered\": " + JsonBool(offered) + "}";
}

std::string PageCheckWork::Open() {
  const ProjectSession& session = page_.session_;
  work_.reset();
  if (!session.Open()) return "";
  const MethodTrail* trail = session.ResultsShown() ? session.Analysis()->Trail.get() : nullptr;
  std::string problem;
  std::optional<AnswerKey> key = KeyForExercise(page_.model_, session.Results(), trail, problem);
  if (!key)
    return "{\"refusal\": {\"title\": " + JsonString(kInputDataErrorTitle) +
           ", \"text\": " + JsonString(problem) + ", \"style\": \"stop\"}}";
  work_.emplace(std::move(*key));
  return State();
}

std::string PageCheckWork::State() const {
  if (!work_) return "";
  const CheckWork& work = *work_;
  const std::vector<AnswerQuantity> offered = work.Offered();
  const auto chosen = std::find(offered.begin(), offered.end(), work.Quantity()) - offered.begin();
  const AnswerGrid& grid = work.Grid();
  return "{\"title\": " + JsonString(kCheckWorkTitle) +
         ", \"labels\": {\"quantity\": " + CaptionJson(kCheckWorkQuantityLabel) +
         ", \"member\": " + CaptionJson(kCheckWorkMemberLabel) +
         ", \"entries\": " + CaptionJson(kCheckWorkEntriesCaption) +
         ", \"answer\": " + CaptionJson(kCheckWorkAnswerCaption) +
         ", \"check\": " + CaptionJson(kCheckWorkCheckButton) +
         ", \"showAnswer\": " + CaptionJson(kCheckWorkShowAnswerButton) +
         "}, \"note\": " + JsonString(work.Note()) + ", \"quantities\": " +
         JsonArray(offered, [](AnswerQuantity q) { return JsonString(InfoOf(q).Title); }) +
         ", \"quantity\": " + std::to_string(chosen) +
         ", \"members\": " + std::to_string(work.Key().MemberCount()) +
         ", \"member\": " + std::to_string(work.Member()) +
         ", \"grid\": " + JsonString(grid.Title) +
         ", \"rows\": " + JsonArray(grid.RowLabels, JsonString) +
         ", \"columns\": " + JsonArray(grid.ColumnLabels, JsonString) +
         ", \"cells\": " + CellsJson(work) + ", \"checked\": " + JsonBool(work.Checked()) +
         ", \"summary\": " + JsonString(work.Summary()) +
         ", \"findings\": " + JsonArray(work.Findings(), JsonString) +
         ", \"answerShown\": " + JsonBool(work.AnswerShown()) + "}";
}

std::string PageCheckWork::Choose(int quantity, int member) {
  if (!work_) return "";
  const std::vector<AnswerQuantity> offered = work_->Offered();
  if (quantity >= 0 && quantity < static_cast<int>(offered.size()) && member >= 1 &&
      member <= std::max(work_->Key().MemberCount(), 1))
    work_->Choose(offered[static_cast<std::size_t>(quantity)], member);
  return State();
}

std::string PageCheckWork::Type(int row, int col, const std::string& text) {
  if (work_) work_->SetEntry(row, col, text);
  return State();
}

std::string PageCheckWork::Paste(int row, int col, const std::string& text,
                                 const std::string& typed) {
  if (!work_) return "";
  if (IsCellBlock(text))
    work_->Paste(row, col, text);
  else
    work_->SetEntry(row, col, typed);
  return State();
}

std::string PageCheckWork::Check() {
  if (work_) work_->Check();
  return State();
}

std::string PageCheckWork::ShowAnswer() {
  if (work_) work_->ShowAnswer();
  return State();
}

void PageCheckWork::Close() {
  work_.reset();
}

}  // namespace stavelorn
