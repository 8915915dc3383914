#include "graphics/ElasticCurve.h"

#include <algorithm>
#include <cmath>

#include "model/MemberLoadKind.h"

namespace stavelorn {

namespace {

// Deflection at x of a simply supported span of length L under a unit force at a, times 6 EI L.
double UnitForce(double x, double a, double L) {
  const double b = L - a;
  if (x <= a) return (x * x * x + b * b * x - L * L * x) * b;
  return (a * a + x * x - 2 * L * x) * (L - x) * a;
}

// Deflection at x under a uniform load w over [0, c], from the beginning, times 24 EI L.
double UniformFromStart(double x, double c, double L, double w) {
  if (x <= c)
    return x * w *
           (c * c * (2 * L - c) * (2 * L - c) - 2 * c * x * x * (2 * L - c) + L * x * x * x);
  return c * c * w * (L - x) * (4 * L * x - 2 * x * x - c * c);
}

// Deflection at x under a load varying linearly from w1 at l1 to w2 at L - l2, times 6 EI L:
// the unit-force curve integrated against the intensity. On either side of x the integrand is a
// polynomial of degree four in the load position, which three Gauss-Legendre points integrate
// exactly.
double LinearLoad(double x, const SpanLoad& load, double L) {
  const double from = load.L1, to = L - load.L2, span = to - from;
  if (!(span > 0)) return 0;
  auto intensity = [&](double at) { return load.W + (load.W2 - load.W) * (at - from) / span; };
  auto integrate = [&](double p, double q) {
    if (!(q > p)) return 0.0;
    const double half = (q - p) / 2, middle = (p + q) / 2, offset = half * std::sqrt(0.6);
    double sum = 0;
    for (auto [node, weight] : {std::pair{middle - offset, 5.0 / 9}, std::pair{middle, 8.0 / 9},
                                std::pair{middle + offset, 5.0 / 9}})
      sum += weight * intensity(node) * UnitForce(x, node, L);
    return sum * half;
  };
  const double split = std::clamp(x, from, to);
  return integrate(from, split) + integrate(split, to);
}

}  // namespace

double ElasticOrdinate(const MemberBending& member, double x) {
  const double L = member.Length, EI = member.EI;
  double v =
      (x * (x * x - L * L) * member.Me + x * (x - L) * (x - 2 * L) * member.Mb) / (6 * EI * L);
  for (const SpanLoad& load : member.Loads) {
    // Only the kinds that bend the member in its own plane move the curve.
    const MemberLoadKindInfo* kind = FindMemberLoadKind(load.Type);
    if (!kind || kind->Plane != BendingPlane::LocalXY) continue;
    const double a = load.L1;
    switch (kind->Form) {
      case LoadForm::PointForce: v += UnitForce(x, a, L) * load.W / (6 * EI * L); break;
      case LoadForm::PointCouple:
        if (x <= a)
          v += (6 * a * L - 3 * a * a - 2 * L * L - x * x) * x * load.W / (6 * EI * L);
        else
          v += ((L - x) * (L - x) + 3 * a * a - L * L) * (L - x) * load.W / (6 * EI * L);
        break;
      case LoadForm::UniformForce:
        // The load over [l1, L - l2] is the load over the whole span less the parts beyond it.
        v -= (L * L * L * x - 2 * L * x * x * x + x * x * x * x) * load.W / (24 * EI);
        if (load.L1 > 0) v += UniformFromStart(x, load.L1, L, load.W) / (24 * EI * L);
        if (load.L2 > 0) v += UniformFromStart(L - x, load.L2, L, load.W) / (24 * EI * L);
        break;
      case LoadForm::LinearForce: v += LinearLoad(x, load, L) / (6 * EI * L); break;
    }
  }
  return v;
}

}  // namespace stavelorn
