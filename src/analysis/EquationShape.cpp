#include "analysis/EquationShape.h"

#include <algorithm>

namespace stavelorn {

int HalfBandwidth(const ModelStore& model, const Array<std::int16_t>& coordNumbers, int dofCount) {
  const int perJoint = model.CoordsPerJoint;
  int band = 0;
  for (int m = 1; m <= model.MemberCount; ++m) {
    int lowest = dofCount + 1, highest = 0;
    for (int end = 1; end <= 2; ++end) {
      const int joint = model.MemberProps(m, end);
      for (int k = 1; k <= perJoint; ++k) {
        const int number = coordNumbers((joint - 1) * perJoint + k);
        if (number > dofCount) continue;  // restrained: no row, no column
        lowest = std::min(lowest, number);
        highest = std::max(highest, number);
      }
    }
    band = std::max(band, highest - lowest);
  }
  return band;
}

}  // namespace stavelorn
