// Printing from the page: the pages hold the report's lines as the text report prints them (the
// blank lines that keep a section on one page aside), broken where the desktop's A4 page is full,
// and a diagram page for each quantity of the type.
#include "web/PagePrint.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "reports/JsonReader.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

const char* const kExamples[] = {"continuous-beam", "grid-floor",  "portal-frame",
                                 "roof-truss",      "space-frame", "space-truss-tower"};

// The report's lines with text, as the text printer wrote them (its form feeds left out).
std::vector<std::string> ReportLines(const std::string& report) {
  std::vector<std::string> lines;
  std::istringstream in(report);
  for (std::string line; std::getline(in, line);)
    if (line.find_first_not_of("\f ") != std::string::npos)
      lines.push_back(line[0] == '\f' ? line.substr(1) : line);
  return lines;
}

TEST(PagePrint, PrintsEveryExamplesReportOnFullPagesWithItsDiagrams) {
  for (const std::string name : kExamples) {
    SCOPED_TRACE(name);
    PageSession page;
    page.Open(name + ".str",
              testing::ReadWholeFile(testing::SourcePath("examples/" + name + ".str")));
    const JsonValue analysed = ParseJson(page.Analyze(false));
    const PagePrint print(page);

    const JsonValue report = ParseJson(print.Pages("InputData Results"));
    std::vector<std::string> printed;
    for (const JsonValue& sheet : report["pages"].items) {
      ASSERT_FALSE(sheet["lines"].items.empty());
      EXPECT_LE(sheet["lines"].items.size(), 72u);
      for (const JsonValue& line : sheet["lines"].items)
        if (line.text.find_first_not_of(' ') != std::string::npos) printed.push_back(line.text);
    }
    EXPECT_EQ(printed, ReportLines(analysed["report"].text));
    EXPECT_TRUE(ParseJson(print.Pages(""))["pages"].items.empty());

    // With the diagrams, their pictures follow the results, one page each, in the menu's order.
    const JsonValue pictured = ParseJson(print.Pages("Diagrams"));
    std::vector<std::string> captions;
    for (const JsonValue& sheet : pictured["pages"].items)
      if (const JsonValue* svg = sheet.Find("svg")) {
        EXPECT_NE(svg->text.find("<svg"), std::string::npos);
        captions.push_back(sheet["caption"].text);
      }
    ASSERT_EQ(captions.size(), analysed["diagrams"].items.size());
    for (std::size_t i = 0; i < captions.size(); ++i)
      EXPECT_NE(captions[i].find(analysed["diagrams"][i]["caption"].text), std::string::npos);
  }
}

// The box offers the results only after an analysis, opens with the sections ticked last (or the
// desktop's first ticks) and offers OK only while a section is ticked.
TEST(PagePrint, TheOptionsBoxTicksAsTheDesktopsDoes) {
  PageSession page;
  page.Open("portal-frame.str",
            testing::ReadWholeFile(testing::SourcePath("examples/portal-frame.str")));
  const PagePrint print(page);
  const auto shown = [](const std::string& json) {
    const JsonValue form = ParseJson(json);
    std::string boxes;
    for (const JsonValue& section : form["sections"].items)
      boxes += section["name"].text + (section["available"].text == "true" ? "+" : "-") +
               (section["chosen"].text == "true" ? "x " : "o ");
    return boxes + "ok " + form["ok"].text;
  };
  struct Case {
    bool analysed;
    std::string remembered;  // Options when `ticked` is absent
    const char* ticked;
    const char* boxes;
  };
  const Case cases[] = {
      {false, "Results", nullptr,
       "InputData+x Results-o MethodTrail-o Diagrams-o InfluenceLine-o ok true"},
      {false, "", "", "InputData+o Results-o MethodTrail-o Diagrams-o InfluenceLine-o ok false"},
      {true, "Diagrams MethodTrail", nullptr,
       "InputData+o Results+o MethodTrail+x Diagrams+x InfluenceLine-o ok true"},
      {true, "", "Results InfluenceLine",
       "InputData+o Results+x MethodTrail+o Diagrams+o InfluenceLine-o ok true"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.boxes);
    if (c.analysed) page.Analyze(false);
    EXPECT_EQ(shown(c.ticked ? print.Choose(c.ticked) : print.Options(c.remembered)), c.boxes);
  }
  EXPECT_EQ(ParseJson(print.Options(""))["sections"][0]["caption"].text, "Input data");
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
