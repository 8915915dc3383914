// Printing from the page: the options box, the method's trail and a picture a diagram printed when
// ticked, and pages broken where the desktop's A4 page is full (what they hold against the batch
// tool's report is web/tests/printing.test.mjs's to check).
#include "web/PagePrint.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "reports/JsonReader.h"
#include "support/SampleModels.h"
#include "web/PageInfluence.h"
#include "web/PageStability.h"

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
  // The method's trail adds pages of its own to the report.
  EXPECT_GT(print.Pages("Results MethodTrail").size(), print.Pages("Results").size() + 1000);
  // The diagrams a picture a page, one for each of the plane frame's: N, V and M.
  std::size_t pictures = 0;
  const JsonValue diagrams = ParseJson(print.Pages("Diagrams"));
  for (const JsonValue& sheet : diagrams["pages"].items) pictures += sheet.Find("svg") != nullptr;
  EXPECT_EQ(pictures, 3u);
  // The influence line the window shows is offered and printed as the desktop prints it, as is a
  // settled second-order run after the results.
  PageInfluence(page).Open();
  EXPECT_EQ(shown(print.Choose("InfluenceLine")),
            "InputData+o Results+o MethodTrail+o Diagrams+o InfluenceLine+x ok true");
  const std::string influence = print.Pages("InfluenceLine");
  EXPECT_NE(influence.find("\"caption\": \"Influence line of "), std::string::npos);
  PageStability(page).SecondOrder();
  EXPECT_NE(print.Pages("Results").find("Second-Order Analysis"), std::string::npos);
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
      {"pnl", "P 1"}, {"n", ""},        {"lbpb", "2 P 1"}, {"lnbp", "1 P"},
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
