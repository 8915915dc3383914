// The load-case edits of ProjectCommands: the Load Cases and Load Combinations windows and the
// "Show:" choice beside the results.
#include "app/LoadCaseTables.h"
#include "app/ProjectCommands.h"
#include "model/LoadCaseEdits.h"
#include "model/NumberText.h"

namespace stavelorn {

bool ProjectCommands::CommitLoadCaseEdit(const std::string& refusal, Change change) {
  if (!refusal.empty()) {
    messages_.ShowStop(change == Change::LoadCases ? kLoadCasesTitle : kCombinationsTitle, refusal);
    return false;
  }
  session_.DropAnalysis();
  session_.RecordChange(change);
  ShowCurrentModel();
  return true;
}

bool ProjectCommands::AddLoadCase(const std::string& name) {
  return CommitLoadCaseEdit(stavelorn::AddLoadCase(model_, name), Change::LoadCases);
}

bool ProjectCommands::RenameLoadCase(int c, const std::string& name) {
  return CommitLoadCaseEdit(stavelorn::RenameLoadCase(model_, c, name), Change::LoadCases);
}

bool ProjectCommands::DeleteLoadCase(int c) {
  const std::string question = DeleteCaseQuestion(model_, c);
  if (!question.empty() && messages_.AskQuestion(kLoadCasesTitle, question) != kAnswerYes)
    return false;
  return CommitLoadCaseEdit(stavelorn::DeleteLoadCase(model_, c), Change::LoadCases);
}

bool ProjectCommands::MoveLoadCase(int c, int to) {
  return CommitLoadCaseEdit(stavelorn::MoveLoadCase(model_, c, to), Change::LoadCases);
}

bool ProjectCommands::AddCombination(const std::string& name) {
  return CommitLoadCaseEdit(stavelorn::AddCombination(model_, name), Change::LoadCombinations);
}

bool ProjectCommands::RenameCombination(std::size_t k, const std::string& name) {
  return CommitLoadCaseEdit(stavelorn::RenameCombination(model_, k, name),
                            Change::LoadCombinations);
}

bool ProjectCommands::DeleteCombination(std::size_t k) {
  return CommitLoadCaseEdit(stavelorn::DeleteCombination(model_, k), Change::LoadCombinations);
}

bool ProjectCommands::SetCombinationFactor(std::size_t k, int c, const std::string& text) {
  const std::optional<float> factor = ParseSingle(text);
  const std::string refusal =
      factor ? stavelorn::SetCombinationFactor(model_, k, c, *factor)
             : "\"" + text + "\" is not a number: a factor is a number such as 1.2 or -0.9.";
  return CommitLoadCaseEdit(refusal, Change::LoadCombinations);
}

void ProjectCommands::ChooseShown(std::size_t choice) {
  session_.ChooseShown(choice);
  windows_.Redraw();
}

}  // namespace stavelorn
