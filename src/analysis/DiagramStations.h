// The sections at which the member diagrams are tabulated and their extreme values, found from
// the diagrams' polynomials: a step of building the diagrams (MemberDiagrams.h).
#pragma once

#include <vector>

#include "analysis/MemberDiagrams.h"

namespace stavelorn {

// The slope of a quantity over a piece: a bending moment's is its shear (dMz/dx = Vy,
// dMy/dx = -Vz), so that a moment's extreme lies where the shear diagram itself is zero; the
// other quantities' is the derivative of their own polynomial. A straight stretch has none (0).
Cubic SlopeOf(const DiagramPiece& piece, DiagramQuantity q);

// Where a slope of degree 2 or less changes sign strictly inside (0, length), ascending.
std::vector<double> InteriorTurningPoints(const Cubic& slope, double length);

// Fills Stations and Extremes of every diagram, then shows as 0 every value of a quantity below
// kDiagramZeroFraction of that quantity's largest value over all the diagrams.
void FindStationsAndExtremes(std::vector<MemberDiagram>& diagrams);

}  // namespace stavelorn
