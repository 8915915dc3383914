// The load-case edits keep every case's loads with its name and its factors, the shown case
// shown, and a model the file can hold: after each edit the project survives a write and a read.
#include "model/LoadCaseEdits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "model/ProjectFile.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

// Three cases told apart by their one joint load on joint 2: Dead -1, Live -2, Wind -3 (X).
const char kBeam[] =
    "\"Cases\"\r\n\"Beam\"\r\n\"Joints\",3\r\n0\r\n5\r\n10\r\n\"Supports\",3\r\n1,1,0\r\n"
    "2,1,0\r\n3,1,0\r\n\"Materials\",1\r\n2E+08,1.2E-05\r\n\"Cross-Sections\",1\r\n0.0005\r\n"
    "\"Members\",2\r\n1,2,1,1\r\n2,3,1,1\r\n\"Load Cases\",3\r\n\"Dead\"\r\n\"Live\"\r\n"
    "\"Wind\"\r\n\"Load Case\",1\r\n\"Joint Loads\",1\r\n2,-1,0\r\n\"Load Case\",2\r\n"
    "\"Joint Loads\",1\r\n2,-2,0\r\n\"Load Case\",3\r\n\"Joint Loads\",1\r\n2,-3,0\r\n"
    "\"Load Combinations\",1\r\n\"All\",1,2,3\r\n";

// The cases as "name=load" in order, the shown case marked with *, and the combination's factors.
std::string Described(const ModelStore& model) {
  std::string text;
  for (int c = 1; c <= model.LoadCaseCount(); ++c) {
    const LoadSet& loads = model.LoadsOfCase(c);
    text += (c == model.CurrentLoadCase ? "*" : "") + model.LoadCaseName(c) + "=" +
            (loads.JointLoadCount ? std::to_string(static_cast<int>(loads.JointLoadValues(1, 1)))
                                  : "none") +
            " ";
  }
  for (const LoadCombination& combination : model.Combinations) {
    text += combination.Name + ":";
    for (float factor : combination.Factors) text += " " + std::to_string(static_cast<int>(factor));
  }
  return text;
}

// The model written and read back is described the same (the reader shows case 1).
void ExpectFileHoldsIt(ModelStore model) {
  std::string text;
  ASSERT_FALSE(ProjectFileText(model, text));
  ModelStore back = testing::ModelFromText(text);
  model.SelectLoadCase(1);
  EXPECT_EQ(Described(back), Described(model));
}

TEST(LoadCaseEdits, EachEditKeepsLoadsFactorsAndTheShownCaseWithTheirNames) {
  struct Step {
    const char* name;
    std::string (*edit)(ModelStore&);
    const char* after;
  };
  const Step steps[] = {
      {"show Live", [](ModelStore& m) { return m.SelectLoadCase(2), std::string(); },
       "Dead=-1 *Live=-2 Wind=-3 All: 1 2 3"},
      {"move Dead last", [](ModelStore& m) { return MoveLoadCase(m, 1, 3); },
       "*Live=-2 Wind=-3 Dead=-1 All: 2 3 1"},
      {"move Dead first", [](ModelStore& m) { return MoveLoadCase(m, 3, 1); },
       "Dead=-1 *Live=-2 Wind=-3 All: 1 2 3"},
      {"add Snow", [](ModelStore& m) { return AddLoadCase(m, "Snow"); },
       "Dead=-1 *Live=-2 Wind=-3 Snow=none All: 1 2 3 0"},
      {"factor of Snow", [](ModelStore& m) { return SetCombinationFactor(m, 0, 4, 5); },
       "Dead=-1 *Live=-2 Wind=-3 Snow=none All: 1 2 3 5"},
      {"delete Dead", [](ModelStore& m) { return DeleteLoadCase(m, 1); },
       "*Live=-2 Wind=-3 Snow=none All: 2 3 5"},
      {"delete the shown Live", [](ModelStore& m) { return DeleteLoadCase(m, 1); },
       "*Wind=-3 Snow=none All: 3 5"},
      {"rename Wind", [](ModelStore& m) { return RenameLoadCase(m, 1, "Gust"); },
       "*Gust=-3 Snow=none All: 3 5"},
      {"add a combination", [](ModelStore& m) { return AddCombination(m, "Gust only"); },
       "*Gust=-3 Snow=none All: 3 5Gust only: 0 0"},
      {"delete the first combination", [](ModelStore& m) { return DeleteCombination(m, 0); },
       "*Gust=-3 Snow=none Gust only: 0 0"},
  };
  ModelStore model = testing::ModelFromText(kBeam);
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    EXPECT_EQ(step.edit(model), "");
    EXPECT_EQ(Described(model), step.after);
    ExpectFileHoldsIt(model);
  }
}

TEST(LoadCaseEdits, AProjectOfOneUnnamedCaseNamesItWhenASecondComes) {
  ModelStore model = testing::ExampleModel("portal-frame");
  const std::string before = Described(model);
  ASSERT_EQ(AddLoadCase(model, "Wind"), "");
  EXPECT_EQ(model.LoadCaseName(1), "Case 1");
  EXPECT_EQ(model.JointLoadCount, 1) << "the loads stay with the first case";
  EXPECT_EQ(model.LoadsOfCase(2).MemberLoadCount, 0);
  ExpectFileHoldsIt(model);
  EXPECT_NE(before, Described(model));
}

TEST(LoadCaseEdits, EditsThatWouldBreakTheModelAreRefusedChangingNothing) {
  const ModelStore original = testing::ModelFromText(kBeam);
  struct Refused {
    const char* name;
    std::string (*edit)(ModelStore&);
    const char* says;
  };
  const Refused refusals[] = {
      {"a case named as a case", [](ModelStore& m) { return AddLoadCase(m, "Live"); },
       "Load case 2 is named \"Live\" already."},
      {"a case named as a combination", [](ModelStore& m) { return RenameLoadCase(m, 1, "All"); },
       "A load combination is named \"All\" already."},
      {"an empty name", [](ModelStore& m) { return AddCombination(m, ""); }, "needs a name"},
      {"a control character", [](ModelStore& m) { return AddLoadCase(m, "a\tb"); },
       "control characters"},
      {"no such case", [](ModelStore& m) { return DeleteLoadCase(m, 4); }, "no load case 4"},
      {"no such place", [](ModelStore& m) { return MoveLoadCase(m, 1, 0); }, "no load case 0"},
      {"no such combination", [](ModelStore& m) { return RenameCombination(m, 1, "X"); },
       "no such load combination"},
      {"an endless factor", [](ModelStore& m) { return SetCombinationFactor(m, 0, 1, INFINITY); },
       "finite"},
  };
  for (const Refused& r : refusals) {
    ModelStore model = original;
    const std::string refusal = r.edit(model);
    EXPECT_NE(refusal.find(r.says), std::string::npos) << r.name << ": " << refusal;
    EXPECT_EQ(Described(model), Described(original)) << r.name;
  }
  ModelStore single = testing::ExampleModel("portal-frame");
  EXPECT_EQ(DeleteLoadCase(single, 1), "A project keeps at least one load case.");
  EXPECT_TRUE(CaseHasLoads(original, 2));
  ModelStore added = original;
  ASSERT_EQ(AddLoadCase(added, "Snow"), "");
  EXPECT_FALSE(CaseHasLoads(added, 4));
}

}  // namespace
}  // namespace stavelorn
