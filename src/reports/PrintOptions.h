// What one print of the report holds: the sections the user ticks in the "Print Options"
// dialog. Print and Print Preview share the choice; each section is one row of the table, so a
// new section is a new row.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "analysis/StructureResults.h"
#include "model/ModelStore.h"

namespace stavelorn {

enum class ReportSection : std::size_t {
  InputData,
  Results,
  MethodTrail,
  Diagrams,
  InfluenceLine,
  Count
};

constexpr std::size_t kReportSectionCount = static_cast<std::size_t>(ReportSection::Count);

// The "Print Options" box's title and the caption of its group of sections.
constexpr char kPrintOptionsTitle[] = "Print Options";
constexpr char kPrintOptionsGroup[] = "Print";

struct ReportSectionInfo {
  ReportSection Section;
  const char* Name;     // the check box's object name, "InputData"
  const char* Caption;  // "&Input data"
};

// Every section in the order the report prints them.
const std::array<ReportSectionInfo, kReportSectionCount>& ReportSections();

class PrintOptions {
 public:
  // The report as it always was: the input data, and the results once an analysis completed.
  // The appendices after the results (the method step by step, the members'
  // internal-force tables) are offered once an
  // analysis completed, but left for the user to tick; so is the influence line, offered only
  // while `influenceLineKept` (the windows keep the last line the Influence Lines window showed).
  explicit PrintOptions(const StructureResults& results, bool influenceLineKept = false);

  // Whether the model has the section at all; a section it lacks cannot be ticked.
  bool Available(ReportSection section) const { return available_[Index(section)]; }
  bool Chosen(ReportSection section) const { return chosen_[Index(section)]; }
  // Ticks or clears a section; ticking one the model lacks changes nothing.
  void Choose(ReportSection section, bool chosen);
  // At least one section is ticked: a print with nothing in it is not offered.
  bool AnythingChosen() const;

  // The ticks as remembered between prints and sessions: the names of the chosen sections,
  // one blank between them ("InputData Results"). A section this model lacks keeps what
  // `previous` said of it, so a choice of results made after one analysis outlives a print
  // made before the next.
  std::string Remembered(const std::string& previous) const;
  // Ticks exactly the sections `names` names ("InputData Diagrams") that the model has.
  void ChooseOnly(const std::string& names);
  // Ticks what `remembered` names of the sections the model has; a choice that would leave
  // nothing ticked (or none at all) keeps the usual ticks.
  void Recall(const std::string& remembered);

 private:
  static std::size_t Index(ReportSection section) { return static_cast<std::size_t>(section); }

  std::array<bool, kReportSectionCount> available_{};
  std::array<bool, kReportSectionCount> chosen_{};
};

}  // namespace stavelorn
