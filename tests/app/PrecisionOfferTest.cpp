// The precision choice: its setting, and the one offer per project to switch a large model to
// double precision, with what an analysis in double precision shows and prints.
#include <gtest/gtest.h>

#include <sstream>

#include "analysis/GeneratedStructures.h"
#include "app/ProjectCommands.h"
#include "reports/TextReportPrinter.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessages.h"

namespace stavelorn {
namespace {

TEST(PrecisionChoice, OffersOnceAboveThreeHundredUnknownsInSinglePrecision) {
  PrecisionChoice choice;
  EXPECT_FALSE(choice.ShouldOffer(300));
  EXPECT_TRUE(choice.ShouldOffer(301));
  choice.Answer(false);
  EXPECT_FALSE(choice.ShouldOffer(5000));
  EXPECT_EQ(choice.Chosen(), AnalysisPrecision::Single);
  choice.ProjectChanged();
  EXPECT_TRUE(choice.ShouldOffer(301));
  choice.Choose(AnalysisPrecision::Double);
  EXPECT_FALSE(choice.ShouldOffer(5000));
  choice.Choose(AnalysisPrecision::Single);
  choice.Answer(true);
  EXPECT_EQ(choice.Chosen(), AnalysisPrecision::Double);

  for (AnalysisPrecision precision : {AnalysisPrecision::Single, AnalysisPrecision::Double}) {
    PrecisionChoice kept, restored;
    kept.Choose(precision);
    restored.Restore(kept.Setting());
    EXPECT_EQ(restored.Chosen(), precision);
    restored.Restore("Double");  // not a setting the program writes: the method as taught
    EXPECT_EQ(restored.Chosen(), AnalysisPrecision::Single);
  }
  EXPECT_EQ(SecondsText(1.234), "1.2 s");
  EXPECT_EQ(SecondsText(0.0456), "0.046 s");
  EXPECT_EQ(SecondsText(12.6), "13 s");
}

class PrecisionWindows : public CommandWindows {
 public:
  AnalysisPrecision dialogChoice = AnalysisPrecision::Single;
  std::ostringstream printed;

  bool ShowTitleDialog() override { return false; }
  bool ChooseUnits(UnitSystem&) override { return false; }
  void Redraw() override {}
  std::unique_ptr<ReportPrinter> OpenPrinter() override {
    return std::make_unique<TextReportPrinter>(printed);
  }
  bool ChoosePrintOptions(PrintOptions&) override { return true; }
  void ShowPrintPreview(const PrintOptions&, const std::vector<const PagePicture*>&,
                        const PrintedInfluence*) override {}
  bool ChoosePrecision(AnalysisPrecision& precision) override {
    precision = dialogChoice;
    return true;
  }
};

// A plane frame of 300 unknowns, or 301 with the rotation of one base joint freed.
ModelStore Frame(int unknowns) {
  ModelStore model = PlaneFrameGrid(9, 10);
  if (unknowns == 301) model.Supports(1, 4) = 0;
  return model;
}

TEST(PrecisionChoice, TheWindowOffersDoubleOncePerProjectAndShowsItsRuns) {
  ModelStore model;
  ScriptedMessages messages;
  ScriptedFileDialogs dialogs;
  PrecisionWindows windows;
  ProjectCommands commands(model, messages, dialogs, windows);
  const auto offers = [&messages] {
    int count = 0;
    for (const auto& shown : messages.Log()) count += shown.Title == kPrecisionTitle;
    return count;
  };
  // Don't save, then print or not; a last answer, when given, is the offer's.
  const auto analyse = [&](bool print, std::optional<int> offer = std::nullopt) {
    messages.Answer(kAnswerNo);
    messages.Answer(print ? kAnswerYes : kAnswerNo);
    if (offer) messages.Answer(*offer);
    commands.Analyze();
    ASSERT_EQ(model.AnalysisStatus, kAnalysisComplete);
  };

  commands.Start();
  model = Frame(300);
  analyse(false);
  EXPECT_EQ(offers(), 0);
  model = Frame(301);
  analyse(false, kAnswerNo);
  ASSERT_EQ(offers(), 1);
  EXPECT_NE(messages.Log().back().Text.find("301 unknowns"), std::string::npos);
  analyse(false);  // answered for this project
  EXPECT_EQ(offers(), 1);
  EXPECT_EQ(commands.PrecisionStatus(), "");

  commands.Start();  // another project: offered again
  model = Frame(301);
  analyse(false, kAnswerYes);
  EXPECT_EQ(offers(), 2);
  EXPECT_EQ(commands.Precision().Chosen(), AnalysisPrecision::Double);
  const std::size_t shown = messages.Log().size();
  analyse(true);
  EXPECT_EQ(messages.Log().size(), shown + 2);  // no accuracy box, no offer
  EXPECT_EQ(commands.PrecisionStatus(), "double precision");
  ASSERT_NE(commands.Trail(), nullptr);
  EXPECT_TRUE(commands.Trail()->DoublePrecision);
  EXPECT_NE(windows.printed.str().find("Computed in double precision"), std::string::npos);

  commands.Run(MenuItem::MnuProjPrecision);  // back to single precision, the dialog says
  windows.printed.str("");
  analyse(true);
  EXPECT_EQ(commands.Precision().Chosen(), AnalysisPrecision::Single);
  EXPECT_EQ(commands.PrecisionStatus(), "");
  EXPECT_EQ(windows.printed.str().find("double precision"), std::string::npos);
  EXPECT_EQ(offers(), 2);
}

}  // namespace
}  // namespace stavelorn
