// A class's variants of one template: each differs from the template only in its drawn values,
// each on its grid, no two alike; the key is the program's own answers, which the judge finds all
// right; one seed writes the same files again; a template that cannot give the class is refused
// naming why.
#include "reports/ClassVariants.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <set>

#include "analysis/AnalysisRun.h"
#include "reports/AnswerFile.h"
#include "reports/AnswerScore.h"
#include "reports/JsonReader.h"
#include "reports/VerdictJson.h"
#include "support/Golden.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

namespace fs = std::filesystem;

// The example roof truss made a template: the apex's height (5 values), the snow load on the
// apex (5) and the chords' area (3).
std::string TrussTemplate(
    const std::string& variations =
        "\"Variations\",3\r\n\"Joints\",7,2,2.5,3.5,0.25\r\n\"Joint Loads\",2,3,-20,-10,2.5\r\n"
        "\"Cross-Sections\",1,1,0.002,0.003,0.0005\r\n") {
  return testing::ExampleText("roof-truss") + variations;
}

TEST(ClassVariants, EachVariantIsTheTemplateWithItsOwnDrawAndItsKeyJudgesAllRight) {
  const ModelStore templateModel = testing::ModelFromText(TrussTemplate());
  ModelStore plain = templateModel;
  plain.Variations.clear();
  const std::string plainText = testing::FileText(plain);
  const VariantDraws draws = DrawVariants(templateModel, 12, 7);
  ASSERT_EQ(draws.Problem, "");
  ASSERT_EQ(draws.Variants.size(), 12u);
  // Seed 7 draws these on every build: the engine's numbers are fixed by the standard and the
  // mapping to the grids is the program's own.
  const std::vector<std::vector<float>> firstDraws = {
      {2.5f, -20, 0.002f}, {2.75f, -17.5f, 0.002f}, {3.5f, -12.5f, 0.002f}};
  for (std::size_t i = 0; i < firstDraws.size(); ++i)
    EXPECT_EQ(draws.Variants[i].Values, firstDraws[i]) << "variant " << i + 1;
  std::set<std::vector<float>> seen;
  for (std::size_t i = 0; i < draws.Variants.size(); ++i) {
    SCOPED_TRACE(i + 1);
    const DrawnVariant& variant = draws.Variants[i];
    ModelStore model = variant.Model;
    const std::vector<float> drawn = {model.JointCoords(7, 2), model.JointLoadValues(2, 2),
                                      model.Sections(1, 1)};
    EXPECT_EQ(variant.Values, drawn);
    for (std::size_t k = 0; k < drawn.size(); ++k) {
      const Variation& grid = templateModel.Variations[k];
      const double steps = (drawn[k] - grid.Low) / grid.Step;
      EXPECT_NEAR(steps, std::round(steps), 1e-4) << "value " << k + 1 << " off its grid";
      EXPECT_TRUE(drawn[k] >= grid.Low && drawn[k] <= grid.High) << drawn[k];
    }
    EXPECT_TRUE(seen.insert(drawn).second) << "a second variant alike";
    char number[8];
    std::snprintf(number, sizeof number, "%02d", static_cast<int>(i + 1));
    EXPECT_EQ(model.ProjectTitle, plain.ProjectTitle + " \xE2\x80\x94 variant " + number);
    // Everything else is the template's.
    model.JointCoords(7, 2) = plain.JointCoords(7, 2);
    model.JointLoadValues(2, 2) = plain.JointLoadValues(2, 2);
    model.Sections(1, 1) = plain.Sections(1, 1);
    model.ProjectTitle = plain.ProjectTitle;
    EXPECT_EQ(testing::FileText(model), plainText);
    // The judge, handed the key as a student's answers, finds every entry of every quantity right.
    const AnswerKey key = KeyOfAnalysis(variant.Model, CheckAndAnalyze(variant.Model));
    JsonValue document;
    ASSERT_EQ(ParseAnswersDocument("{\"answers\": " + variant.Answers + "}", document),
              std::nullopt);
    const AnswerSheet sheet = ReadAnswerItems(document, key);
    EXPECT_TRUE(sheet.Malformed.empty() && sheet.Repeated.empty());
    EXPECT_EQ(sheet.Answers.size(), 13u * 12u + 4u);  // every member quantity of 13 members, 4 more
    const JsonValue verdicts = ParseJson(CheckJson(JudgeGiven(key, sheet), false));
    EXPECT_GT(verdicts.Find("checked")->Number(), 500);
    EXPECT_EQ(verdicts.Find("right")->Number(), verdicts.Find("checked")->Number());
  }
}

