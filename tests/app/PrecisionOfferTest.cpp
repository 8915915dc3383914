// The precision choice of Analyze: the offer of double precision for a large model, once per
// project, and what a run in double precision alone shows.
#include <gtest/gtest.h>

#include "analysis/AnalysisRun.h"
#include "analysis/GeneratedStructures.h"
#include "app/ProjectCommands.h"
#include "support/FakeCommandWindows.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessages.h"

namespace stavelorn {
namespace {

// A plane frame of 300 unknowns, or 301 with the rotation of one base joint freed.
ModelStore Frame(int unknowns) {
  ModelStore model = PlaneFrameGrid(9, 10);
  if (unknowns == 301) model.Supports(1, 4) = 0;
  return model;
}

TEST(PrecisionChoice, DoubleIsOfferedOncePerProjectAboveThreeHundredUnknowns) {
  ModelStore model;
  ScriptedMessages messages;  // an unscripted question fails the test
  ScriptedFileDialogs dialogs;
  FakeCommandWindows windows;
  ProjectCommands commands(model, messages, dialogs, windows);
  // Don't save, don't print, and answer the offer when one is expected.
  const auto analyse = [&](int unknowns, std::optional<int> offer = std::nullopt) {
    model = Frame(unknowns);
    messages.Answer(kAnswerNo);
    messages.Answer(kAnswerNo);
    if (offer) messages.Answer(*offer);
    commands.Analyze();
  };
  commands.Start();
  analyse(300);
  analyse(301, kAnswerNo);
  EXPECT_NE(messages.Log().back().Text.find("301 unknowns"), std::string::npos);
  analyse(301);  // answered for this project
  commands.Start();
  analyse(301, kAnswerYes);
  EXPECT_EQ(commands.Prefs().Precision.Chosen(), AnalysisPrecision::Double);
  EXPECT_EQ(commands.PrecisionStatus(), "");  // those results are single precision's
  commands.Start();
  analyse(301);
  int offers = 0;
  for (const auto& shown : messages.Log()) offers += shown.Title == kPrecisionTitle;
  EXPECT_EQ(offers, 2);
  EXPECT_EQ(messages.Log().back().Title, kAnalysisResultsTitle);  // and no accuracy box
  EXPECT_EQ(commands.PrecisionStatus(), "double precision");
  ASSERT_NE(commands.Trail(), nullptr);
  EXPECT_TRUE(commands.Trail()->DoublePrecision);

  PrecisionChoice restored;
  restored.Restore(commands.Prefs().Precision.Setting());
  EXPECT_EQ(restored.Chosen(), AnalysisPrecision::Double);
  restored.Restore("Double");  // not written by the program: the method as taught
  EXPECT_EQ(restored.Chosen(), AnalysisPrecision::Single);
}

}  // namespace
}  // namespace stavelorn
