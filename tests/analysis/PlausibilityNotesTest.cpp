// The plausibility notes at their bounds: a member's slenderness L/r just inside and just outside
// 1 and 1000, and E and alpha just inside and outside their ranges, in kN-m-C and in kip-in-F
// (bounds converted here by hand from 1 ksi = 6 894 757.293 Pa and 1 degree C = 1.8 degrees F).
// Values on a bound are chosen so that they are exact in single precision, or rounded by it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/AnalysisRun.h"
#include "analysis/PlausibilityNotes.h"
#include "reports/JsonReader.h"
#include "reports/ResultsJson.h"
#include "reports/ResultsReport.h"
#include "support/Golden.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

struct Case {
  const char* name;
  const char* type;
  const char* joints;    // two joints, the member between them
  const char* material;  // E (G) alpha
  const char* section;
  const char* units;
};

const char kSteel[] = "200000000,0.000012";
const char kRolledSteel[] = "200000000,80000000,0.000012";
const char kStocky[] = "0.01,0.0002";  // L = 10: L/r = 70.7
const char kTen[] = "0,0, 10,0";
const char kKNm[] = R"("Units",1, "kN","m","C")";
const char kKipIn[] = R"("Units",1, "kip","in","F")";

const Case kCases[] = {
    {"slenderness of 1000 is plausible", "PFrame", "0,0, 500,0", kSteel, "4,1", ""},
    {"slenderness of 1001 is noted", "PFrame", "0,0, 500.5,0", kSteel, "4,1", ""},
    {"slenderness of 1 is plausible", "PFrame", "0,0, 1,0", kSteel, "1,1", ""},
    {"slenderness below 1 is noted", "PFrame", "0,0, 0.96875,0", kSteel, "1,1", ""},
    {"slenderness names its units", "PFrame", "0,0, 600,0", kSteel, "4,1", kKNm},
    // Iz gives L/r = 500, Iy = 0.99 gives 1005.
    {"a space frame names the slender axis", "SFrame", "0,0,0, 500,0,0", kRolledSteel, "4,4,0.99,1",
     ""},
    // A beam has no A (nor has a grid): no slenderness, no material notes.
    {"a beam is not a frame", "Beam", "0, 500", "1e12,0.5", "1e-08", kKNm},
    {"unnamed units leave the material alone", "PFrame", kTen, "1e12,0.5", kStocky, ""},
    {"modulus of half a gigapascal in kN-m", "PFrame", kTen, "500000,0.000012", kStocky, kKNm},
    {"modulus below half a gigapascal in kN-m", "PFrame", kTen, "499000,0.000012", kStocky, kKNm},
    {"modulus of 500 gigapascals in kN-m", "PFrame", kTen, "500000000,0.000012", kStocky, kKNm},
    {"modulus above 500 gigapascals in kN-m", "PFrame", kTen, "501000000,0.000012", kStocky, kKNm},
    {"modulus of half a gigapascal in kip-in", "PFrame", kTen, "72.518869,0.0000065", kStocky,
     kKipIn},
    {"modulus below half a gigapascal in kip-in", "PFrame", kTen, "72.51,0.0000065", kStocky,
     kKipIn},
    {"expansion at its bounds in Celsius", "SFrame", "0,0,0, 10,0,0", "200000000,80000000,0.0001",
     "0.01,0.0002,0.0001,0.00005", kKNm},
    {"expansion above its bound in Celsius", "PFrame", kTen, "200000000,0.00011", kStocky, kKNm},
    {"expansion at its bound in Fahrenheit", "PFrame", kTen, "29000,5.5555556e-8", kStocky, kKipIn},
    {"expansion below its bound in Fahrenheit", "PFrame", kTen, "29000,5.5e-8", kStocky, kKipIn},
};

// Each case's notes, none or one, against a file checked by eye.
TEST(PlausibilityNotes, NotesEachImplausibleValueAtItsBounds) {
  std::string log;
  for (const Case& c : kCases) {
    std::string held;
    const StructTypeInfo& type = TypeOf(KindOfStructure(c.type));
    for (int k = 0; k < type.CoordsPerJoint; ++k) held += ",1";
    const ModelStore model = testing::ModelFromText(
        "\"plausible\",\"" + std::string(c.type) + "\"\n\"Joints\",2, " + c.joints +
        "\n\"Supports\",1, 1" + held + "\n\"Materials\",1, " + c.material +
        "\n\"Cross-Sections\",1, " + c.section + "\n\"Members\",1, 1,2,1,1" +
        (type.RollAngles ? ",0" : "") + "\n" + c.units + "\n");
    log += std::string(c.name) + "\n";
    for (const std::string& note : ImplausibleValueNotes(model)) log += "  " + note + "\n";
  }
  testing::ExpectGoldenFile(log, "tests/analysis/golden/plausibility-notes.txt");
}

// The units slip of a student's portal (A = 10000 beside I = 1e-4 on the columns' section)
// analyses without complaint; the one run's notes, one for each column, reach the outcome the
// window shows (before its question), the printed results and the JSON. The portal as it is has
// none, and its JSON no "plausibilityNotes" at all.
TEST(PlausibilityNotes, TheRunsNotesReachTheOutcomeThePrintoutAndTheJson) {
  ModelStore model = testing::ExampleModel("portal-frame");
  EXPECT_EQ(ResultsJson(model, CheckAndAnalyze(model).Results).find("plausibilityNotes"),
            std::string::npos);

  model.Sections(1, 1) = 10000;
  model.Sections(1, 2) = 1e-4f;
  const AnalysisRun run = CheckAndAnalyze(model);
  ASSERT_TRUE(run.Results.Complete());
  const std::vector<std::string>& notes = run.Results.PlausibilityNotes;
  ASSERT_EQ(notes.size(), 2u);
  EXPECT_EQ(notes[0].rfind("Member 1: its slenderness L/r = 5e+04 is above 1000", 0), 0u);
  EXPECT_EQ(notes[1].rfind("Member 3: ", 0), 0u);

  const std::string outcome = AnalysisOutcomeText(model, run);
  const JsonValue json = ParseJson(ResultsJson(model, run.Results));
  const std::string printed = testing::PrintedText(
      [&](ReportPrinter& printer) { PrintOutput(model, run.Results, printer); });
  ASSERT_EQ(json["plausibilityNotes"].items.size(), notes.size());
  for (std::size_t i = 0; i < notes.size(); ++i) {
    EXPECT_LT(outcome.find(notes[i]), outcome.find("Print Results of the Analysis ?"));
    EXPECT_EQ(json["plausibilityNotes"][i].text, notes[i]);
    EXPECT_NE(printed.find("Note: Member " + std::to_string(2 * i + 1) + ": its slenderness"),
              std::string::npos);
  }
}

}  // namespace
}  // namespace stavelorn
