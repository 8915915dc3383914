#include "app/DiagramPages.h"

#include "analysis/MemberDiagrams.h"
#include "graphics/DiagramDrawing.h"

namespace stavelorn {

std::vector<DiagramPage> DiagramPages(const ModelStore& model, const StructureResults& results) {
  std::vector<DiagramPage> pages;
  if (results.AnalysisStatus != kAnalysisComplete) return pages;
  // The diagrams are built once and drawn for every quantity.
  const std::vector<MemberDiagram> diagrams = BuildMemberDiagrams(model, results);
  for (DiagramQuantity q : QuantitiesOfType(model.StructType)) {
    DiagramPage page;
    page.Caption = QuantityName(model.StructType, q) + "   " + QuantityCaption(q);
    DrawStructureDiagrams(model, diagrams, q, page.Picture);
    pages.push_back(std::move(page));
  }
  return pages;
}

}  // namespace stavelorn
