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
         (m.GeometricStiffness.Rows
              ? ",\n    \"geometricStiffness\": " + w.Matrix(m.GeometricStiffness)
              : "") +
         ",\n    \"transformation\": " + w.Matrix(m.Transformation) +
         ",\n    \"globalStiffness\": " + w.Matrix(m.GlobalStiffness) +
         (m.SupportAxesStiffness.Rows
              ? ",\n    \"supportAxesStiffness\": " + w.Matrix(m.SupportAxesStiffness)
              : "") +
         ",\n    \"localFixedEndForces\": " + w.Array(m.LocalFixedEndForces) +
         ",\n    \"globalFixedEndForces\": " + w.Array(m.GlobalFixedEndForces) +
         ",\n    \"globalEndDisplacements\": " + w.Array(m.GlobalEndDisplacements) +
         ",\n    \"localEndDisplacements\": " + w.Array(m.LocalEndDisplacements) +
         ",\n    \"localEndForces\": " + w.Array(m.LocalEndForces) +
         ",\n    \"globalEndForces\": " + w.Array(m.GlobalEndForces) + "}";
}

// ,\n  "structureGeometricStiffness": [Kg] (null when too large) for a trail that holds the
// members' [kg], "" otherwise.
std::string StructureGeometricStiffnessJson(const Writer& w, const MethodTrail& trail) {
  if (trail.Members.empty() || trail.Members.front().GeometricStiffness.Rows == 0) return "";
  const TrailMatrix& kg = trail.StructureGeometricStiffness;
  return ",\n  \"structureGeometricStiffness\": " + (kg.Rows               ? w.Matrix(kg)
                                                     : trail.DofCount == 0 ? "[]"
                                                                           : "null");
}

// ,\n  "springs": each spring's joint, coordinate, code number and stiffness as it joined [S]'s
// diagonal; "" for a structure without springs.
std::string SpringsJson(const Writer& w, const MethodTrail& trail) {
  if (trail.Springs.empty()) return "";
  std::string out = ",\n  \"springs\": [";
  for (std::size_t i = 0; i < trail.Springs.size(); ++i) {
    const TrailSpring& s = trail.Springs[i];
    out += (i ? ",\n   " : "\n   ") + std::string("{\"joint\": ") + std::to_string(s.Joint) +
           ", \"coordinate\": " + std::to_string(s.Coordinate) +
           ", \"code\": " + std::to_string(s.Code) + ", \"stiffness\": " + w.Number(s.Stiffness) +
           "}";
  }
  return out + "\n  ]";
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
         SpringsJson(w, trail) + StructureGeometricStiffnessJson(w, trail) +
         ",\n  \"loadVector\": " + w.Array(trail.LoadVector) +
         ",\n  \"displacements\": " + w.Array(trail.Displacements) +
         ",\n  \"members\": " + members + "}";
}

}  // namespace stavelorn
