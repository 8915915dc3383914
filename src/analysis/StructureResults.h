// What one analysis leaves behind, kept apart from the structure it describes: the status, the
// numbering of the coordinates and, for a complete analysis, the displacements, end forces and
// reactions, rounded to single precision as the program shows them. Whoever runs an analysis
// owns its value; dropping the results is replacing it with an empty one, so no reader can see
// the results of data that have changed since.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/Table.h"

namespace stavelorn {

// AnalysisStatus codes.
enum : std::int16_t {
  kNoResults = 0,         // never analysed, under way, or data edited since
  kAnalysisComplete = 1,  // result arrays valid
  kNotStable = -1,        // failed the static stability count
  kSolutionFailed = -2,   // the equation solution failed
};

struct StructureResults {
  std::int16_t AnalysisStatus = kNoResults;
  std::int16_t DofCount = 0;         // free structure coordinates
  std::int16_t RestrainedCount = 0;  // JointCount*CoordsPerJoint - DofCount
  Array<std::int16_t> CoordNumbers;  // index (joint-1)*CoordsPerJoint + k -> structure coordinate
  // The arrays below are valid while AnalysisStatus is kAnalysisComplete.
  Array<float> JointDisplacements;  // DofCount
  Table<float> MemberEndForces;     // MemberCount x 2*CoordsPerJoint, local axes, begin joint first
  Array<float> SupportReactions;    // RestrainedCount, index = coordinate number - DofCount
  // The results come from an analysis in double precision alone, as the user chose, rather than
  // from the method as taught; the printed results say so.
  bool SolvedInDoublePrecision = false;
  // After an analysis that stopped with status -1 or -2: a way the structure can move without
  // resistance, one value per joint coordinate, (joint-1)*CoordsPerJoint + k, largest 1 and 0 at
  // restrained coordinates (analysis/MechanismMode.h); empty otherwise.
  std::vector<double> MechanismMode;
  // After a complete analysis: a note on each input value that looks like a slip of units
  // (analysis/PlausibilityNotes.h); shown with the outcome, printed and written, never a refusal.
  std::vector<std::string> PlausibilityNotes;

  bool Complete() const { return AnalysisStatus == kAnalysisComplete; }
  bool Failed() const { return AnalysisStatus == kNotStable || AnalysisStatus == kSolutionFailed; }
};

}  // namespace stavelorn
