#include "ui/ConsoleMessages.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace stavelorn {
namespace {

TEST(ConsoleMessages, WritesEachBoxAndNeverGoesOnByItself) {
  std::ostringstream out;
  ConsoleMessages messages(out);
  EXPECT_EQ(messages.ReportErrorRetry("Printer Error", RunError{482, "Printer error"}),
            kAnswerCancel);
  EXPECT_EQ(messages.AskQuestion("Save Data ?", "Save Input Data in File ?"), kAnswerNo);
  EXPECT_EQ(messages.AskYesNo("Analysis Results", "Print ?"), kAnswerNo);
  EXPECT_EQ(messages.AskOkCancel("Delete Materials", "Delete Material 1 ?"), kAnswerCancel);
  EXPECT_EQ(messages.AskYesNoCancel("Save Data ?", "Save ?"), kAnswerCancel);
  EXPECT_EQ(messages.ShowStop("Analysis Results", "Check Input Data."), kAnswerOk);
  const std::string first = "Printer Error\nUnexpected error # 482 occurred: \n\nPrinter error\n";
  EXPECT_EQ(out.str().substr(0, first.size()), first);
}

}  // namespace
}  // namespace stavelorn
