// The checker behind CheckModel: one pass over a model's tables that collects every problem,
// each naming its record. The structure's checks are in ModelCheck.cpp, the load records' in
// ModelCheckLoads.cpp and the words and numbers of their messages in ModelCheckText.cpp.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "model/MemberLoadKind.h"
#include "model/ModelStore.h"
#include "model/StructType.h"

namespace stavelorn::model_check {

// A count or record number as the messages write it.
std::string Str(long n);

// A value as the grids show it, unless that text would read back as a different single.
std::string Num(float value);

// The length the engine will compute for the member from joint `begin` to joint `end`.
float EngineMemberLength(const ModelStore& m, int begin, int end);

class ModelChecker {
 public:
  ModelChecker(const ModelStore& model, const StructTypeInfo& type) : m_(model), type_(type) {}
  std::vector<std::string> Run();
  std::vector<std::string> RunOnLoadsOf(const ModelStore& caseModel) const;

 private:
  void CheckLoads(bool releases);
  void Report(std::string problem) { problems_.push_back(std::move(problem)); }
  bool InRange(const std::string& item, const std::string& what, int n, int count);
  bool TablesFit();
  bool FitsShape(const char* section, int count, int rows, int cols, int neededCols);
  void CheckCoordinateCount();
  void CheckSupports();
  void CheckRecordFaults();
  float EngineLength(int begin, int end) const { return EngineMemberLength(m_, begin, end); }
  void CheckMembers();
  void CheckProperties();
  std::vector<const char*> MaterialProps() const;
  std::vector<const char*> SectionProps() const;
  void CheckPositive(const std::string& item, const Table<float>& table, int row,
                     const std::vector<const char*>& names, int firstUser);
  void CheckReleases();
  void CheckMemberLoads();
  void CheckDistances(const std::string& item, int r, const MemberLoadKindInfo& kind, float length);
  void CheckJointRecords(const std::string& name, int count, const Array<std::int16_t>& joints);
  void CheckMemberRecords(const std::string& name, int count, const Array<std::int16_t>& members);
  void CheckSettlements();

  const ModelStore& m_;
  const StructTypeInfo& type_;
  std::vector<std::string> problems_;
  std::vector<int> supportOf_;     // joint -> its (last) support row, 0 for none
  std::vector<float> length_;      // member -> its length, 0 when it cannot be measured
  std::vector<int> materialUser_;  // material -> first member using it, 0 for none
  std::vector<int> sectionUser_;   // cross-section -> first member using it, 0 for none
  std::vector<int> releaseOf_;     // member -> its last release code, as the stiffness reads it
  bool structureChecked_ = false;  // Run got past the tables to the structure's checks
};

}  // namespace stavelorn::model_check
