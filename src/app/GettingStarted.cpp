#include "app/GettingStarted.h"

#include <algorithm>
#include <array>

namespace stavelorn {

namespace {

// The example portal frame, row by row as the tour asks for it.
constexpr std::array<std::array<float, 2>, 4> kJoints = {{{0, 0}, {0, 5}, {8, 5}, {8, 0}}};
constexpr std::array<std::array<std::int16_t, 4>, 2> kSupports = {{{1, 1, 1, 1}, {4, 1, 1, 0}}};
constexpr std::array<std::array<float, 2>, 1> kMaterials = {{{2e8f, 1.2e-5f}}};
constexpr std::array<std::array<float, 2>, 2> kSections = {
    {{0.0078f, 0.000115f}, {0.0098f, 0.00023f}}};
constexpr std::array<std::array<std::int16_t, 4>, 3> kMembers = {
    {{1, 2, 1, 1}, {2, 3, 1, 2}, {4, 3, 1, 1}}};
constexpr std::array<float, 3> kWindAtJoint2 = {12, 0, 0};
struct MemberLoadRow {
  std::int16_t Member, Code;
  std::array<float, 4> Values;
};
constexpr std::array<MemberLoadRow, 2> kRoofLoads = {
    {{2, 3, {25, 0, 0, 0}}, {2, 1, {40, 0, 2, 0}}}};

bool PlaneFrame(const TourState& s) {
  return s.Data && s.Data->StructType == "PFrame";
}

template <typename T, std::size_t Rows, std::size_t Cols>
bool RowsAre(const Table<T>& table, int count, const std::array<std::array<T, Cols>, Rows>& rows) {
  if (count != static_cast<int>(Rows) || table.Cols() < static_cast<int>(Cols)) return false;
  for (std::size_t r = 0; r < Rows; ++r)
    for (std::size_t c = 0; c < Cols; ++c)
      if (table(static_cast<int>(r) + 1, static_cast<int>(c) + 1) != rows[r][c]) return false;
  return true;
}

// Each step after the first looks at its own data alone: the steps before it are done, so a
// plane frame is open.
bool JointsDone(const TourState& s) {
  return RowsAre(s.Data->JointCoords, s.Data->JointCount, kJoints);
}

bool SupportsDone(const TourState& s) {
  return RowsAre(s.Data->Supports, s.Data->SupportCount, kSupports);
}

bool MaterialDone(const TourState& s) {
  return RowsAre(s.Data->Materials, s.Data->MaterialCount, kMaterials);
}

bool SectionsDone(const TourState& s) {
  return RowsAre(s.Data->Sections, s.Data->SectionCount, kSections);
}

bool MembersDone(const TourState& s) {
  return s.Data->ReleaseCount == 0 && RowsAre(s.Data->MemberProps, s.Data->MemberCount, kMembers);
}

bool JointLoadDone(const TourState& s) {
  if (s.Data->JointLoadCount != 1 || s.Data->JointLoadJoints(1) != 2) return false;
  for (int k = 0; k < 3; ++k)
    if (s.Data->JointLoadValues(1, k + 1) != kWindAtJoint2[static_cast<std::size_t>(k)])
      return false;
  return true;
}

// Either order of the two loads builds the same frame.
bool MemberLoadsDone(const TourState& s) {
  if (s.Data->MemberLoadCount != static_cast<int>(kRoofLoads.size())) return false;
  std::vector<bool> matched(kRoofLoads.size(), false);
  for (int r = 1; r <= s.Data->MemberLoadCount; ++r) {
    const MemberLoadRow row{s.Data->MemberLoadInfo(r, 1),
                            s.Data->MemberLoadInfo(r, 2),
                            {s.Data->MemberLoadValues(r, 1), s.Data->MemberLoadValues(r, 2),
                             s.Data->MemberLoadValues(r, 3), s.Data->MemberLoadValues(r, 4)}};
    for (std::size_t t = 0; t < kRoofLoads.size(); ++t)
      if (!matched[t] && row.Member == kRoofLoads[t].Member && row.Code == kRoofLoads[t].Code &&
          row.Values == kRoofLoads[t].Values) {
        matched[t] = true;
        break;
      }
  }
  return std::all_of(matched.begin(), matched.end(), [](bool m) { return m; });
}

// The model holds nothing the example does not: no settlements, temperature changes or
// fabrication errors.
bool NothingElse(const TourState& s) {
  return s.Data->SettlementCount == 0 && s.Data->TempChangeCount == 0 && s.Data->FabErrorCount == 0;
}

bool Analysed(const TourState& s) {
  return NothingElse(s) && s.ResultsShown;
}

const std::vector<TourStep> kSteps = {
    {"A new plane frame", "Choose Project \u2192 New Project, type a title and pick Plane Frame.",
     "The type fixes what a joint can do: in a plane frame each joint moves in X and Y and "
     "turns about Z, three coordinates a joint.",
     PlaneFrame},
    {"Four joints",
     "Choose Joints and add joint 1 at X 0, Y 0; joint 2 at 0, 5; joint 3 at 8, 5; "
     "joint 4 at 8, 0.",
     "The joints carry the unknown displacements; their order decides how the coordinates are "
     "numbered.",
     JointsDone},
    {"The fixed and the pinned support",
     "In the Joints window edit joint 1 and restrain X, Y and the rotation (fixed); edit joint 4 "
     "and restrain X and Y only (pinned).",
     "A restrained coordinate does not move; its reaction is what the analysis finds there.",
     SupportsDone},
    {"The material", "Choose Materials and add E = 2E+08 and a thermal coefficient of 1.2E-05.",
     "E sets how stiff every member is; the thermal coefficient matters only for temperature "
     "changes.",
     MaterialDone},
    {"Two cross-sections",
     "Choose Cross-Sections and add section 1 with A = 0.0078 and I = 0.000115, then section 2 "
     "with A = 0.0098 and I = 0.00023.",
     "A gives a member its axial stiffness EA/L, I its bending stiffness EI/L\u00b3.",
     SectionsDone},
    {"Three members",
     "Choose Members and add member 1 from joint 1 to joint 2 (material 1, section 1), member 2 "
     "from joint 2 to joint 3 (section 2) and member 3 from joint 4 to joint 3 (section 1).",
     "The beginning joint and the end joint set the member's local x axis, and with it the sign "
     "of its end forces.",
     MembersDone},
    {"The wind at joint 2", "Choose Loads \u2192 Joint Loads and add at joint 2 an X force of 12.",
     "A joint load goes straight into the load vector {P} at the joint's coordinates.",
     JointLoadDone},
    {"The roof loads",
     "Choose Loads \u2192 Member Loads and add on member 2 a uniform load w = 25 over the whole "
     "span (a = 0, b = 0), then a concentrated force P = 40 at a = 2.",
     "A load between the joints reaches them as fixed-end forces {Qf}, which {P} takes with the "
     "opposite sign.",
     MemberLoadsDone},
    {"Analyze", "Choose Analyze (F5), and save the project when asked if you like.",
     "The program numbers the coordinates, assembles [S] and {P}, solves [S]{d} = {P} and works "
     "out every member's end forces.",
     Analysed},
    {"Read the displacements", "Choose Joint Displacements and find joint 2's X translation.",
     "{d} holds the free coordinates' displacements; the supports' are zero or their "
     "settlements.",
     [](const TourState& s) { return s.SawDisplacements; }},
    {"A diagram", "Choose Diagrams and pick the bending moment.",
     "The diagrams follow from each member's end forces and its loads between the joints.",
     [](const TourState& s) { return s.SawDiagram; }},
    {"Step by Step", "Choose Step by Step and walk member 2's [k], [T] and [K].",
     "This is the method as worked by hand: the page Worked Example follows the same frame.",
     [](const TourState& s) { return s.SawMethodSteps; }},
};

}  // namespace

const std::vector<TourStep>& TourSteps() {
  return kSteps;
}

std::size_t CurrentTourStep(const TourState& state) {
  for (std::size_t i = 0; i < kSteps.size(); ++i)
    if (!kSteps[i].Done(state)) return i;
  return kSteps.size();
}

std::string TourHeading(const TourState& state) {
  const std::size_t step = CurrentTourStep(state);
  if (step == kSteps.size())
    return "Done: the frame you built is the example portal frame (portal-frame.str).";
  return "Step " + std::to_string(step + 1) + " of " + std::to_string(kSteps.size()) + ": " +
         kSteps[step].Title;
}

}  // namespace stavelorn
