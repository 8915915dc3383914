// The printed diagram pages: one per quantity of the type, in the Diagrams menu's order, each a
// picture of the structure with the quantity's largest value labelled on it.
#include "app/DiagramPages.h"

#include <gtest/gtest.h>

#include <cmath>

#include "analysis/AnalysisRun.h"
#include "graphics/DiagramDrawing.h"
#include "support/SampleModels.h"

namespace stavelorn {
namespace {

TEST(DiagramPages, EachQuantityHasAPageWithItsLargestValueLabelled) {
  for (const char* name : {"continuous-beam", "roof-truss", "grid-floor", "space-frame"}) {
    std::string problem;
    ModelStore model = testing::ExampleModel(name, problem);
    EXPECT_TRUE(DiagramPages(model).empty()) << "no pages before an analysis";
    CheckAndAnalyze(model);
    const std::vector<DiagramPage> pages = DiagramPages(model);
    const std::vector<DiagramQuantity> quantities = QuantitiesOfType(model.StructType);
    ASSERT_EQ(pages.size(), quantities.size()) << name;
    for (std::size_t p = 0; p < pages.size(); ++p) {
      double largest = 0;
      for (const MemberDiagram& d : BuildMemberDiagrams(model))
        for (const DiagramExtreme& e : d.Extremes)
          if (e.Quantity == quantities[p] && std::fabs(e.Value) > std::fabs(largest))
            largest = e.Value;
      int labels = 0;
      for (const Stroke& s : pages[p].Picture.Strokes())
        labels += s.Shape == Stroke::Kind::Text && s.Text == DiagramLabel(largest);
      EXPECT_GT(labels, 0) << name << " " << pages[p].Caption;
      EXPECT_EQ(pages[p].Caption.rfind(QuantityName(model.StructType, quantities[p]), 0), 0u);
    }
  }
}

}  // namespace
}  // namespace stavelorn
