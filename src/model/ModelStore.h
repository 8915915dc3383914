// The structure being edited and analysed: title, type and every input table with its count (the
// results of an analysis live apart, in analysis/StructureResults.h). One plain struct whose owner
// hands it by reference to whoever needs it; field names follow the program's own vocabulary so
// that the engine, the drawings and the reports read alike.
//
// Conventions: counts and codes are signed 16-bit; real values are single precision, in the
// project's units when it names them (Units) and otherwise in whatever consistent units the user
// enters; rotations are in radians and angles of roll in degrees either way. Every table is 1-based
// and a count of 0 means the table is empty, whatever rows it still holds.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/StructType.h"
#include "model/Table.h"
#include "model/Units.h"

namespace stavelorn {

// The loads of one load case: the five load sections and their counts.
struct LoadSet {
  std::int16_t JointLoadCount = 0;
  std::int16_t MemberLoadCount = 0;
  std::int16_t SettlementCount = 0;
  std::int16_t TempChangeCount = 0;
  std::int16_t FabErrorCount = 0;

  Array<std::int16_t> JointLoadJoints;   // JointLoadCount
  Table<float> JointLoadValues;          // JointLoadCount x CoordsPerJoint, forces then moments
  Table<std::int16_t> MemberLoadInfo;    // MemberLoadCount x 2: member, load type code 1..11
  Table<float> MemberLoadValues;         // MemberLoadCount x 4: magnitudes and distances
  Array<std::int16_t> SettlementJoints;  // SettlementCount
  Table<float> SettlementValues;  // SettlementCount x CoordsPerJoint, translations then rotations
  Array<std::int16_t> TempChangeMembers;  // TempChangeCount
  Array<float> TempChangeValues;          // TempChangeCount, uniform temperature change Tu
  Array<std::int16_t> FabErrorMembers;    // FabErrorCount
  Array<float> FabErrorValues;            // FabErrorCount, axial error, positive lengthens
};

struct LoadCase {
  std::string Name;
  LoadSet Loads;
};

// A load combination: its name and one factor per load case, in case order.
struct LoadCombination {
  std::string Name;
  std::vector<float> Factors;
};

// A value a template lets vary from one exercise to the next: field `Field` (1-based across the
// record, as the file numbers them) of record `Record` of the section labelled `Section`, drawn
// from Low..High in steps of Step; a load section's record is one of load case `Case`.
struct Variation {
  std::string Section;
  int Record = 0;
  int Field = 0;
  float Low = 0;
  float High = 0;
  float Step = 0;
  int Case = 1;
};

struct ModelStore : LoadSet {
  std::string ProjectTitle;
  std::string ProjectFile;  // full path; "" while the project has never been saved or opened
  std::string StructType;   // the file's type code (StructTypeInfo::Code), or ""
  UnitSystem Units;         // unnamed unless the project names its units

  std::int16_t CoordsPerJoint = 0;
  std::int16_t CoordColumns = 0;
  std::int16_t SectionColumns = 0;

  std::int16_t JointCount = 0;
  std::int16_t SupportCount = 0;
  std::int16_t MaterialCount = 0;
  std::int16_t SectionCount = 0;
  std::int16_t MemberCount = 0;
  std::int16_t ReleaseCount = 0;
  std::int16_t SpringCount = 0;
  std::int16_t SupportAngleCount = 0;

  // Input tables (rows = the count named in the comment).
  Table<float> JointCoords;  // JointCount x CoordColumns: X | X,Y | X,Z (grid) | X,Y,Z
  Table<std::int16_t>
      Supports;  // SupportCount x (CoordsPerJoint+1): joint, then 1/0 per coordinate
  Table<float>
      Materials;  // MaterialCount x 2 (E, alpha) or 3 (E, G, alpha) for grids and space frames
  Table<float> Sections;            // SectionCount x SectionColumns: A | I | A,I | I,J | A,Iz,Iy,J
  Table<std::int16_t> MemberProps;  // MemberCount x 4: begin joint, end joint, material, section
  Array<float> RollAngles;          // MemberCount, degrees; space frames only
  Table<std::int16_t> Releases;  // ReleaseCount x 2: member, code (1 begin, 2 end, 3 both hinged)
  // Elastic supports: a restrained coordinate of a support record held by a spring rather than
  // rigidly. SpringCount x 2: joint, coordinate (1..CoordsPerJoint); and the stiffness, force per
  // length or moment per radian.
  Table<std::int16_t> SpringCoords;
  Array<float> SpringStiffness;
  // Turned supports: SupportAngleCount joints and their angles in degrees, counter-clockwise from
  // global X seen from +Z (plane types), or from global Z about Y seen from +Y (grids).
  Array<std::int16_t> SupportAngleJoints;
  Array<float> SupportAngleValues;

  // The load cases: empty for a project of one unnamed case; otherwise one entry per case, in
  // case order. The load tables (inherited from LoadSet) hold the loads of case CurrentLoadCase,
  // so every editor, check and analysis reads them as it always did; the case's own entry here
  // holds nothing until another case is selected.
  std::vector<LoadCase> LoadCases;
  int CurrentLoadCase = 1;
  std::vector<LoadCombination> Combinations;
  // Empty unless the project is a template of exercises (model/Variations.h).
  std::vector<Variation> Variations;

  // Empties the store as the program does at start and on Close Project: every count and the
  // type sizes 0, the strings "", the units unnamed. Tables keep their rows (their
  // counts make them empty).
  void Reset();

  // Stores the type code and the sizes it fixes. Returns false, changing nothing, when the code
  // names none of the six types.
  bool SetStructType(const std::string& code);

  // Columns of the Materials table for the current type (3 for grids and space frames, else 2).
  int MaterialColumns() const;

  // The descriptor of the type, where every fact about it comes from: Type() is nullptr while no
  // type (or a code naming none) is set, TypeInfo() throws std::invalid_argument then, and Kind()
  // is StructKind::None.
  const StructTypeInfo* Type() const;
  const StructTypeInfo& TypeInfo() const;
  StructKind Kind() const;

  // How many load cases the project has (at least 1).
  int LoadCaseCount() const;
  // The name of case `c` (1-based); "" for the one case of a project that names none.
  std::string LoadCaseName(int c) const;
  // Makes case `c` (1-based, within LoadCaseCount) the one whose loads the load tables hold.
  void SelectLoadCase(int c);
  // The loads of case `c`, wherever they are kept.
  const LoadSet& LoadsOfCase(int c) const;
  // Whether the project has anything beyond one unnamed case: more cases, a named case or a
  // combination. Only such a project writes the load-case sections and the results per case.
  bool HasLoadCases() const;
};

}  // namespace stavelorn
