#include "app/SignConventionModels.h"

#include <algorithm>
#include <sstream>
#include <string>

#include "editors/MemberLoadForm.h"
#include "model/ProjectFile.h"

namespace stavelorn {

namespace {

constexpr float kLoad = 10;
// A settlement that shows at the automatic multiplier of a structure some metres across.
constexpr float kSettlement = 0.01f, kSettlementRotation = 0.002f;

// A record of the project file: the values joined by commas.
template <typename T>
std::string Record(const std::vector<T>& values) {
  std::ostringstream line;
  for (std::size_t i = 0; i < values.size(); ++i) line << (i ? "," : "") << values[i];
  return line.str() + "\n";
}

std::string Section(const std::string& label, const std::vector<std::string>& records) {
  std::string text = "\"" + label + "\"," + std::to_string(records.size()) + "\n";
  for (const std::string& record : records) text += record;
  return text;
}

std::string MaterialRecord(const StructTypeInfo& type) {
  return type.MaterialColumns == 3 ? "2E+08,8E+07,1.2E-05\n" : "2E+08,1.2E-05\n";
}

std::string SectionRecord(const StructTypeInfo& type) {
  std::vector<float> values;
  for (int k = 0; k < type.SectionColumns; ++k)
    values.push_back(
        type.Sections[static_cast<std::size_t>(k)].Measure == Quantity::Area ? 0.01f : 0.0001f);
  return Record(values);
}

std::string Structure(const StructTypeInfo& type, const std::vector<std::string>& joints,
                      const std::vector<std::string>& supports,
                      const std::vector<std::string>& members) {
  return Section("Joints", joints) + Section("Supports", supports) +
         Section("Materials", {MaterialRecord(type)}) +
         Section("Cross-Sections", {SectionRecord(type)}) + Section("Members", members);
}

// A positive value of every joint load component of the type, at `joint`.
std::string JointLoadSection(const StructTypeInfo& type, int joint) {
  std::vector<float> values{static_cast<float>(joint)};
  values.insert(values.end(), static_cast<std::size_t>(type.CoordsPerJoint), kLoad);
  return Section("Joint Loads", {Record(values)});
}

// A positive displacement of every coordinate of joint 1, the first support, that it restrains.
std::string SettlementSection(const StructTypeInfo& type, const std::string& support) {
  std::vector<float> values{1};
  std::istringstream flags(support);
  std::string flag;
  std::getline(flags, flag, ',');  // the joint
  for (int k = 0; k < type.CoordsPerJoint && std::getline(flags, flag, ','); ++k) {
    const bool rotation = type.Coords[static_cast<std::size_t>(k)].Rotation;
    values.push_back(std::stoi(flag) ? (rotation ? kSettlementRotation : kSettlement) : 0.0f);
  }
  return Section("Support Displacements", {Record(values)});
}

std::string TrussText(const StructTypeInfo& type, const SignModelLoads& loads) {
  const bool space = type.CoordColumns == 3;
  const std::vector<std::string> joints =
      space ? std::vector<std::string>{"0,0,0\n", "6,0,0\n", "3,0,5\n", "3,4,2\n"}
            : std::vector<std::string>{"0,0\n", "4,3\n", "8,0\n"};
  const std::vector<std::string> supports =
      space ? std::vector<std::string>{"1,1,1,1\n", "2,1,1,1\n", "3,1,1,1\n"}
            : std::vector<std::string>{"1,1,1\n", "3,0,1\n"};
  const std::vector<std::string> members =
      space ? std::vector<std::string>{"1,4,1,1\n", "2,4,1,1\n", "3,4,1,1\n"}
            : std::vector<std::string>{"1,2,1,1\n", "2,3,1,1\n", "1,3,1,1\n"};
  std::string text = Structure(type, joints, supports, members);
  if (loads.JointLoad) text += JointLoadSection(type, space ? 4 : 2);
  if (loads.Settlement) text += SettlementSection(type, supports.front());
  return text;
}

// The chain, each member 4 along X and 3 along the second axis (5 long); a space frame's run 1
// along Z instead, so that the projection spreads its members apart.
std::string ChainText(const StructTypeInfo& type, const SignModelLoads& loads) {
  const int memberCount = std::max<int>(loads.Members, static_cast<int>(loads.MemberLoads.size()));
  const int jointCount = memberCount + 1;
  std::vector<std::string> joints, supports, members, memberLoads;
  for (int j = 1; j <= jointCount; ++j) {
    std::vector<float> at{4.0f * static_cast<float>(j - 1)};
    const float across = type.CoordColumns == 3 ? 1.0f : 3.0f;
    if (type.CoordColumns >= 2) at.push_back(across * static_cast<float>(j - 1));
    if (type.CoordColumns == 3) at.insert(at.begin() + 1, 0.0f);
    joints.push_back(Record(at));
    if (j == jointCount) continue;  // the free end
    std::vector<int> flags{j};
    for (int k = 0; k < type.CoordsPerJoint; ++k)
      flags.push_back(j == 1 || !type.Coords[static_cast<std::size_t>(k)].Rotation ? 1 : 0);
    supports.push_back(Record(flags));
  }
  for (int m = 1; m <= memberCount; ++m) {
    members.push_back(Record(std::vector<int>{m, m + 1, 1, 1}));
    if (type.RollAngles) members.back().insert(members.back().size() - 1, ",30");
  }
  for (std::size_t i = 0; i < loads.MemberLoads.size(); ++i) {
    const MemberLoadKindInfo& kind = *loads.MemberLoads[i];
    const bool point = IsConcentrated(kind);
    const float second = kind.ValueLabels[1] ? 2 * kLoad : 0;
    memberLoads.push_back(Record(std::vector<float>{static_cast<float>(i + 1),
                                                    static_cast<float>(static_cast<int>(kind.Kind)),
                                                    kLoad, second, point ? 2.0f : 0.0f, 0.0f}));
  }
  std::string text = Structure(type, joints, supports, members);
  if (loads.JointLoad) text += JointLoadSection(type, jointCount);
  if (!memberLoads.empty()) text += Section("Member Loads", memberLoads);
  if (loads.Settlement) text += SettlementSection(type, supports.front());
  return text;
}

}  // namespace

ModelStore SignModel(const StructTypeInfo& type, const std::string& title,
                     const SignModelLoads& loads) {
  const std::string text = "\"" + std::string(type.Name) + ": " + title + "\"\n\"" + type.Code +
                           "\"\n" + (type.Truss ? TrussText(type, loads) : ChainText(type, loads));
  ModelStore model;
  ReadProjectText(model, text);
  return model;
}

std::vector<std::vector<const MemberLoadKindInfo*>> LoadKindGroups(const StructTypeInfo& type,
                                                                   std::size_t perGroup) {
  std::vector<std::vector<const MemberLoadKindInfo*>> groups;
  for (const MemberLoadKindInfo* kind : AcceptedLoadKinds(type.Kind)) {
    if (groups.empty() || groups.back().size() >= perGroup) groups.emplace_back();
    groups.back().push_back(kind);
  }
  return groups;
}

}  // namespace stavelorn
