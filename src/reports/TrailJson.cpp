#include "reports/TrailJson.h"

#include <cmath>

#include "model/NumberText.h"

namespace stavelorn {

namespace {

class Writer {
 public:
  explicit Writer(bool doublePrecision) : double_(doublePrecision) {}

  std::string Number(double value) const {
    if (!std::isfinite(value)) return "null";
    return double_ ? RoundTripText(value) : RoundTripText(static_cast<float>(value));
  }

  template <typename Values>
  std::string Array(const Values& values) const {
    std::string out = "[";
    for (std::size_t i = 0; i < values.size(); ++i) out += (i ? ", " : "") + Item(values[i]);
    return out + "]";
  }

  std::string Matrix(const TrailMatrix& m) const {
    std::string out = "[";
    for (int r = 0; r < m.Rows; ++r) {
      out += r ? ", [" : "[";
      for (int c = 0; c < m.Cols; ++c) out += (c ? ", " : "") + Number(m(r, c));
      out += "]";
    }
    return out + "]";
  }

 private:
  std::string Item(double value) const { return Number(value); }
  std::string Item(int value) const { return std::to_string(value); }

  bool double_;
};

std::string MemberJson(const Writer& w, const TrailMember& m) {
  return "{\"member\": " + std::to_string(m.Member) +
         ", \"codeNumbers\": " + w.Array(m.CodeNumbers) + ", \"length\": " + w.Number(m.Length) +
         ",\n    \"localStiffness\": " + w.Matrix(m.LocalStiffness) +
         ",\n    \"transformation\": " + w.Matrix(m.Transformation) +
         ",\n    \"globalStiffness\": " + w.Matrix(m.GlobalStiffness) +
         ",\n    \"localFixedEndForces\": " + w.Array(m.LocalFixedEndForces) +
         ",\n    \"globalFixedEndForces\": " + w.Array(m.GlobalFixedEndForces) +
         ",\n    \"globalEndDisplacements\": " + w.Array(m.GlobalEndDisplacements) +
         ",\n    \"localEndDisplacements\": " + w.Array(m.LocalEndDisplacements) +
         ",\n    \"localEndForces\": " + w.Array(m.LocalEndForces) +
         ",\n    \"globalEndForces\": " + w.Array(m.GlobalEndForces) + "}";
}

}  // namespace

std::string TrailJson(const MethodTrail& trail) {
  const Writer w(trail.DoublePrecision);
  std::string joints = "[";
  const int per = trail.CoordsPerJoint;
  const int jointCount = per > 0 ? static_cast<int>(trail.CoordNumbers.size()) / per : 0;
  for (int j = 0; j < jointCount; ++j) {
    std::vector<int> codes(trail.CoordNumbers.begin() + j * per,
                           trail.CoordNumbers.begin() + (j + 1) * per);
    joints += std::string(j ? ",\n   " : "\n   ") + "{\"joint\": " + std::to_string(j + 1) +
              ", \"codes\": " + w.Array(codes) + "}";
  }
  joints += jointCount ? "\n  ]" : "]";
  std::string members = "[";
  for (std::size_t i = 0; i < trail.Members.size(); ++i)
    members += (i ? ",\n   " : "\n   ") + MemberJson(w, trail.Members[i]);
  members += trail.Members.empty() ? "]" : "\n  ]";
  const bool stiffness = trail.HasStiffness() && trail.DofCount <= kTrailStiffnessLimit;
  return "{\"dofCount\": " + std::to_string(trail.DofCount) +
         ",\n  \"jointCodeNumbers\": " + joints + ",\n  \"structureStiffness\": " +
         (stiffness             ? w.Matrix(trail.Stiffness)
          : trail.DofCount == 0 ? "[]"
                                : "null") +
         ",\n  \"loadVector\": " + w.Array(trail.LoadVector) +
         ",\n  \"displacements\": " + w.Array(trail.Displacements) +
         ",\n  \"members\": " + members + "}";
}

}  // namespace stavelorn
