// The printed diagram pages: one per quantity of the type, in the Diagrams menu's order, each a
// picture of the whole structure with the quantity's largest value labelled on it.
#include "app/DiagramPages.h"

#include <gtest/gtest.h>

#include <cmath>

#include "analysis/AnalysisRun.h"
#include "analysis/MemberDiagrams.h"
#include "graphics/DiagramDrawing.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

TEST(DiagramPages, EachQuantityHasAPageWithItsLargestValueLabelled) {
  for (const char* name : {"continuous-beam", "roof-truss", "portal-frame", "space-truss-tower",
                           "grid-floor", "space-frame"}) {
    SCOPED_TRACE(name);
    std::string problem;
    ModelStore model = testing::ExampleModel(name, problem);
    EXPECT_TRUE(DiagramPages(model).empty()) << "no pages before an analysis";
    CheckAndAnalyze(model);
    const std::vector<DiagramPage> pages = DiagramPages(model);
    const std::vector<DiagramQuantity> quantities = QuantitiesOfType(model.StructType);
    ASSERT_EQ(pages.size(), quantities.size());
    const std::vector<MemberDiagram> diagrams = BuildMemberDiagrams(model);
    for (std::size_t p = 0; p < pages.size(); ++p) {
      const DiagramQuantity q = quantities[p];
      EXPECT_EQ(pages[p].Caption.rfind(QuantityName(model.StructType, q), 0), 0u)
          << pages[p].Caption;
      double largest = 0;
      for (const MemberDiagram& d : diagrams)
        for (const DiagramExtreme& e : d.Extremes)
          if (e.Quantity == q && std::fabs(e.Value) > std::fabs(largest)) largest = e.Value;
      bool labelled = false;
      int lines = 0;
      for (const Stroke& s : pages[p].Picture.Strokes()) {
        labelled = labelled || (s.Shape == Stroke::Kind::Text && s.Text == DiagramLabel(largest));
        lines += s.Shape == Stroke::Kind::Line;
      }
      EXPECT_TRUE(labelled) << pages[p].Caption << " lacks " << DiagramLabel(largest);
      // At least the members themselves are drawn.
      EXPECT_GE(lines, model.MemberCount) << pages[p].Caption;
    }
  }
}

}  // namespace
}  // namespace stavelorn
