// The printed diagram pages: one per quantity of the type, in the Diagrams menu's order, each a
// picture of the structure with the quantity's extremes labelled on it.
#include "app/DiagramPages.h"

#include <gtest/gtest.h>

#include "analysis/AnalysisRun.h"
#include "graphics/DiagramDrawing.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

TEST(DiagramPages, EachQuantityHasAPageWithItsExtremesLabelled) {
  std::string problem;
  ModelStore model = testing::ExampleModel("portal-frame", problem);
  CheckAndAnalyze(model);
  const std::vector<DiagramPage> pages = DiagramPages(model);
  ASSERT_EQ(pages.size(), 3u);
  // N, V, M: each page labels extremes of its own quantity.
  const std::vector<MemberDiagram> diagrams = BuildMemberDiagrams(model);
  for (std::size_t p = 0; p < pages.size(); ++p) {
    const DiagramQuantity q = QuantitiesOfType(model.StructType)[p];
    EXPECT_EQ(pages[p].Caption.substr(0, 1), QuantityName(model.StructType, q));
    int labels = 0;
    for (const Stroke& s : pages[p].Picture.Strokes())
      for (const MemberDiagram& d : diagrams)
        for (const DiagramExtreme& e : d.Extremes)
          labels +=
              e.Quantity == q && s.Shape == Stroke::Kind::Text && s.Text == ShortNumber(e.Value);
    EXPECT_GT(labels, 0) << pages[p].Caption;
  }
}

}  // namespace
}  // namespace stavelorn
