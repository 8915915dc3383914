// The elastic curve of a plane member: its deflection from the chord between its displaced ends,
// the chord taken as a simply supported span carrying the member's end moments and its loads.
// Units are those of the model (lengths, forces and moments as the user entered them).
#pragma once

#include <vector>

namespace stavelorn {

// A member load as the curve reads it: load type code, magnitude (W, M, w or w1), w2 for a
// linearly varying load, and the distances l1 from the beginning and l2 from the end. Loads are
// positive when they act against the member's local y axis.
struct SpanLoad {
  int Type = 0;
  double W = 0, W2 = 0, L1 = 0, L2 = 0;
};

struct MemberBending {
  double Length = 0;      // L, the chord between the displaced ends
  double EI = 0;          // modulus of elasticity times moment of inertia
  double Mb = 0, Me = 0;  // end moments, counter-clockwise positive, as the analysis gives them
  std::vector<SpanLoad> Loads;
};

// The deflection at distance x from the beginning, along the local y axis. The kinds that bend
// the member in its local x-y plane (point forces, couples, uniform and linearly varying loads)
// move it; other kinds do not.
double ElasticOrdinate(const MemberBending& member, double x);

}  // namespace stavelorn
