// The checks of a model's load records: joint loads, releases, member loads and where they act,
// support displacements, temperature changes and fabrication errors.
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "analysis/ModelChecker.h"

namespace stavelorn::model_check {

namespace {

// "plane frame" from the caption " Plane Frame".
std::string TypeName(const StructTypeInfo& type) {
  std::string name = type.Caption;
  name.erase(0, name.find_first_not_of(' '));
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return name;
}

}  // namespace

// The load records, and the releases (which the member loads read) when `releases` is set.
void ModelChecker::CheckLoads(bool releases) {
  CheckJointRecords("Joint load", m_.JointLoadCount, m_.JointLoadJoints);
  if (!type_.Truss) {  // trusses have neither releases nor member loads
    if (releases) CheckReleases();
    CheckMemberLoads();
  }
  CheckSettlements();
  // Beams and grids have no axial coordinate, so temperature changes and fabrication errors on
  // them stay unused.
  if (type_.Axial) {
    CheckMemberRecords("Temperature change", m_.TempChangeCount, m_.TempChangeMembers);
    CheckMemberRecords("Fabrication error", m_.FabErrorCount, m_.FabErrorMembers);
  }
}

void ModelChecker::CheckReleases() {
  releaseOf_.assign(static_cast<std::size_t>(m_.MemberCount) + 1, 0);
  std::vector<int> firstRecord(static_cast<std::size_t>(m_.MemberCount) + 1, 0);
  for (int r = 1; r <= m_.ReleaseCount; ++r) {
    const std::string item = "Member release " + Str(r);
    const int member = m_.Releases(r, 1), code = m_.Releases(r, 2);
    const bool memberKnown = InRange(item, "member", member, m_.MemberCount);
    if (code < 1 || code > 3)
      Report(item + ": release code " + Str(code) +
             " is none of 1 (beginning), 2 (end), 3 (both ends)");
    if (!memberKnown) continue;
    // The numbering reads a member's first release record and the stiffness its last one.
    if (firstRecord[member] != 0)
      Report(item + ": member " + Str(member) + " already has release record " +
             Str(firstRecord[member]));
    else
      firstRecord[member] = r;
    releaseOf_[member] = code;
  }
}

void ModelChecker::CheckMemberLoads() {
  const std::string typeName = TypeName(type_);
  for (int r = 1; r <= m_.MemberLoadCount; ++r) {
    const int member = m_.MemberLoadInfo(r, 1), loadType = m_.MemberLoadInfo(r, 2);
    const MemberLoadKindInfo* kind = FindMemberLoadKind(loadType);
    std::string item = "Member load " + Str(r);
    const bool memberKnown = InRange(item, "member", member, m_.MemberCount);
    if (memberKnown) item += " (member " + Str(member) + ")";
    if (!kind) {
      Report(item + ": load type " + Str(loadType) + " is none of 1.." +
             Str(static_cast<long>(AllMemberLoadKinds().size())));
      continue;
    }
    if (!TypeAcceptsLoad(type_.Kind, *kind)) {
      Report(item + ": " + kind->CheckName + " (type " + Str(loadType) + ") cannot act on a " +
             typeName + " member");
      continue;
    }
    if (!memberKnown) continue;
    // A hinge at either end frees the twist, so with both ends hinged nothing resists a torque.
    if (kind->Kind == MemberLoadKind::Torque && releaseOf_[member] == 3)
      Report(item + ": a torque on a member hinged at both ends has no load path");
    if (length_[member] > 0.0f) CheckDistances(item, r, *kind, length_[member]);
  }
}

// The fixed-end force formulas hold only for a load that lies on the member; l2 is read only by
// the distributed types, and a linearly varying load starting at the far end leaves the formulas
// dividing by the zero length L - l1.
void ModelChecker::CheckDistances(const std::string& item, int r, const MemberLoadKindInfo& kind,
                                  float length) {
  const float l1 = m_.MemberLoadValues(r, 3), l2 = m_.MemberLoadValues(r, 4);
  const bool distributed = IsDistributed(kind);
  const bool linear = IsLinear(kind);
  const bool l1OnMember = l1 >= 0.0f && l1 <= length;
  if (!l1OnMember)
    Report(item + ": l1 = " + Num(l1) + " is outside the member (L = " + Num(length) + ")");
  if (distributed && !(l2 >= 0.0f))
    Report(item + ": l2 = " + Num(l2) + " is negative");
  else if (distributed && l1OnMember && double{l1} + double{l2} > double{length})
    Report(item + ": l1 = " + Num(l1) + " plus l2 = " + Num(l2) + " exceeds L = " + Num(length));
  if (linear && l1 == length)
    Report(item + ": a linearly varying load cannot start at the far end (l1 = L = " + Num(length) +
           ")");
}

void ModelChecker::CheckJointRecords(const std::string& name, int count,
                                     const Array<std::int16_t>& joints) {
  for (int r = 1; r <= count; ++r) InRange(name + " " + Str(r), "joint", joints(r), m_.JointCount);
}

void ModelChecker::CheckMemberRecords(const std::string& name, int count,
                                      const Array<std::int16_t>& members) {
  for (int r = 1; r <= count; ++r)
    InRange(name + " " + Str(r), "member", members(r), m_.MemberCount);
}

// Settlements of one joint add up in the analysis but only the first shows in the results, and a
// displacement is prescribed only where a support restrains the joint.
void ModelChecker::CheckSettlements() {
  std::vector<int> firstRecord(static_cast<std::size_t>(m_.JointCount) + 1, 0);
  for (int r = 1; r <= m_.SettlementCount; ++r) {
    const std::string item = "Support displacement " + Str(r);
    const int joint = m_.SettlementJoints(r);
    if (!InRange(item, "joint", joint, m_.JointCount)) continue;
    if (firstRecord[joint] != 0) {
      Report(item + ": joint " + Str(joint) + " already has support displacement record " +
             Str(firstRecord[joint]));
      continue;
    }
    firstRecord[joint] = r;
    const int support = supportOf_[joint];
    if (support == 0) {
      Report(item + ": joint " + Str(joint) + " is no support");
      continue;
    }
    for (int k = 1; k <= m_.CoordsPerJoint; ++k) {
      const float value = m_.SettlementValues(r, k);
      if (value != 0.0f && m_.Supports(support, k + 1) == 0)
        Report(item + " (joint " + Str(joint) + "): " + Num(value) + " is prescribed for the " +
               type_.Coords[static_cast<std::size_t>(k - 1)].Check + ", which support " +
               Str(support) + " leaves free");
    }
  }
}

}  // namespace stavelorn::model_check
