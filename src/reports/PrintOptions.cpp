#include "reports/PrintOptions.h"

#include <algorithm>

namespace stavelorn {

namespace {

using S = ReportSection;

const std::array<ReportSectionInfo, kReportSectionCount> kSections = {{
    {S::InputData, "InputData", "&Input data"},
    {S::Results, "Results", "&Results"},
}};

}  // namespace

const std::array<ReportSectionInfo, kReportSectionCount>& ReportSections() {
  return kSections;
}

PrintOptions::PrintOptions(const ModelStore& model) {
  available_[Index(S::InputData)] = true;
  // Results exist only after an analysis that completed; the report prints none otherwise.
  available_[Index(S::Results)] = model.AnalysisStatus == kAnalysisComplete;
  chosen_ = available_;
}

void PrintOptions::Choose(ReportSection section, bool chosen) {
  chosen_[Index(section)] = chosen && Available(section);
}

bool PrintOptions::AnythingChosen() const {
  return std::any_of(chosen_.begin(), chosen_.end(), [](bool chosen) { return chosen; });
}

}  // namespace stavelorn
