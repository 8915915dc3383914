#include "analysis/ConditioningNotes.h"

#include <algorithm>
#include <cstdio>

#include "analysis/MemberValues.h"
#include "analysis/TrailLabels.h"
#include "model/StructType.h"

namespace stavelorn {

namespace {

// Two significant figures: the size is what matters, and it matches the report's E form.
std::string Magnitude(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1E", value);
  return text;
}

// " (this project states A in m² and I in m⁴)" when the project names its units, else "".
std::string StatedSectionUnits(const ModelStore& model) {
  if (!model.Units.Named) return "";
  return " (this project states A in " + UnitText(model.Units, Quantity::Area) + " and I in " +
         UnitText(model.Units, Quantity::SecondMoment) + ")";
}

std::string ContrastSentences(const ModelStore& model) {
  const std::optional<AxialBendingContrast> contrast = LargestAxialBendingContrast(model);
  if (!contrast) return "";
  return " The member with the largest ratio of axial to bending stiffness is " +
         ContrastText(*contrast) + ", a ratio of " + Magnitude(contrast->Ratio()) +
         (contrast->Ratio() > kUnitSlipRatio
              ? ", so check that A and I are in the same units" + StatedSectionUnits(model) + "."
              : ".");
}

}  // namespace

std::optional<AxialBendingContrast> LargestAxialBendingContrast(const ModelStore& model) {
  // Only a frame's members carry both an axial force and bending.
  const StructTypeInfo* type = model.Type();
  if (!type || type->Truss || !type->Axial) return std::nullopt;
  const StructKind kind = type->Kind;
  const int endCoords = 2 * model.CoordsPerJoint;
  std::optional<AxialBendingContrast> largest;
  for (int m = 1; m <= model.MemberCount; ++m) {
    const MemberContext<double> member = LoadMemberContext<double>(model, kind, endCoords, m);
    const double length = ComputeMemberGeometry(model, member).Length;
    const double inertia =
        kind == StructKind::SFrame ? std::min(member.InertiaY, member.InertiaZ) : member.InertiaZ;
    const double e = member.ElasticModulus;
    if (!(length > 0 && member.Area > 0 && inertia > 0 && e > 0)) continue;
    const AxialBendingContrast c{m, e * member.Area / length,
                                 12 * e * inertia / (length * length * length)};
    if (!largest || c.Ratio() > largest->Ratio()) largest = c;
  }
  return largest;
}

std::string ContrastText(const AxialBendingContrast& contrast) {
  return "member " + std::to_string(contrast.Member) +
         ": EA/L = " + Magnitude(contrast.AxialStiffness) +
         " against 12EI/L³ = " + Magnitude(contrast.BendingStiffness);
}

template <typename Real>
std::string StructureCoordinateText(const ModelStore& model, const AnalysisResults<Real>& results,
                                    int number) {
  const int perJoint = model.CoordsPerJoint;
  for (int i = 1; i <= results.CoordNumbers.Size() && perJoint > 0; ++i)
    if (results.CoordNumbers(i) == number)
      return "coordinate " + std::to_string(number) + " (" +
             GlobalCoordName(model.StructType, (i - 1) % perJoint + 1) + ", joint " +
             std::to_string((i - 1) / perJoint + 1) + ")";
  return "coordinate " + std::to_string(number);
}

std::string SmallPivotNoteText(const ModelStore& model, const AnalysisResults<float>& single) {
  const std::string where = single.StoppedAt.Row > 0
                                ? "met a pivot too small to trust at " +
                                      StructureCoordinateText(model, single, single.StoppedAt.Row) +
                                      " (" + Magnitude(single.StoppedAt.Ratio) +
                                      " of its diagonal entry)"
                                : "failed";
  return "The single-precision elimination of the equations " + where +
         ", so the results shown come from a double-precision solution of the same equations." +
         ContrastSentences(model);
}

std::string IllConditionedText(const ModelStore& model, const AnalysisResults<double>& precise) {
  std::string text =
      "The structure is too ill-conditioned to solve even in double precision, though it is "
      "no mechanism";
  if (precise.StoppedAt.Row > 0)
    text += ": the elimination met a pivot of " + Magnitude(precise.StoppedAt.Ratio) +
            " of its diagonal entry at " +
            StructureCoordinateText(model, precise, precise.StoppedAt.Row);
  return text + "." + ContrastSentences(model);
}

template std::string StructureCoordinateText(const ModelStore&, const AnalysisResults<float>&, int);
template std::string StructureCoordinateText(const ModelStore&, const AnalysisResults<double>&,
                                             int);

}  // namespace stavelorn
