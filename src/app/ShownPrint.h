// What the report prints of the project's session beyond its data and results, the same from the
// desktop's Print and from the page: the influence line the window showed last, and the
// second-order run once it has settled.
#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "analysis/InfluenceLine.h"
#include "app/DiagramPages.h"
#include "app/ProjectSession.h"
#include "reports/PrintCommand.h"

namespace stavelorn {

// The line the Influence Lines window showed last, kept with the results shown; nullptr when
// there is none.
const InfluenceLine* KeptInfluenceLine(const ProjectSession& session);

// The print options for the results: the influence line offered while one is kept.
PrintOptions SessionPrintOptions(const ProjectSession& session);

// The kept line as the report prints it, its page made printable by `printable`; nothing when no
// line is kept or its section is not chosen.
using PrintablePage = std::function<std::unique_ptr<PagePicture>(DiagramPage)>;
std::optional<PrintedInfluence> InfluenceToPrint(const ProjectSession& session,
                                                 const PrintOptions& options,
                                                 const PrintablePage& printable);

// The settled second-order run's amplification, printed after the results; nothing without one.
PrintedSection SecondOrderSection(const ProjectSession& session);

}  // namespace stavelorn
