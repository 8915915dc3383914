// The load-case edits keep every case's loads with its name and its factors, the shown case
// shown, and a model the file can hold: after each edit the project survives a write and a read.
#include "model/LoadCaseEdits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "support/Golden.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

// Three cases told apart by their one joint load on joint 2: Dead -1, Live -2, Wind -3 (X), and
// their sum "All" (three-case-beam.str).
ModelStore Beam() {
  return testing::ModelFromFile("tests/model/golden/three-case-beam.str");
}

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
  const ModelStore back = testing::ModelFromText(testing::FileText(model));
  model.SelectLoadCase(1);
  EXPECT_EQ(Described(back), Described(model));
}

// After each edit in turn, the cases, the shown one and the factors as Described() gives them,
// against a file checked by eye: showing Live, moving Dead last and first again, adding Snow and
// its factor, deleting Dead and then the shown Live, renaming Wind to Gust, adding a
// combination and deleting the first.
TEST(LoadCaseEdits, EachEditKeepsLoadsFactorsAndTheShownCaseWithTheirNames) {
  std::string (*const edits[])(ModelStore&) = {
      [](ModelStore& m) { return m.SelectLoadCase(2), std::string(); },
      [](ModelStore& m) { return MoveLoadCase(m, 1, 3); },
      [](ModelStore& m) { return MoveLoadCase(m, 3, 1); },
      [](ModelStore& m) { return AddLoadCase(m, "Snow"); },
      [](ModelStore& m) { return SetCombinationFactor(m, 0, 4, 5); },
      [](ModelStore& m) { return DeleteLoadCase(m, 1); },
      [](ModelStore& m) { return DeleteLoadCase(m, 1); },
      [](ModelStore& m) { return RenameLoadCase(m, 1, "Gust"); },
      [](ModelStore& m) { return AddCombination(m, "Gust only"); },
      [](ModelStore& m) { return DeleteCombination(m, 0); },
  };
  ModelStore model = Beam();
  std::string log;
  for (const auto edit : edits) {
    EXPECT_EQ(edit(model), "");
    log += Described(model) + "\n";
    ExpectFileHoldsIt(model);
  }
  testing::ExpectGoldenFile(log, "tests/model/golden/load-case-edits.txt");
}

// Each edit that would break the model is refused, saying why (against a file checked by eye),
// and changes nothing.
TEST(LoadCaseEdits, EditsThatWouldBreakTheModelAreRefusedChangingNothing) {
  const ModelStore original = Beam();
  std::string (*const refused[])(ModelStore&) = {
      [](ModelStore& m) { return AddLoadCase(m, "Live"); },       // named as a case
      [](ModelStore& m) { return RenameLoadCase(m, 1, "All"); },  // named as a combination
      [](ModelStore& m) { return AddCombination(m, ""); },
      [](ModelStore& m) { return AddLoadCase(m, "a\tb"); },
      [](ModelStore& m) { return DeleteLoadCase(m, 4); },
      [](ModelStore& m) { return MoveLoadCase(m, 1, 0); },
      [](ModelStore& m) { return RenameCombination(m, 1, "X"); },
      [](ModelStore& m) { return SetCombinationFactor(m, 0, 1, INFINITY); },
  };
  std::string log;
  for (const auto edit : refused) {
    ModelStore model = original;
    log += edit(model) + "\n";
    EXPECT_EQ(Described(model), Described(original)) << log;
  }
  testing::ExpectGoldenFile(log, "tests/model/golden/load-case-edit-refusals.txt");
  ModelStore single = testing::ExampleModel("portal-frame");
  EXPECT_EQ(DeleteLoadCase(single, 1), "A project keeps at least one load case.");
  EXPECT_TRUE(CaseHasLoads(original, 2));
  ModelStore added = original;
  ASSERT_EQ(AddLoadCase(added, "Snow"), "");
  EXPECT_FALSE(CaseHasLoads(added, 4));
}

}  // namespace
}  // namespace stavelorn
