#include "web/PageEditorJson.h"

#include <vector>

#include "reports/JsonText.h"
#include "web/PageJson.h"

namespace stavelorn {

namespace {

std::string Bool(bool value) {
  return value ? "true" : "false";
}

const char* RuleKind(FieldRule::Kind kind) {
  switch (kind) {
    case FieldRule::Kind::Any: return "any";
    case FieldRule::Kind::Text: return "text";
    case FieldRule::Kind::Number: return "number";
    case FieldRule::Kind::Positive: return "positive";
    case FieldRule::Kind::Whole: return "whole";
  }
  return "any";
}

std::string RuleJson(const FieldRule& rule) {
  return "{\"kind\": \"" + std::string(RuleKind(rule.Is)) +
         "\", \"required\": " + Bool(rule.Required) + ", \"low\": " + std::to_string(rule.Low) +
         ", \"high\": " + std::to_string(rule.High) + "}";
}

std::vector<int> Range(int first, int last) {
  std::vector<int> range;
  for (int i = first; i <= last; ++i) range.push_back(i);
  return range;
}

// The list window's buttons as the desktop lays them out.
struct ListButton {
  const char* Command;
  const char* Caption;
  bool ListWindowForm::*Shown;
};
constexpr ListButton kButtons[] = {
    {"insert", "Insert", &ListWindowForm::InsertVisible},
    {"edit", "Edit", &ListWindowForm::EditVisible},
    {"delete", "Delete", &ListWindowForm::DeleteVisible},
};

}  // namespace

std::string ListWindowJson(const ListEditor& editor, const std::string& preview) {
  const ListWindowForm& window = editor.Window();
  const GridModel& grid = editor.Grid();
  const std::vector<int> cols = Range(0, grid.Cols() - 1);
  const auto row = [&](int r) {
    return JsonArray(cols, [&](int c) { return JsonString(grid.Text(r, c)); });
  };
  std::string buttons = "[{\"command\": \"add\", \"caption\": " + JsonString(window.AddCaption) +
                        ", \"shown\": " + Bool(window.AddVisible) + "}";
  for (const ListButton& b : kButtons)
    buttons += ", {\"command\": \"" + std::string(b.Command) + "\", \"caption\": \"" + b.Caption +
               "\", \"shown\": " + Bool(window.*b.Shown) + "}";
  return "{\"form\": " + JsonString(EditorFormName(window.Id)) +
         ", \"caption\": " + JsonString(window.Caption) +
         ", \"label1\": " + JsonString(window.Label1) +
         ", \"label2\": " + JsonString(window.Label2) +
         ", \"closeCaption\": " + JsonString(window.CloseCaption) + ", \"buttons\": " + buttons +
         "], \"headings\": " + row(0) +
         ", \"rows\": " + JsonArray(Range(1, editor.ItemCount()), row) +
         ", \"count\": " + std::to_string(editor.ItemCount()) +
         ", \"current\": " + std::to_string(editor.CurrentItem()) +
         ", \"preview\": " + JsonString(preview) + "}";
}

std::string EntryFormJson(const EntryForm& form) {
  const auto field = [&](int i) {
    const EntryField& f = form.Text[static_cast<std::size_t>(i)];
    return "{\"field\": " + std::to_string(i) + ", \"label\": " + JsonString(f.Label) +
           ", \"text\": " + JsonString(f.Text) + ", \"shown\": " + Bool(f.Visible) +
           ", \"readOnly\": " + Bool(f.ReadOnly) + ", \"rule\": " + RuleJson(f.Rule) + "}";
  };
  const auto check = [&](int i) {
    const EntryCheck& c = form.Check[static_cast<std::size_t>(i)];
    const EntrySpring& spring = form.Spring[static_cast<std::size_t>(i)];
    return "{\"check\": " + std::to_string(i) + ", \"caption\": " + JsonString(c.Caption) +
           ", \"checked\": " + Bool(c.Checked) + ", \"shown\": " + Bool(c.Visible) +
           ", \"spring\": {\"caption\": " + JsonString(kSpringCaption) +
           ", \"name\": " + JsonString(SpringSpokenName(c)) +
           ", \"checked\": " + Bool(spring.Checked) +
           ", \"shown\": " + Bool(c.Visible && spring.Visible) +
           ", \"label\": " + JsonString(spring.Stiffness.Label) +
           ", \"text\": " + JsonString(spring.Stiffness.Text) + ", \"stiffnessShown\": " +
           Bool(c.Visible && spring.Visible && spring.Stiffness.Visible) + "}}";
  };
  const EntryChoice& choice = form.Choice;
  return "{\"form\": " + JsonString(EditorFormName(form.Id)) +
         ", \"caption\": " + JsonString(form.Caption) +
         ", \"nextCaption\": " + JsonString(form.NextCaption) +
         ", \"checkGroup\": " + JsonString(form.CheckGroup) +
         ", \"note\": " + JsonString(form.Note) +
         ", \"noteField\": " + std::to_string(form.NoteField) +
         ", \"focus\": " + std::to_string(form.FocusField) +
         ", \"focusSpring\": " + std::to_string(form.FocusSpring) +
         ", \"fields\": " + JsonArray(Range(1, EntryForm::kFields), field) +
         ", \"checks\": " + JsonArray(Range(1, EntryForm::kChecks), check) +
         ", \"choice\": {\"label\": " + JsonString(choice.Label) +
         ", \"options\": " + JsonArray(choice.Options, JsonString) +
         ", \"selected\": " + std::to_string(choice.Selected) +
         ", \"shown\": " + Bool(choice.Visible) + "}}";
}

}  // namespace stavelorn
