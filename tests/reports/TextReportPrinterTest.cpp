#include "reports/TextReportPrinter.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace stavelorn {
namespace {

TEST(TextReportPrinter, ANewPageIsAFormFeedBeforeItsFirstLine) {
  std::ostringstream out;
  TextReportPrinter printer(out);
  printer.NewPage();  // nothing on the page yet: no empty page
  printer.PrintLine("a");
  printer.NewPage();
  printer.NewPage();
  EXPECT_EQ(printer.CurrentY(), 0);
  printer.PrintLine("");
  printer.PrintLine("b");
  EXPECT_EQ(printer.CurrentY(), 2);
  printer.EndDocument();
  EXPECT_EQ(out.str(), "a\n\f\nb\n");
}

TEST(TextReportPrinter, TheDocumentReachesTheStreamOnlyWhenItEnds) {
  std::ostringstream out;
  TextReportPrinter printer(out);
  printer.PrintLine("dropped");
  printer.AbandonDocument();
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(printer.CurrentY(), 0);
  printer.PrintLine("first");
  EXPECT_EQ(out.str(), "");
  printer.EndDocument();
  EXPECT_EQ(out.str(), "first\n");
  printer.PrintLine("second");  // a new document starts on a new sheet
  printer.EndDocument();
  EXPECT_EQ(out.str(), "first\n\fsecond\n");
}

TEST(TextReportPrinter, AStreamThatRefusesTheDocumentIsAPrinterFailure) {
  std::ostringstream out;
  out.setstate(std::ios::badbit);
  TextReportPrinter printer(out);
  printer.PrintLine("lost");
  try {
    printer.EndDocument();
    FAIL() << "no failure";
  } catch (const PrinterFailure& failure) {
    EXPECT_EQ(failure.Error().Number, kErrPrinter);
  }
}

}  // namespace
}  // namespace stavelorn
