// The plausibility notes at their bounds: a member's slenderness L/r just inside and just outside
// 1 and 1000, and E and alpha just inside and outside their ranges, in kN-m-C and in kip-in-F
// (bounds converted here by hand from 1 ksi = 6 894 757.293 Pa and 1 degree C = 1.8 degrees F).
// Values on a bound are chosen so that they are exact in single precision, or rounded by it.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "analysis/AnalysisRun.h"
#include "analysis/PlausibilityNotes.h"
#include "reports/JsonReader.h"
#include "reports/ResultsJson.h"
#include "reports/ResultsReport.h"
#include "reports/TextReportPrinter.h"
#include "support/CaseNames.h"
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
  const char* note;  // a part of the one note expected ("" none)
};

const char kSteel[] = "200000000,0.000012";
const char kRolledSteel[] = "200000000,80000000,0.000012";
const char kStocky[] = "0.01,0.0002";  // L = 10: L/r = 70.7
const char kTen[] = "0,0, 10,0";
const char kKNm[] = R"("Units",1, "kN","m","C")";
const char kKipIn[] = R"("Units",1, "kip","in","F")";

const Case kCases[] = {
    {"SlendernessOf1000IsPlausible", "PFrame", "0,0, 500,0", kSteel, "4,1", "", ""},
    {"SlendernessOf1001IsNoted", "PFrame", "0,0, 500.5,0", kSteel, "4,1", "",
     "Member 1: its slenderness L/r = 1001 is above 1000 (L = 500.5, A = 4, I = 1, "
     "r = sqrt(I/A) = 0.5)"},
    {"SlendernessOf1IsPlausible", "PFrame", "0,0, 1,0", kSteel, "1,1", "", ""},
    {"SlendernessBelow1IsNoted", "PFrame", "0,0, 0.96875,0", kSteel, "1,1", "",
     "Member 1: its slenderness L/r = 0.9688 is below 1"},
    {"SlendernessNamesItsUnits", "PFrame", "0,0, 600,0", kSteel, "4,1", kKNm,
     "(L = 600 m, A = 4 m2, I = 1 m4, r = sqrt(I/A) = 0.5 m)"},
    // Iz gives L/r = 500, Iy = 0.99 gives 1005.
    {"SpaceFrameNamesTheSlenderAxis", "SFrame", "0,0,0, 500,0,0", kRolledSteel, "4,4,0.99,1", "",
     "Member 1: its slenderness L/r = 1005 is above 1000 (L = 500, A = 4, Iy = 0.99"},
    // A beam has no A (nor has a grid): no slenderness, no material notes.
    {"BeamIsNotAFrame", "Beam", "0, 500", "1e12,0.5", "1e-08", kKNm, ""},
    {"UnnamedUnitsLeaveTheMaterialAlone", "PFrame", kTen, "1e12,0.5", kStocky, "", ""},

    {"ModulusOfHalfAGigapascalInKilonewtonMetre", "PFrame", kTen, "500000,0.000012", kStocky, kKNm,
     ""},
    {"ModulusBelowHalfAGigapascalInKilonewtonMetre", "PFrame", kTen, "499000,0.000012", kStocky,
     kKNm, "Material 1: E = 499000 kN/m2 is outside 0.5 to 500 GPa (5e+05 to 5e+08 kN/m2)"},
    {"ModulusOf500GigapascalsInKilonewtonMetre", "PFrame", kTen, "500000000,0.000012", kStocky,
     kKNm, ""},
    {"ModulusAbove500GigapascalsInKilonewtonMetre", "PFrame", kTen, "501000000,0.000012", kStocky,
     kKNm, "Material 1: E = 5.01E+08 kN/m2"},
    {"ModulusOfHalfAGigapascalInKipInch", "PFrame", kTen, "72.518869,0.0000065", kStocky, kKipIn,
     ""},
    {"ModulusBelowHalfAGigapascalInKipInch", "PFrame", kTen, "72.51,0.0000065", kStocky, kKipIn,
     "Material 1: E = 72.51 kip/in2 is outside 0.5 to 500 GPa (72.52 to 7.252e+04 kip/in2)"},

    {"ExpansionAtItsBoundsInCelsius", "SFrame", "0,0,0, 10,0,0", "200000000,80000000,0.0001",
     "0.01,0.0002,0.0001,0.00005", kKNm, ""},
    {"ExpansionAboveItsBoundInCelsius", "PFrame", kTen, "200000000,0.00011", kStocky, kKNm,
     "Material 1: alpha = 0.00011 1/C is outside 1e-07 to 0.0001 per degree Celsius"},
    {"ExpansionAtItsBoundInFahrenheit", "PFrame", kTen, "29000,5.5555556e-8", kStocky, kKipIn, ""},
    {"ExpansionBelowItsBoundInFahrenheit", "PFrame", kTen, "29000,5.5e-8", kStocky, kKipIn,
     "(5.556e-08 to 5.556e-05 1/F)"},
};

class PlausibilityNotesTest : public ::testing::TestWithParam<Case> {};

TEST_P(PlausibilityNotesTest, NotesEachImplausibleValueAtItsBounds) {
  const Case& c = GetParam();
  std::string held;
  const StructTypeInfo& type = TypeOf(KindOfStructure(c.type));
  for (int k = 0; k < type.CoordsPerJoint; ++k) held += ",1";
  const ModelStore model = testing::ModelFromText(
      "\"plausible\",\"" + std::string(c.type) + "\"\n\"Joints\",2, " + c.joints +
      "\n\"Supports\",1, 1" + held + "\n\"Materials\",1, " + c.material +
      "\n\"Cross-Sections\",1, " + c.section + "\n\"Members\",1, 1,2,1,1" +
      (type.RollAngles ? ",0" : "") + "\n" + c.units + "\n");
  const std::vector<std::string> notes = ImplausibleValueNotes(model);
  ASSERT_EQ(notes.size(), *c.note ? 1u : 0u) << (notes.empty() ? "" : notes.front());
  for (const std::string& note : notes) EXPECT_NE(note.find(c.note), std::string::npos) << note;
}

INSTANTIATE_TEST_SUITE_P(Bounds, PlausibilityNotesTest, ::testing::ValuesIn(kCases),
                         testing::NamedCases());

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
  std::ostringstream printed;
  TextReportPrinter printer(printed);
  PrintOutput(model, run.Results, printer);
  printer.EndDocument();
  ASSERT_EQ(json["plausibilityNotes"].items.size(), notes.size());
  for (std::size_t i = 0; i < notes.size(); ++i) {
    EXPECT_LT(outcome.find(notes[i]), outcome.find("Print Results of the Analysis ?"));
    EXPECT_EQ(json["plausibilityNotes"][i].text, notes[i]);
    EXPECT_NE(printed.str().find("Note: Member " + std::to_string(2 * i + 1) + ": its slenderness"),
              std::string::npos);
  }
}

}  // namespace
}  // namespace stavelorn
