// The results' JSON against a file checked by eye.
#include "reports/ResultsJson.h"

#include <gtest/gtest.h>

#include "support/Golden.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

// The JSON of results filled by hand (each value recognisable where it stands: every joint's own
// displacements, the settlement at a settled restraint, every member's end forces, every support's
// reactions), of a plane frame in named units with an accuracy note and its diagrams, of a truss,
// a grid and a space frame, against a file checked by eye.
TEST(ResultsJson, HandFilledResultsMatchTheCheckedFile) {
  const testing::AnalysedModel pframe = testing::HandResultsModel("pframe-kip-in");
  std::string text =
      ResultsJson(pframe.Model, pframe.Results, true, "\"Stiff\" \\ \n\tnote", nullptr, true);
  for (const char* name : {"ptruss", "grid", "sframe"}) {
    const testing::AnalysedModel hand = testing::HandResultsModel(name);
    text += ResultsJson(hand.Model, hand.Results);
  }
  testing::ExpectGoldenFile(text, "tests/reports/golden/results.json");
}

}  // namespace
}  // namespace stavelorn
