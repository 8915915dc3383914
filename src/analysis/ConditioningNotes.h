// What the user is told when a stiffness matrix is hard to eliminate: which coordinate single
// precision could not trust, and, for frames, the member whose axial stiffness towers over its
// bending stiffness, the usual cause (often A and I typed in different units).
#pragma once

#include <optional>
#include <string>

#include "analysis/Engine.h"
#include "model/ModelStore.h"

namespace stavelorn {

// One frame member's axial stiffness EA/L against its bending stiffness 12EI/L³ (the smaller
// of Iy and Iz in space), both in force per length. Their ratio is A·L²/(12·I).
struct AxialBendingContrast {
  int Member = 0;
  double AxialStiffness = 0;
  double BendingStiffness = 0;
  double Ratio() const { return AxialStiffness / BendingStiffness; }
};

// Above this ratio of axial to bending stiffness a section's A and I are more likely entered in
// different units (mm² against m⁴ gives 1e10 too much) than truly so far apart: a solid square
// bar a hundred times longer than wide reaches only about 1e5.
inline constexpr double kUnitSlipRatio = 1e8;

// The member of a plane or space frame with the largest ratio; nothing for the other types, for
// a frame without members, or when no member has a positive length, area and inertia.
std::optional<AxialBendingContrast> LargestAxialBendingContrast(const ModelStore& model);

// "member 1: EA/L = 4.0E+07 against 12EI/L³ = 1.9E+01"
std::string ContrastText(const AxialBendingContrast& contrast);

// "coordinate 7 (Z rot., joint 2)": a structure coordinate as the method's trail names it, from
// the numbering of `results`.
template <typename Real>
std::string StructureCoordinateText(const ModelStore& model, const AnalysisResults<Real>& results,
                                    int number);

// The note shown when single-precision elimination stopped at a pivot it could not trust and the
// double-precision solution stands in its place: where it stopped and, for frames, the member
// with the largest contrast, with a word on units when that contrast passes kUnitSlipRatio.
std::string SmallPivotNoteText(const ModelStore& model, const AnalysisResults<float>& single);

// The sentence added to the failure message of a structure that double precision cannot solve
// either and that has no mechanism: the pivot it stopped at and, for frames, the contrast.
std::string IllConditionedText(const ModelStore& model, const AnalysisResults<double>& precise);

}  // namespace stavelorn
