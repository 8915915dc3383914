#include "web/PageEditing.h"

#include <array>
#include <cstdlib>

#include "app/MenuRoutes.h"
#include "app/ProjectTitleForm.h"
#include "app/UnitsChange.h"
#include "editors/LoadCaseSelector.h"
#include "graphics/SvgPicture.h"
#include "model/ProjectFile.h"
#include "reports/JsonReader.h"
#include "reports/JsonText.h"
#include "ui/AccessibleNames.h"
#include "web/PageEditorJson.h"
#include "web/PageJson.h"

namespace stavelorn {

namespace {

// The New Project dialog's words, as the desktop's dialog shows them.
constexpr char kTitleCaption[] = "Project Title & Structure Type";
constexpr char kTitleLabel[] = " Project Title : ";
constexpr char kTypeLabel[] = "Structure Type :";
// The Units dialog's words, as the desktop's dialog shows them.
constexpr char kUnitsCaption[] = "Units";
constexpr char kNamedCaption[] = "Name the units of this project";
constexpr char kUnitsNote[] =
    "Without names, values are in any consistent units of your choice.\n"
    "Angles stay in radians (rotations) and degrees (angles of roll).";
// The name a download takes when the project has no file yet.
constexpr char kUntitledFile[] = "untitled.str";
// The side of a list window's preview picture, in pixels.
constexpr int kPreviewPixels = 400;

std::string Bool(bool value) {
  return value ? "true" : "false";
}

// The menu items that open a list window, in menu order.
std::vector<MenuItem> DataMenuItems() {
  std::vector<MenuItem> items;
  for (const MenuItemInfo& info : MenuItems())
    if (RouteOf(info.Item).Target == MenuTarget::DataWindow) items.push_back(info.Item);
  return items;
}

std::string FileTextOf(const ModelStore& model) {
  std::string text;
  return ProjectFileText(model, text) ? "" : text;
}

MenuItem DataMenuItemNamed(const std::string& name) {
  for (MenuItem item : DataMenuItems())
    if (name == MenuItemOf(item).Name) return item;
  return MenuItem::Count;
}

template <std::size_t N>
std::string UnitChoiceJson(const char* label, const std::array<UnitInfo, N>& units, int selected) {
  std::string options = "[";
  for (const UnitInfo& unit : units)
    options += std::string(options.size() > 1 ? ", " : "") + JsonString(unit.Symbol);
  return "{\"label\": " + JsonString(label) + ", \"options\": " + options +
         "], \"selected\": " + std::to_string(selected) + "}";
}

}  // namespace

PageEditing::PageEditing(PageSession& page) : page_(page) {}

std::string PageEditing::TitleForm() {
  std::string types = "[";
  for (const TypeOption& option : TypeOptions())
    types += std::string(types.size() > 1 ? ", " : "") + "{\"code\": " + JsonString(option.Code) +
             ", \"caption\": " + JsonString(option.Caption) + "}";
  return "{\"caption\": " + JsonString(kTitleCaption) +
         ", \"titleLabel\": " + JsonString(kTitleLabel) +
         ", \"typeLabel\": " + JsonString(kTypeLabel) + ", \"types\": " + types + "]}";
}

std::string PageEditing::NewProject(const std::string& title, const std::string& typeCode) {
  ModelStore fresh;
  ProjectTitleForm form = ProjectTitleForm::Load(fresh);
  form.Title = title;
  for (const TypeOption& option : TypeOptions())
    if (typeCode == option.Code) form.SelectedType = option.Code;
  const ProjectTitleForm::Refusal refusal = form.Check();
  if (refusal.Text.empty()) {
    CloseList();
    form.Apply(fresh);
    page_.model_ = std::move(fresh);
    // A new project differs from every file until it is saved.
    page_.session_ = ProjectSession(page_.model_, false);
  }
  return Answer(", \"refusal\": " + JsonString(refusal.Text));
}

std::string PageEditing::OpenCopy(const std::string& text) {
  CloseList();
  const std::string opened = page_.Open("", text);
  // Text that opened nothing leaves the project that was open, and its history, as they were.
  if (ParseJson(opened)["opened"].text == "true")
    page_.session_ = ProjectSession(page_.model_, false);
  return opened;
}

std::string PageEditing::State() {
  return Answer("");
}

std::string PageEditing::Answer(const std::string& extra) {
  ProjectSession& session = page_.session_;
  const MenuState menus(session.CurrentPhase(), page_.model_);
  std::string menu = "[";
  for (MenuItem item : DataMenuItems()) {
    if (!menus.Visible(item)) continue;
    const MenuItemInfo& info = MenuItemOf(item);
    menu += std::string(menu.size() > 1 ? ", " : "") + "{\"item\": " + JsonString(info.Name) +
            ", \"caption\": " + JsonString(MenuItemName(item)) + ", \"menu\": " +
            JsonString(info.Parent == MenuItem::Count ? "" : MenuItemName(info.Parent)) + "}";
  }
  std::string list = "null";
  std::string entry = "null";
  std::string loadCase = "null";
  if (list_.Editor) {
    const LoadCaseSelector selector = LoadCaseSelectorOf(page_.model_, RouteOf(listItem_).Window);
    if (selector.Shown)
      loadCase = "{\"label\": " + JsonString(SpokenCaption(kLoadCaseLabel)) +
                 ", \"choices\": " + JsonArray(selector.Choices, JsonString) +
                 ", \"current\": " + std::to_string(selector.Current) + "}";
    std::string preview;
    if (list_.DrawPreview) {
      RecordingCanvas canvas;
      list_.DrawPreview(canvas);
      preview = SvgPicture(canvas, kPreviewPixels, kPreviewPixels);
    }
    list = ListWindowJson(*list_.Editor, preview);
    if (list_.Editor->Dialog().Open) entry = EntryFormJson(list_.Editor->Dialog());
  }
  return "{\"open\": " + Bool(session.Open()) +
         ", \"title\": " + JsonString(page_.model_.ProjectTitle) +
         ", \"svg\": " + JsonString(session.Open() ? page_.Drawing() : "") + ", \"menu\": " + menu +
         "], \"analyze\": " + Bool(menus.Visible(MenuItem::MnuAna)) +
         ", \"analysed\": " + Bool(session.Analysis().has_value()) +
         ", \"undo\": " + JsonString(session.UndoCaption()) +
         ", \"redo\": " + JsonString(session.RedoCaption()) +
         ", \"canUndo\": " + Bool(session.CanUndo() && !EntryOpen()) +
         ", \"canRedo\": " + Bool(session.CanRedo() && !EntryOpen()) +
         ", \"unsaved\": " + Bool(session.Unsaved()) + ", \"list\": " + list +
         ", \"entry\": " + entry + ", \"question\": " + messages_.TakeQuestionJson() +
         ", \"messages\": " + messages_.TakeMessagesJson() + ", \"loadCases\": " +
         JsonString(menus.Visible(MenuItem::MnuLoadCases) ? MenuItemName(MenuItem::MnuLoadCases)
                                                          : "") +
         ", \"loadCase\": " + loadCase + extra + "}";
}

bool PageEditing::OpenWindow(MenuItem item) {
  CloseList();
  if (item == MenuItem::Count || !page_.session_.Open() ||
      !MenuState(page_.session_.CurrentPhase(), page_.model_).Visible(item))
    return false;
  listItem_ = item;
  list_ = MakeDataWindow(RouteOf(item).Window, page_.model_, messages_);
  list_.Editor->Open();
  return true;
}

std::string PageEditing::OpenList(const std::string& item) {
  if (OpenWindow(DataMenuItemNamed(item))) list_.Editor->Shown();
  return State();
}

std::string PageEditing::ShowCase(int c) {
  if (list_.Editor && !EntryOpen()) ShowLoadCaseInList(*list_.Editor, page_.model_, c);
  return State();
}

void PageEditing::OpenEntry(const LoadEntry& entry) {
  MenuItem item = MenuItem::Count;
  for (MenuItem candidate : DataMenuItems())
    if (RouteOf(candidate).Window == entry.Form) item = candidate;
  if (!OpenWindow(item)) return;
  // The list's own question ("Edit ... ?") is the drawing's to answer.
  messages_.Confirm(true);
  entry.Command(*list_.Editor);
  if (EntryOpen()) entry.Prefill(*list_.Editor);
  messages_.Confirm(false);
}

void PageEditing::Follow() {
  if (list_.Editor && !EntryOpen()) list_.Editor->Open();
}

std::string PageEditing::ListCommand(const std::string& command, int first, int last,
                                     bool confirmed) {
  if (!list_.Editor || EntryOpen()) return State();
  ListEditor& editor = *list_.Editor;
  GridModel& grid = editor.Grid();
  grid.Select(first, 1, last, grid.Cols() - 1);
  messages_.Confirm(confirmed);
  if (command == "add") editor.Add();
  if (command == "insert") editor.Insert();
  if (command == "edit") editor.Edit();
  if (command == "delete") editor.Delete();
  messages_.Confirm(false);
  StoreList();
  return State();
}

std::string PageEditing::TypeField(int field, const std::string& text) {
  if (!EntryOpen() || field < 1 || field > EntryForm::kFields) return EntryAnswer();
  list_.Editor->TypeField(field, text);
  return EntryAnswer();
}

std::string PageEditing::ClickCheck(int check, bool checked) {
  if (!EntryOpen() || check < 1 || check > EntryForm::kChecks) return EntryAnswer();
  list_.Editor->ClickCheck(check, checked);
  return EntryAnswer();
}

std::string PageEditing::ClickSpring(int check, bool spring) {
  if (!EntryOpen() || check < 1 || check > EntryForm::kChecks) return EntryAnswer();
  list_.Editor->ClickSpring(check, spring);
  return EntryAnswer();
}

std::string PageEditing::TypeStiffness(int check, const std::string& text) {
  if (!EntryOpen() || check < 1 || check > EntryForm::kChecks) return EntryAnswer();
  list_.Editor->TypeStiffness(check, text);
  return EntryAnswer();
}

std::string PageEditing::Choose(int option) {
  if (EntryOpen()) list_.Editor->Choose(option);
  return EntryAnswer();
}

std::string PageEditing::EntryAnswer() {
  return "{\"entry\": " + (EntryOpen() ? EntryFormJson(list_.Editor->Dialog()) : "null") +
         ", \"messages\": " + messages_.TakeMessagesJson() + "}";
}

std::string PageEditing::EntryCommand(const std::string& command) {
  if (!EntryOpen()) return State();
  ListEditor& editor = *list_.Editor;
  if (command == "next") editor.Next();
  if (command == "ok") editor.Ok();
  if (command == "cancel") editor.CancelEntry();
  StoreList();
  return State();
}

void PageEditing::StoreList() {
  if (!list_.Editor || EntryOpen()) return;
  const std::optional<Change> change = ChangeOfDataWindow(listItem_);
  // A list whose items differ from the project's goes in as one step; the results (or the
  // mechanism) shown no longer describe the data.
  const std::string before = FileTextOf(page_.model_);
  list_.Editor->Close();
  if (change && FileTextOf(page_.model_) != before) {
    page_.session_.DropAnalysis();
    page_.session_.RecordChange(*change);
  }
  list_.Editor->Open();
}

std::string PageEditing::UnitsForm() const {
  const UnitSystem& units = page_.model_.Units;
  return "{\"caption\": " + JsonString(kUnitsCaption) +
         ", \"namedCaption\": " + JsonString(kNamedCaption) +
         ", \"note\": " + JsonString(kUnitsNote) + ", \"named\": " + Bool(units.Named) +
         ", \"units\": [" + UnitChoiceJson("Force:", ForceUnits(), static_cast<int>(units.Force)) +
         ", " + UnitChoiceJson("Length:", LengthUnits(), static_cast<int>(units.Length)) + ", " +
         UnitChoiceJson("Temperature difference:", TemperatureUnits(),
                        static_cast<int>(units.Temperature)) +
         "]}";
}

std::string PageEditing::ChangeUnits(bool named, int force, int length, int temperature,
                                     const std::string& answer) {
  const auto within = [](int option, std::size_t count) {
    return option >= 0 && static_cast<std::size_t>(option) < count;
  };
  if (EntryOpen() || !page_.session_.Open() || !within(force, ForceUnits().size()) ||
      !within(length, LengthUnits().size()) || !within(temperature, TemperatureUnits().size()))
    return State();
  const UnitSystem chosen =
      named ? NamedUnits(static_cast<ForceUnit>(force), static_cast<LengthUnit>(length),
                         static_cast<TemperatureUnit>(temperature))
            : UnitSystem();
  if (answer == "convert") messages_.AnswerWith(kAnswerYes);
  if (answer == "relabel") messages_.AnswerWith(kAnswerNo);
  const std::optional<bool> converted = ChangeUnitsTo(page_.model_, chosen, messages_);
  messages_.Confirm(false);
  if (converted) {
    // Converted data no longer match the results of the last analysis.
    if (*converted) page_.session_.DropAnalysis();
    page_.session_.RecordChange(Change::Units);
    if (list_.Editor) list_.Editor->Open();
  }
  return State();
}

std::string PageEditing::Undo() {
  if (!EntryOpen()) {
    page_.session_.Undo();
    if (list_.Editor) list_.Editor->Open();
  }
  return State();
}

std::string PageEditing::Redo() {
  if (!EntryOpen()) {
    page_.session_.Redo();
    if (list_.Editor) list_.Editor->Open();
  }
  return State();
}

std::string PageEditing::ProjectText(bool save) {
  ModelStore& model = page_.model_;
  std::string text;
  if (RunResult error = ProjectFileText(model, text)) {
    messages_.ReportError("File_Save Error", *error);
    return "{\"messages\": " + messages_.TakeMessagesJson() + "}";
  }
  if (save) {
    if (model.ProjectFile.empty()) model.ProjectFile = kUntitledFile;
    page_.session_.MarkSaved();
  }
  return "{\"name\": " + JsonString(model.ProjectFile.empty() ? kUntitledFile : model.ProjectFile) +
         ", \"text\": " + JsonString(text) + ", \"messages\": []}";
}

std::string PageEditing::Snapshot() const {
  const EditHistory<ModelStore>& history = page_.session_.History();
  std::string steps = "[";
  for (std::size_t i = 0; i < history.Size(); ++i) {
    std::string text;
    if (ProjectFileText(history.StateAt(i), text)) return "";
    steps += std::string(steps.size() > 1 ? ", " : "") +
             "{\"change\": " + JsonString(history.NameAt(i)) + ", \"text\": " + JsonString(text) +
             "}";
  }
  const std::size_t saved = history.SavedAt();
  return "{\"file\": " + JsonString(page_.model_.ProjectFile) +
         ", \"position\": " + std::to_string(history.Depth()) +
         ", \"saved\": " + (saved < history.Size() ? std::to_string(saved) : "null") +
         ", \"steps\": " + steps + "]}";
}

bool PageEditing::Restore(const std::string& snapshot) {
  struct Step {
    Change Made;
    ModelStore Data;
  };
  std::vector<Step> steps;
  std::string file;
  std::size_t position = 0;
  long saved = -1;
  try {
    const JsonValue kept = ParseJson(snapshot);
    file = kept["file"].text;
    position = static_cast<std::size_t>(std::strtoul(kept["position"].text.c_str(), nullptr, 10));
    if (kept["saved"].kind == JsonValue::Kind::Number)
      saved = std::strtol(kept["saved"].text.c_str(), nullptr, 10);
    for (const JsonValue& step : kept["steps"].items) {
      const std::optional<Change> made = ChangeNamed(step["change"].text);
      Step read{made.value_or(Change::ProjectTitle), ModelStore{}};
      if ((steps.empty() != step["change"].text.empty()) || (!steps.empty() && !made) ||
          ReadProjectText(read.Data, step["text"].text) || read.Data.StructType.empty())
        return false;
      read.Data.ProjectFile = file;
      steps.push_back(std::move(read));
    }
  } catch (const JsonError&) {
    return false;
  }
  if (steps.empty() || position >= steps.size()) return false;
  CloseList();
  page_.model_ = steps.front().Data;
  page_.session_ = ProjectSession(page_.model_, saved == 0);
  for (std::size_t i = 1; i < steps.size(); ++i) {
    page_.model_ = steps[i].Data;
    page_.session_.RecordChange(steps[i].Made);
    if (saved == static_cast<long>(i)) page_.session_.MarkSaved();
  }
  for (std::size_t i = position + 1; i < steps.size(); ++i) page_.session_.Undo();
  return true;
}

}  // namespace stavelorn
