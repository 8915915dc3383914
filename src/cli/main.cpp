// stavelorn-report [--trail] [--diagrams] [--json [--influence WHAT [--path ...]]]
// [--units F,L[,T]] [--picture OUT.svg [--deformed] [--diagram Q]] FILE.str: the report of a
// project, or its results as JSON, and its drawing as a picture, for instructors and scripts.
// Everything it does is RunBatchReport's; the drawing is the one the main window shows.
#include <iostream>
#include <string>
#include <vector>

#include "graphics/StructurePicture.h"
#include "reports/BatchReport.h"

int main(int argc, char** argv) {
  using namespace stavelorn;
  std::vector<std::string> args(argv + 1, argv + argc);
  const PictureDrawer draw = [](const ModelStore& model, const StructureResults& results,
                                bool deformed, std::optional<DiagramQuantity> diagram,
                                Messages& messages) {
    return StructurePictureSvg(model, results, PictureContent{deformed, diagram}, messages);
  };
  return RunBatchReport(args, std::cout, std::cerr, draw);
}
