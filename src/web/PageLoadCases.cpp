#include "web/PageLoadCases.h"

#include <algorithm>

#include "app/LoadCaseTables.h"
#include "model/LoadCaseEdits.h"
#include "reports/JsonText.h"
#include "ui/AccessibleNames.h"
#include "web/PageJson.h"

namespace stavelorn {

namespace {

std::string ShownJson(const std::string& text) {
  return text.empty() ? "null"
                      : "{\"title\": " + JsonString(kLoadCasesTitle) +
                            ", \"text\": " + JsonString(text) + "}";
}

}  // namespace

std::string PageLoadCases::Window() const {
  const ModelStore& model = page_.model_;
  const NamesTable table = LoadCaseTable(model);
  const std::vector<NamesWindowButton> buttons(NamesWindowButtons().begin(),
                                               NamesWindowButtons().end());
  return "{\"caption\": " + JsonString(kLoadCasesTitle) +
         ", \"nameLabel\": " + JsonString(SpokenCaption(kCaseNameLabel)) +
         ", \"headings\": " + JsonArray(table.Headings, JsonString) + ", \"rows\": " +
         JsonArray(table.Rows,
                   [](const std::vector<std::string>& row) { return JsonArray(row, JsonString); }) +
         ", \"newName\": " + JsonString(NewLoadCaseName(model)) + ", \"buttons\": " +
         JsonArray(buttons,
                   [](const NamesWindowButton& b) {
                     return "{\"name\": " + JsonString(b.Name) +
                            ", \"caption\": " + JsonString(SpokenCaption(b.Caption)) + "}";
                   }) +
         "}";
}

std::string PageLoadCases::Command(const std::string& button, int row, const std::string& name,
                                   bool confirmed) {
  ModelStore& model = page_.model_;
  std::string question;
  std::string refusal;
  int selected = row;
  const bool open = page_.session_.Open();
  bool edited = open;
  if (open && button == "AddB") {
    refusal = AddLoadCase(model, name);
    selected = model.LoadCaseCount();
  } else if (open && button == "RenameB") {
    refusal = RenameLoadCase(model, row, name);
  } else if (open && button == "DeleteB") {
    question = confirmed ? "" : DeleteCaseQuestion(model, row);
    if (question.empty()) {
      refusal = DeleteLoadCase(model, row);
      selected = std::max(row - 1, 1);
    }
  } else if (open && button == "UpB" && row > 1) {
    refusal = MoveLoadCase(model, row, row - 1);
    selected = row - 1;
  } else if (open && button == "DownB") {
    refusal = MoveLoadCase(model, row, row + 1);
    selected = row + 1;
  } else {
    edited = false;
  }
  if (!refusal.empty()) selected = row;
  if (edited && question.empty() && refusal.empty()) {
    // The lists show the cases as they now are; the results no longer describe the data.
    editing_.CloseList();
    page_.session_.DropAnalysis();
    page_.session_.RecordChange(Change::LoadCases);
  }
  return "{\"window\": " + Window() + ", \"row\": " + std::to_string(selected) +
         ", \"question\": " + ShownJson(question) + ", \"refusal\": " + ShownJson(refusal) +
         ", \"state\": " + editing_.State() + "}";
}

}  // namespace stavelorn
