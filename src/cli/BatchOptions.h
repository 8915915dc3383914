// A batch tool command line read into the request it makes, or the usage error it is.
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "analysis/AnalysisPrecision.h"
#include "analysis/CriticalLoad.h"
#include "analysis/DividedStructure.h"
#include "analysis/InfluenceLine.h"
#include "analysis/MovingLoad.h"
#include "model/Units.h"
#include "reports/AnswerScore.h"

namespace stavelorn {

enum class BatchAction { Analyse, ShowHelp, ShowVersion };

struct InfluenceRequest {
  InfluenceQuantity quantity;
  std::string what;                // as typed, for the JSON
  std::vector<int> path;           // empty: the default path
  std::optional<LoadTrain> train;  // --train and --lane
  bool envelope = false;
};

struct UnitsRequest {
  UnitSystem units;
  bool temperatureGiven = false;  // false: the file's temperature unit is kept
};

// --buckling or --second-order, with the pieces each member is divided into.
struct StabilityRequest {
  bool buckling = false;  // the critical load factors; otherwise the second-order analysis
  int modes = kDefaultBucklingModes;
  int segments = kDefaultSegments;
};

// --grade: the class's answers folder, the variants folder and the outputs beside the gradebook.
struct GradeRequest {
  std::string answersFolder;
  std::string variantsFolder;
  std::optional<std::string> summary;   // --summary FILE.csv
  std::optional<std::string> feedback;  // --feedback DIR
};

struct BatchOptions {
  BatchAction action = BatchAction::Analyse;
  std::string file;
  bool json = false;
  bool trail = false;
  bool diagrams = false;
  AnalysisPrecision precision = AnalysisPrecision::Single;
  std::optional<InfluenceRequest> influence;
  std::optional<UnitsRequest> units;
  std::optional<std::string> picture;
  bool deformed = false;
  std::optional<std::string> diagram;  // a quantity's name, read against the project's type
  std::optional<std::string> answers;  // the answers file to judge
  bool forStudent = false;             // --check without the given and expected values
  std::optional<std::vector<AskedQuantity>> only;  // what --check or --grade judges
  std::optional<GradeRequest> grade;
  std::optional<StabilityRequest> stability;
  std::optional<std::string>
      loadCase;  // the case or combination reported, read against the project
};

struct UsageError {
  std::string reason;  // what is wrong, in words
  bool showUsage = true;
};

// The arguments after the program's name. --help or --version anywhere answers that alone.
std::variant<BatchOptions, UsageError> ParseBatchArguments(const std::vector<std::string>& args);

}  // namespace stavelorn
