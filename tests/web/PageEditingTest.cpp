// Editing in the browser page: every example typed in through the list windows' entry forms from
// New Project writes the example's own file; undo takes it back to the empty project and redo
// brings it again; the history kept between visits comes back as it was; a form's boxes, and its
// refusal of a typo.
#include "web/PageEditing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include "model/ProjectFile.h"
#include "reports/JsonReader.h"
#include "support/SampleModels.h"
#include "support/StructureTexts.h"

namespace stavelorn {
namespace {

// The lines of a project's file text in order: two files of the same sections and records, in
// whatever order a keyed list's items were typed (the newest load of a member comes first).
std::string SortedLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(text.substr(start, end - start));
  std::sort(lines.begin(), lines.end());
  std::string sorted;
  for (const std::string& line : lines) sorted += line + "\n";
  return sorted;
}

std::string TypedText(PageEditing& editing) {
  return ParseJson(editing.ProjectText(false))["text"].text;
}

// What a user types into the entry form `typed` to make it hold what `wanted` shows: the choice,
// then the check boxes, then every field the form takes typing in, in the form's order.
void TypeForm(PageEditing& editing, const JsonValue& wanted, JsonValue typed) {
  editing.Choose(std::stoi(wanted["choice"]["selected"].text));
  for (const JsonValue& check : wanted["checks"].items)
    if (check["shown"].text == "true") {
      const int n = std::stoi(check["check"].text);
      typed = ParseJson(editing.ClickCheck(n, check["checked"].text == "true"))["entry"];
      const JsonValue& spring = check["spring"];
      if (spring["shown"].text == "true") editing.ClickSpring(n, spring["checked"].text == "true");
      if (spring["stiffnessShown"].text == "true") editing.TypeStiffness(n, spring["text"].text);
    }
  // A field a check box unlocks (a turned support's angle) is typed once the box is ticked.
  for (std::size_t i = 0; i < wanted["fields"].items.size(); ++i) {
    const JsonValue& field = wanted["fields"][i];
    const JsonValue& box = typed["fields"][i];
    if (field["shown"].text == "true" && box["readOnly"].text == "false")
      editing.TypeField(std::stoi(field["field"].text), field["text"].text);
  }
}

// Every item of every list of `source`, as its Edit form shows it, typed into `target` from an
// empty project; each list's items after the first by Next, the last by OK.
void TypeEveryList(PageEditing& source, PageEditing& target) {
  const JsonValue lists = ParseJson(source.State());
  for (const JsonValue& item : lists["menu"].items) {
    SCOPED_TRACE(item["caption"].text);
    const int count =
        std::stoi(ParseJson(source.OpenList(item["item"].text))["list"]["count"].text);
    JsonValue shown = ParseJson(target.OpenList(item["item"].text));
    ASSERT_NE(shown["list"].kind, JsonValue::Kind::Null);
    if (shown["entry"].kind == JsonValue::Kind::Null && count > 0)
      shown = ParseJson(target.ListCommand("add", 1, 1, true));
    for (int row = 1; row <= count; ++row) {
      const JsonValue edited = ParseJson(source.ListCommand("edit", row, row, true));
      ASSERT_NE(edited["entry"].kind, JsonValue::Kind::Null) << "row " << row;
      TypeForm(target, edited["entry"], shown["entry"]);
      source.EntryCommand("cancel");
      shown = ParseJson(target.EntryCommand(row < count ? "next" : "ok"));
      ASSERT_TRUE(shown["messages"].items.empty()) << shown["messages"][0]["text"].text;
    }
    source.CloseList();
    target.CloseList();
  }
}

TEST(PageEditing, TypesEveryExampleInFromNewProjectAndUndoesAndRedoesEveryStep) {
  std::vector<std::pair<std::string, ModelStore>> projects;
  for (const std::string name : testing::kExampleNames)
    projects.emplace_back(name, testing::ExampleModel(name));
  projects.emplace_back(
      "elastic-frame",
      testing::ModelFromText(testing::SmallProject("frame-on-a-spring-and-a-turned-roller")));
  for (const auto& [name, example] : projects) {
    SCOPED_TRACE(name);
    PageSession sourcePage;
    sourcePage.Open(name + ".str", testing::FileText(example));
    PageEditing source(sourcePage);
    PageSession page;
    PageEditing editing(page);
    ASSERT_EQ(
        ParseJson(editing.NewProject(example.ProjectTitle, example.StructType))["refusal"].text,
        "");
    const std::string empty = TypedText(editing);
    TypeEveryList(source, editing);
    const std::string typed = TypedText(editing);
    EXPECT_EQ(SortedLines(typed), SortedLines(testing::FileText(example)));

    int steps = 0;
    while (ParseJson(editing.State())["canUndo"].text == "true" && steps < 500) {
      editing.Undo();
      ++steps;
    }
    EXPECT_EQ(TypedText(editing), empty);
    EXPECT_EQ(ParseJson(editing.State())["undo"].text, "Undo");
    for (int step = 0; step < steps; ++step) editing.Redo();
    EXPECT_EQ(TypedText(editing), typed);
    EXPECT_EQ(ParseJson(editing.State())["redo"].text, "Redo");
  }
}

// The portal frame of the examples opened in the page, and the page's editing of it.
struct PortalEditing : ::testing::Test {
  PortalEditing() { page.Open("portal-frame.str", testing::ExampleText("portal-frame")); }
  PageSession page;
  PageEditing editing{page};
};

// A history kept between visits comes back with its place and its saved mark; a damaged one is
// refused and changes nothing.
TEST_F(PortalEditing, TheKeptHistoryComesBackWithItsPlaceAndSavedMarkOrIsRefused) {
  const std::string opened = TypedText(editing);
  const std::string good = editing.Snapshot();
  for (const std::string& damaged :
       {std::string("{"), std::string("{\"steps\": []}"), good.substr(0, good.size() / 2),
        std::string("{\"file\": \"\", \"position\": 0, \"saved\": null, \"steps\": []}"),
        std::string("{\"file\": \"\", \"position\": 0, \"saved\": null, \"steps\": [{\"change\": "
                    "\"\", \"text\": \"not a project\"}]}"),
        std::string(good).replace(good.find("\"position\": 0"), 13, "\"position\": 1")}) {
    EXPECT_FALSE(editing.Restore(damaged)) << damaged;
    EXPECT_EQ(TypedText(editing), opened);
  }
  // Two member loads deleted, saved after the first; the second deletion undone.
  const std::string preview = ParseJson(editing.OpenList("MnuLoadMem"))["list"]["preview"].text;
  EXPECT_NE(preview.find("<line"), std::string::npos) << preview;
  editing.ListCommand("delete", 1, 1, true);
  EXPECT_EQ(ParseJson(editing.ProjectText(true))["name"].text, "portal-frame.str");
  editing.ListCommand("delete", 1, 1, true);
  const std::string last = TypedText(editing);
  editing.Undo();
  const JsonValue before = ParseJson(editing.State());
  EXPECT_EQ(before["redo"].text, "Redo Member Loads");
  EXPECT_EQ(before["unsaved"].text, "false");
  EXPECT_EQ(ParseJson(editing.Redo())["list"]["count"].text, "0");  // the open list follows
  editing.Undo();

  ASSERT_TRUE(editing.Restore(editing.Snapshot()));  // in place: the open list closes
  EXPECT_EQ(ParseJson(editing.State())["list"].kind, JsonValue::Kind::Null);
  PageSession reloaded;  // where another project was open
  PageEditing restored(reloaded);
  reloaded.Open("b.str", testing::ExampleText("continuous-beam"));
  ASSERT_TRUE(restored.Restore(editing.Snapshot()));
  const JsonValue after = ParseJson(restored.State());
  EXPECT_EQ(TypedText(restored), TypedText(editing));
  for (const char* key : {"undo", "redo", "unsaved", "title"})
    EXPECT_EQ(after[key].text, before[key].text) << key;
  restored.Redo();
  EXPECT_EQ(TypedText(restored), last);
  EXPECT_EQ(ParseJson(restored.State())["unsaved"].text, "true");
  restored.Undo();
  EXPECT_EQ(ParseJson(restored.State())["unsaved"].text, "false");
  restored.Undo();
  EXPECT_EQ(TypedText(restored), opened);
  // A file read in part opens unsaved, as nothing holds what was recovered; a whole file saved.
  const std::string text = testing::ExampleText("portal-frame");
  for (const std::string& file :
       {text.substr(0, text.find("\"Members\"")) + "\"Members\",x\n", text}) {
    page.Open("p.str", file);
    EXPECT_EQ(ParseJson(editing.State())["unsaved"].text, file == text ? "false" : "true");
  }
}

// The page numbers the form's boxes as the form does (fields 1-7, check boxes and their springs
// 1-6): the first and the last take what is done to them and numbers past them change nothing.
// While the form is open the list's commands wait and a typo is refused; with no form open
// nothing reaches one, and Cancel left the project as it was.
TEST_F(PortalEditing, TheFormsBoxesAreNumberedFromOneAndNothingReachesAClosedForm) {
  const std::string text = TypedText(editing);
  struct Box {
    const char* What;
    std::function<std::string(int, bool)> Set;
    int Last;
  };
  const Box boxes[] = {
      {"field", [&](int n, bool b) { return editing.TypeField(n, b ? "7" : "8"); },
       EntryForm::kFields},
      {"check", [&](int n, bool b) { return editing.ClickCheck(n, b); }, EntryForm::kChecks},
      {"spring", [&](int n, bool b) { return editing.ClickSpring(n, b); }, EntryForm::kChecks},
      {"stiffness", [&](int n, bool b) { return editing.TypeStiffness(n, b ? "7" : "8"); },
       EntryForm::kChecks},
  };
  editing.OpenList("MnuLoadMem");
  editing.ListCommand("edit", 1, 1, true);
  // The refusal itself is the editors' rule; the page names it and puts the focus on its field.
  editing.TypeField(2, "2OO");
  const JsonValue refused = ParseJson(editing.EntryCommand("ok"));
  ASSERT_EQ(refused["messages"].items.size(), 1u);
  EXPECT_EQ(refused["messages"][0]["title"].text, "Invalid Entry");
  EXPECT_NE(refused["messages"][0]["text"].text.find("2OO"), std::string::npos);
  EXPECT_EQ(refused["entry"]["focus"].text, "2");
  for (const Box& box : boxes)
    for (int n : {0, 1, box.Last, box.Last + 1}) {
      SCOPED_TRACE(std::string(box.What) + " " + std::to_string(n));
      EXPECT_EQ(box.Set(n, true) != box.Set(n, false), n >= 1 && n <= box.Last);
    }
  EXPECT_NE(ParseJson(editing.ListCommand("delete", 1, 1, true))["entry"].kind,
            JsonValue::Kind::Null);
  editing.EntryCommand("cancel");
  editing.CloseList();
  EXPECT_EQ(ParseJson(editing.ListCommand("delete", 1, 1, true))["list"].kind,
            JsonValue::Kind::Null);
  for (const Box& box : boxes)
    EXPECT_EQ(ParseJson(box.Set(1, true))["entry"].kind, JsonValue::Kind::Null) << box.What;
  EXPECT_EQ(ParseJson(editing.Choose(1))["entry"].kind, JsonValue::Kind::Null);
  EXPECT_EQ(TypedText(editing), text);
}

TEST_F(PortalEditing, AQuestionWaitsForItsAnswerAndNewProjectRefusesWhatTheDialogRefuses) {
  editing.OpenList("MnuLoadMem");
  const JsonValue asked = ParseJson(editing.ListCommand("delete", 1, 1, false));
  EXPECT_EQ(asked["question"]["title"].text.rfind("Delete ", 0), 0u);
  EXPECT_NE(asked["question"]["text"].text.find(" ?"), std::string::npos);
  EXPECT_EQ(asked["list"]["count"].text, "2");
  EXPECT_EQ(asked["canUndo"].text, "false");
  const JsonValue deleted = ParseJson(editing.ListCommand("delete", 1, 1, true));
  EXPECT_EQ(deleted["question"].kind, JsonValue::Kind::Null);
  EXPECT_EQ(deleted["list"]["count"].text, "1");
  EXPECT_EQ(deleted["undo"].text, "Undo Member Loads");
  EXPECT_EQ(deleted["unsaved"].text, "true");
  EXPECT_EQ(ParseJson(editing.OpenList("MnuNothing"))["list"].kind, JsonValue::Kind::Null);

  // A link that opens nothing leaves the project and its history; one that opens is a new copy.
  EXPECT_EQ(ParseJson(editing.OpenCopy("not a project"))["opened"].text, "false");
  EXPECT_EQ(ParseJson(editing.State())["undo"].text, "Undo Member Loads");
  EXPECT_EQ(ParseJson(editing.OpenCopy(
                testing::FileText(testing::ExampleModel("portal-frame"))))["opened"]
                .text,
            "true");
  const JsonValue copy = ParseJson(editing.State());
  EXPECT_EQ(copy["canUndo"].text, "false");
  EXPECT_EQ(copy["unsaved"].text, "true");
  EXPECT_EQ(ParseJson(editing.ProjectText(false))["name"].text, "untitled.str");

  // What the dialog refuses is the title form's rule; the page says so and keeps the project.
  const JsonValue refused = ParseJson(editing.NewProject("A beam", "Arch"));
  EXPECT_FALSE(refused["refusal"].text.empty());
  EXPECT_EQ(refused["title"].text, copy["title"].text);
  const JsonValue made = ParseJson(editing.NewProject("A beam", "Beam"));
  EXPECT_EQ(made["refusal"].text, "");
  EXPECT_EQ(made["title"].text, "A beam");
  EXPECT_EQ(made["canUndo"].text, "false");
  EXPECT_EQ(made["unsaved"].text, "true");
  EXPECT_EQ(made["list"].kind, JsonValue::Kind::Null);
  EXPECT_NE(ParseJson(editing.OpenList("MnuJoint"))["entry"].kind, JsonValue::Kind::Null)
      << "an empty list goes straight into Add";
}

TEST_F(PortalEditing, UnitsAreNamedConvertedOrRelabelledAsTheUserAnswers) {
  const JsonValue form = ParseJson(editing.UnitsForm());
  EXPECT_EQ(form["named"].text, "false");
  ASSERT_EQ(form["units"].items.size(), 3u);
  const auto option = [&](int unit, const std::string& symbol) {
    const std::vector<JsonValue>& options = form["units"][unit]["options"].items;
    for (std::size_t i = 0; i < options.size(); ++i)
      if (options[i].text == symbol) return static_cast<int>(i);
    ADD_FAILURE() << symbol;
    return 0;
  };
  // Each unit is one of its options; a number outside them changes nothing.
  for (std::size_t unit = 0; unit < 3; ++unit) {
    const int count = static_cast<int>(form["units"][unit]["options"].items.size());
    for (int chosen : {-1, 0, count - 1, count}) {
      int options[3] = {0, 0, 0};
      options[unit] = chosen;
      editing.ChangeUnits(true, options[0], options[1], options[2], "relabel");
      const bool taken = ParseJson(editing.State())["canUndo"].text == "true";
      EXPECT_EQ(taken, chosen >= 0 && chosen < count) << unit << " " << chosen;
      if (taken) editing.Undo();
    }
  }
  // Naming units changes no number and asks nothing.
  const JsonValue named =
      ParseJson(editing.ChangeUnits(true, option(0, "kN"), option(1, "m"), option(2, "°C"), ""));
  EXPECT_EQ(named["question"].kind, JsonValue::Kind::Null);
  EXPECT_EQ(named["undo"].text, "Undo Units");
  // A deletion gone ahead leaves the question that follows to be asked.
  editing.OpenList("MnuLoadMem");
  editing.ListCommand("delete", 1, 1, true);
  const std::string metres = TypedText(editing);
  EXPECT_NE(metres.find("\r\n8,5\r\n"), std::string::npos);
  EXPECT_NE(metres.find("\"Units\""), std::string::npos);

  struct Case {
    const char* Answer;
    const char* Joint3;  // the third joint's record afterwards
  };
  // An answer holds for its own change alone: the change after it asks again.
  for (const Case& c :
       {Case{"", "8,5"}, Case{"convert", "8000,5000"}, Case{"relabel", "8,5"}, Case{"", "8,5"}}) {
    SCOPED_TRACE(c.Answer);
    page.Analyze(false);  // converted numbers drop the analysis; relabelled ones keep it
    const JsonValue changed = ParseJson(
        editing.ChangeUnits(true, option(0, "N"), option(1, "mm"), option(2, "°C"), c.Answer));
    EXPECT_EQ(changed["question"].kind == JsonValue::Kind::Null, *c.Answer != '\0');
    EXPECT_EQ(changed["analysed"].text, std::string(c.Answer) == "convert" ? "false" : "true");
    const std::string text = TypedText(editing);
    EXPECT_NE(text.find(std::string("\r\n") + c.Joint3 + "\r\n"), std::string::npos) << text;
    EXPECT_EQ(text == metres, *c.Answer == '\0');
    if (*c.Answer) editing.Undo();
    EXPECT_EQ(TypedText(editing), metres);
  }
}

}  // namespace
}  // namespace stavelorn
