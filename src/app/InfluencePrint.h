// The influence line on paper: the last line the Influence Lines window showed, printed as a
// picture on a page of its own and as a text section (its name, the principle that explains its
// shape, and the window's table of stations in columns).
#pragma once

#include <string>
#include <vector>

#include "analysis/InfluenceLine.h"
#include "app/DiagramPages.h"
#include "model/ModelStore.h"

namespace stavelorn {

// The line's picture page: the structure with the path and the line under it, as the window
// draws it, captioned "Influence line of " and the quantity's name.
DiagramPage InfluencePage(const ModelStore& model, const InfluenceLine& line);

// The section's lines for an 80-column page, the table's cells as BuildInfluenceTable has them.
std::vector<std::string> InfluenceReportLines(const ModelStore& model, const InfluenceLine& line);

}  // namespace stavelorn
