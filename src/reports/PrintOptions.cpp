#include "reports/PrintOptions.h"

#include <algorithm>

namespace stavelorn {

namespace {

using S = ReportSection;

const std::array<ReportSectionInfo, kReportSectionCount> kSections = {{
    {S::InputData, "InputData", "&Input data"},
    {S::Results, "Results", "&Results"},
    {S::MethodTrail, "MethodTrail", "&Method step by step"},
    {S::Diagrams, "Diagrams", "&Diagrams"},
    {S::InfluenceLine, "InfluenceLine", "In&fluence line"},
}};

}  // namespace

const std::array<ReportSectionInfo, kReportSectionCount>& ReportSections() {
  return kSections;
}

PrintOptions::PrintOptions(const StructureResults& results, bool influenceLineKept) {
  available_[Index(S::InputData)] = true;
  // Results exist only after an analysis that completed; the report prints none otherwise.
  const bool analysed = results.Complete();
  available_[Index(S::Results)] = analysed;
  available_[Index(S::MethodTrail)] = available_[Index(S::Diagrams)] = analysed;
  available_[Index(S::InfluenceLine)] = analysed && influenceLineKept;
  chosen_[Index(S::InputData)] = true;
  chosen_[Index(S::Results)] = analysed;
}

void PrintOptions::Choose(ReportSection section, bool chosen) {
  chosen_[Index(section)] = chosen && Available(section);
}

namespace {

bool Names(const std::string& list, const char* name) {
  return (" " + list + " ").find(" " + std::string(name) + " ") != std::string::npos;
}

}  // namespace

std::string PrintOptions::Remembered(const std::string& previous) const {
  std::string list;
  for (const ReportSectionInfo& info : kSections) {
    const bool chosen = Available(info.Section) ? Chosen(info.Section) : Names(previous, info.Name);
    if (chosen) list += (list.empty() ? "" : " ") + std::string(info.Name);
  }
  return list;
}

void PrintOptions::ChooseOnly(const std::string& names) {
  for (const ReportSectionInfo& info : kSections) Choose(info.Section, Names(names, info.Name));
}

void PrintOptions::Recall(const std::string& remembered) {
  const std::array<bool, kReportSectionCount> usual = chosen_;
  ChooseOnly(remembered);
  if (!AnythingChosen()) chosen_ = usual;
}

bool PrintOptions::AnythingChosen() const {
  return std::any_of(chosen_.begin(), chosen_.end(), [](bool chosen) { return chosen; });
}

}  // namespace stavelorn
