// The influence line on paper: the last line the Influence Lines window showed, printed as a
// picture on a page of its own and as a text section (its name, the principle that explains its
// shape, and the window's table of stations in columns).
#pragma once

#include <string>
#include <vector>

#include "analysis/MovingLoad.h"
#include "app/DiagramPages.h"
#include "graphics/InfluenceDrawing.h"
#include "model/ModelStore.h"

namespace stavelorn {

// The line's picture page: the structure with the path and the line under it, as the window
// draws it (with `train`, at the place of its larger extreme), captioned "Influence line of "
// and the quantity's name.
DiagramPage InfluencePage(const ModelStore& model, const InfluenceLine& line,
                          const LoadTrain* train = nullptr);

// The section's lines for an 80-column page, the table's cells as BuildInfluenceTable has them,
// then, with `train`, the moving load's greatest and least effect.
std::vector<std::string> InfluenceReportLines(const ModelStore& model, const InfluenceLine& line,
                                              const LoadTrain* train = nullptr);

// The train drawn where it gives the larger in size of its two extremes.
ShownTrain TrainAtLargerExtreme(const LoadTrain& train, const MovingLoadExtremes& worst);

}  // namespace stavelorn