std::string FolderText(const fs::path& folder) {
  std::string text;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder))
    text += entry.path().filename().string() + "\n" + testing::ReadWholeFile(entry.path().string());
  return text;
}

TEST(ClassVariants, OneSeedWritesTheSameFilesIntoANewFolderAndNeverOverAnything) {
  const fs::path base =
      fs::temp_directory_path() / ("stavelorn-variants-" + std::to_string(getpid()));
  fs::remove_all(base);
  const ModelStore templateModel = testing::ModelFromText(TrussTemplate());
  const auto write = [&](const std::string& folder, std::uint64_t seed) {
    return WriteVariants(templateModel, "course/truss.str",
                         VariantsChoice{5, seed, (base / folder).string()});
  };
  const VariantsOutcome first = write("a", 42);
  ASSERT_EQ(first.Exit, 0) << first.Message;
  std::vector<std::string> names;  // the files' names are the batch tool's test
  for (const std::string& path : first.Written) names.push_back(fs::path(path).filename().string());
  ASSERT_EQ(write("b", 42).Exit, 0);
  ASSERT_EQ(write("c", 43).Exit, 0);
  EXPECT_EQ(FolderText(base / "a"), FolderText(base / "b"));
  EXPECT_NE(FolderText(base / "a"), FolderText(base / "c"));
  // Each project reads back without its variations; the key names each.
  const JsonValue key = ParseJson(testing::ReadWholeFile((base / "a" / "key.json").string()));
  ASSERT_EQ(key.Find("variants")->items.size(), 5u);
  for (std::size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(key.Find("variants")->items[i].Find("project")->text, names[i]);
    const ModelStore read =
        testing::ModelFromText(testing::ReadWholeFile((base / "a" / names[i]).string()));
    EXPECT_TRUE(read.Variations.empty());
  }
  const std::string before = FolderText(base / "a");
  const VariantsOutcome again = write("a", 9);
  EXPECT_EQ(again.Exit, 2);
  EXPECT_NE(again.Message.find("is not an empty folder"), std::string::npos) << again.Message;
  EXPECT_EQ(FolderText(base / "a"), before);
  fs::remove_all(base);
}

// A class's file names sort as its variants are numbered, at every size up to the largest.
TEST(ClassVariants, FileNamesSortInTheVariantsOrder) {
  for (int count : {2, 99, 100, kMostVariants}) {
    std::vector<std::string> names;
    for (int i = 1; i <= count; ++i) names.push_back(VariantFileName("t", i, count));
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end())) << count;
  }
}

// A template that cannot give the class is refused saying why, against a file checked by eye:
// nothing varies, too few values for the class, every draw rejected; and two bars whose joint,
// drawn onto the line between their supports, leaves them unstable (two-bars-template.str).
TEST(ClassVariants, ATemplateThatCannotGiveTheClassIsRefusedSayingWhy) {
  const std::pair<std::string, int> templates[] = {
      {TrussTemplate(""), 2},
      {TrussTemplate("\"Variations\",1\r\n\"Joints\",7,2,3,3.25,0.25\r\n"), 3},
      {TrussTemplate("\"Variations\",2\r\n\"Joints\",7,2,2.5,3.5,0.25\r\n\"Materials\",1,1,"
                     "-2E+08,-1E+08,1E+07\r\n"),
       2},
      {testing::ReadWholeFile(testing::SourcePath("tests/reports/golden/two-bars-template.str")),
       2},
  };
  std::string log;
  for (const auto& [text, count] : templates) {
    const VariantDraws draws = DrawVariants(testing::ModelFromText(text), count, 1);
    EXPECT_TRUE(draws.Variants.empty());
    log += draws.Problem + "\n";
  }
  testing::ExpectGoldenFile(log, "tests/reports/golden/variant-refusals.txt");
}

}  // namespace
}  // namespace stavelorn
