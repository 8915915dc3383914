// The Load Cases window in the browser page: each button edits the cases as the desktop's window
// does (refusing what the rules refuse, asking before a case goes with its loads), each edit one
// step of the history. (The load lists' case box is driven in web/tests/load-cases.test.mjs, and
// the case it shows switched both ways in tests/app/LoadCaseWindowTest.cpp.)
#include "web/PageLoadCases.h"

#include <gtest/gtest.h>

#include <string>

#include "reports/JsonReader.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

// The table's rows as "1 Case 1 4 loads | 2 Wind 0 loads".
std::string RowsOf(const JsonValue& window) {
  std::string rows;
  for (const JsonValue& row : window["rows"].items) {
    if (!rows.empty()) rows += " | ";
    for (std::size_t c = 0; c < row.items.size(); ++c) rows += (c ? " " : "") + row[c].text;
  }
  return rows;
}

struct Opened {
  PageSession page;
  PageEditing editing{page};
  PageLoadCases cases{page, editing};
  std::string loads;  // how many loads the portal frame's one case holds, "4 loads"

  Opened() {
    page.Open("portal-frame.str", testing::ExampleText("portal-frame"));
    loads = ParseJson(cases.Window())["rows"][0][2].text;
  }
};

TEST(PageLoadCases, EachButtonEditsTheCasesAsTheDesktopsWindowDoes) {
  Opened o;
  struct Step {
    const char* button;
    int row;
    const char* name;
    bool confirmed;
    std::string rows;  // "%" stands for the portal frame's loads
    int selected;
    const char* says;  // "question", "refusal" or ""
  };
  const Step steps[] = {
      {"AddB", 0, "Wind", false, "1 Case 1 % | 2 Wind 0 loads", 2, ""},
      {"AddB", 0, "Wind", false, "1 Case 1 % | 2 Wind 0 loads", 0, "refusal"},
      {"UpB", 2, "", false, "1 Wind 0 loads | 2 Case 1 %", 1, ""},
      {"UpB", 1, "", false, "1 Wind 0 loads | 2 Case 1 %", 1, ""},
      {"RenameB", 1, "Snow", false, "1 Snow 0 loads | 2 Case 1 %", 1, ""},
      {"DownB", 1, "", false, "1 Case 1 % | 2 Snow 0 loads", 2, ""},
      {"DownB", 2, "", false, "1 Case 1 % | 2 Snow 0 loads", 2, "refusal"},
      {"AddB", 0, "Ice", false, "1 Case 1 % | 2 Snow 0 loads | 3 Ice 0 loads", 3, ""},
      {"DeleteB", 3, "", true, "1 Case 1 % | 2 Snow 0 loads", 2, ""},
      {"DeleteB", 1, "", false, "1 Case 1 % | 2 Snow 0 loads", 1, "question"},
      {"DeleteB", 2, "", true, "1 Case 1 %", 1, ""},
      {"DeleteB", 1, "", true, "1 Case 1 %", 1, "refusal"},
  };
  int edits = 0;
  std::string before = RowsOf(ParseJson(o.cases.Window()));
  for (const Step& step : steps) {
    SCOPED_TRACE(std::string(step.button) + " " + std::to_string(step.row));
    const JsonValue answer =
        ParseJson(o.cases.Command(step.button, step.row, step.name, step.confirmed));
    std::string rows = step.rows;
    for (std::size_t at; (at = rows.find('%')) != std::string::npos;) rows.replace(at, 1, o.loads);
    EXPECT_EQ(RowsOf(answer["window"]), rows);
    EXPECT_EQ(answer["row"].text, std::to_string(step.selected));
    const std::string says = !answer["question"].members.empty()  ? "question"
                             : !answer["refusal"].members.empty() ? "refusal"
                                                                  : "";
    EXPECT_EQ(says, step.says);
    edits += rows != before;
    before = rows;
  }
  // Each edit is one step of the history: undoing them all brings back the one unnamed case.
  for (int i = 0; i < edits; ++i) o.editing.Undo();
  EXPECT_EQ(RowsOf(ParseJson(o.cases.Window())), "1  " + o.loads);
  EXPECT_EQ(edits, 7);
  EXPECT_EQ(ParseJson(o.editing.State())["canUndo"].text, "false");
  // An open load list follows the case chosen over it.
  o.cases.Command("AddB", 0, "Wind", false);
  o.editing.OpenList("MnuLoadMem");
  for (int c : {2, 1})
    EXPECT_EQ(ParseJson(o.editing.ShowCase(c))["list"]["count"].text, c == 1 ? "2" : "0");
}

}  // namespace
}  // namespace stavelorn
