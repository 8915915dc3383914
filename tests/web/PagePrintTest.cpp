// Printing from the page: the options box, and pages broken where the desktop's A4 page is full
// (what they hold against the batch tool's report is web/tests/printing.test.mjs's to check).
#include "web/PagePrint.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>

#include "cli/ToolRun.h"
#include "reports/JsonReader.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

// Which sections the box offers and ticks is the print options' rule; the page's form carries
// it: the sections remembered, or those ticked, each offered only once there are results, and OK
// only while one is ticked.
TEST(PagePrint, TheOptionsBoxCarriesTheSectionsRememberedOrTicked) {
  PageSession page;
  page.Open("portal-frame.str", testing::ExampleText("portal-frame"));
  const PagePrint print(page);
  const auto shown = [](const std::string& json) {
    const JsonValue form = ParseJson(json);
    std::string boxes;
    for (const JsonValue& section : form["sections"].items)
      boxes += section["name"].text + (section["available"].text == "true" ? "+" : "-") +
               (section["chosen"].text == "true" ? "x " : "o ");
    return boxes + "ok " + form["ok"].text;
  };
  EXPECT_EQ(shown(print.Options("Results")),
            "InputData+x Results-o MethodTrail-o Diagrams-o InfluenceLine-o ok true");
  page.Analyze(false);
  EXPECT_EQ(shown(print.Choose("Results InfluenceLine")),
            "InputData+o Results+x MethodTrail+o Diagrams+o InfluenceLine-o ok true");
  EXPECT_EQ(shown(print.Choose("")),
            "InputData+o Results+o MethodTrail+o Diagrams+o InfluenceLine-o ok false");
  EXPECT_TRUE(ParseJson(print.Pages(""))["pages"].items.empty()) << "nothing ticked";
}

// The words of each printed line that has any, one line of text each, as a reader sees them.
std::string Words(const std::string& text) {
  std::istringstream lines(text);
  std::string words;
  for (std::string line; std::getline(lines, line);) {
    std::istringstream in(line);
    std::string word, joined;
    while (in >> word) joined += (joined.empty() ? "" : " ") + word;
    if (!joined.empty()) words += joined + "\n";
  }
  return words;
}

// The input data and results print as the batch tool's report; the diagrams a page each; the
// method's trail adds lines of its own.
TEST(PagePrint, TheTickedSectionsPrintTheBatchToolsReportAndADiagramAPage) {
  const std::string path = testing::SourcePath("examples/portal-frame.str");
  PageSession page;
  page.Open("portal-frame.str", testing::ReadWholeFile(path));
  const JsonValue diagrams = ParseJson(page.Analyze(false))["diagrams"];
  const PagePrint print(page);
  const auto printed = [&](const char* ticked, std::size_t& pictures) {
    std::string text;
    pictures = 0;
    const JsonValue printedPages = ParseJson(print.Pages(ticked));
    for (const JsonValue& sheet : printedPages["pages"].items) {
      pictures += sheet.Find("svg") != nullptr;
      if (const JsonValue* lines = sheet.Find("lines"))
        for (const JsonValue& line : lines->items) text += line.text + "\n";
    }
    return Words(text);
  };
  std::size_t pictures = 0;
  const std::string report = printed("InputData Results", pictures);
  EXPECT_EQ(report, Words(testing::RunTool({path}).out));
  EXPECT_EQ(pictures, 0u);
  printed("Diagrams", pictures);
  EXPECT_EQ(pictures, diagrams.items.size());
  EXPECT_GT(printed("InputData Results MethodTrail", pictures).size(), report.size() + 1000);
}

class Picture : public PagePicture {
 public:
  std::string Caption() const override { return "M   Bending moment"; }
};

// Where the page printer breaks: a full page of 72 lines, a picture on a page of its own (the
// one it starts on when that holds only blank lines), and a picture it cannot print left out.
TEST(PagePrint, BreaksPagesWhereTheDesktopsPaperIsFull) {
  struct Case {
    const char* what;   // 'l' a line, 'b' a blank line, 'p' an SVG picture, 'o' another picture,
                        // 'n' a new page; a number before a letter repeats it
    const char* pages;  // each page's count of lines, or P for a picture
  };
  const Case cases[] = {
      {"72l", "72"},  {"73l", "72 1"},  {"ll", "2"},       {"lnnl", "1 1"},
      {"bbp", "P"},   {"lpl", "1 P 1"}, {"pp", "P P"},     {"lol", "2"},
      {"pnl", "P 1"}, {"n", ""},        {"lbpb", "2 P 1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PagedReportPrinter printer;
    const SvgPagePicture svg("M   Bending moment", "<svg/>");
    int repeat = 0;
    for (const char* step = c.what; *step; ++step) {
      if (*step >= '0' && *step <= '9') {
        repeat = 10 * repeat + (*step - '0');
        continue;
      }
      for (int i = 0; i < std::max(repeat, 1); ++i) {
        if (*step == 'l') printer.PrintLine("text");
        if (*step == 'b') printer.PrintLine("");
        if (*step == 'p') printer.PrintPicture(svg);
        if (*step == 'o') printer.PrintPicture(Picture());
        if (*step == 'n') printer.NewPage();
      }
      repeat = 0;
    }
    std::string shape;
    for (const PrintedPage& sheet : printer.Pages())
      shape += (shape.empty() ? "" : " ") +
               (sheet.Svg.empty() ? std::to_string(sheet.Lines.size()) : std::string("P"));
    EXPECT_EQ(shape, c.pages);
  }
}

}  // namespace
}  // namespace stavelorn
