#include "cli/BatchOptions.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <map>

#include "app/MovingLoadChoice.h"
#include "cli/BatchOptionTable.h"
#include "reports/InfluenceWhat.h"

namespace stavelorn {

namespace {

using O = BatchOption;

// The options given, each with its value ("" for a switch); a later one replaces an earlier.
using GivenOptions = std::map<BatchOption, std::string>;

bool Given(const GivenOptions& given, BatchOption option) {
  return given.count(option) != 0;
}

// The form the given options call for: the first whose required options are all given and
// that requires any, else the first that requires none.
const BatchForm& FormOf(const GivenOptions& given) {
  const BatchForm* plain = nullptr;
  for (const BatchForm& form : BatchForms()) {
    bool requiresAny = false, hasAll = true;
    for (const BatchFormOption& use : form.options)
      if (use.required) requiresAny = true, hasAll = hasAll && Given(given, use.option);
    if (requiresAny && hasAll) return form;
    if (!requiresAny && !plain) plain = &form;
  }
  return *plain;
}

// "--check is given alone, not with --units", or "" when no option excludes another given.
std::string ExclusionText(const GivenOptions& given) {
  for (const auto& [option, value] : given)
    for (BatchOption other : RowOf(option).excludes)
      if (Given(given, other))
        return std::string(RowOf(option).name) + " is given alone, not with " + RowOf(other).name;
  return "";
}

// "\"a\" and \"b\"": the arguments as the user gave them.
std::string ArgumentNames(const std::vector<std::string>& arguments) {
  std::string names;
  for (std::size_t i = 0; i < arguments.size(); ++i)
    names += (i == 0                      ? ""
              : i + 1 == arguments.size() ? " and "
                                          : ", ") +
             ("\"" + arguments[i] + "\"");
  return names;
}

// What is wrong with the positional arguments of `form`, or "".
std::string ArgumentsText(const BatchForm& form, const std::vector<std::string>& arguments) {
  if (arguments.size() == form.arguments.size()) return "";
  if (form.arguments.size() > 1) {
    std::string wanted;
    for (const char* name : form.arguments)
      wanted += (wanted.empty() ? "" : " ") + std::string(name);
    return "expected " + wanted + ", not " +
           (arguments.empty() ? std::string("nothing") : ArgumentNames(arguments));
  }
  if (arguments.empty()) return "no project file given";
  return "one project file at a time, not " + ArgumentNames(arguments);
}

// A picture is written as SVG and only under a name that says so, so that a slip of the order of
// the arguments never writes it over a project.
std::string PictureNameText(const GivenOptions& given) {
  const auto picture = given.find(O::Picture);
  if (picture == given.end()) return "";
  std::string name = picture->second;
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  const std::string extension = ".svg";
  if (name.size() >= extension.size() &&
      name.compare(name.size() - extension.size(), extension.size(), extension) == 0)
    return "";
  return "the picture's name \"" + picture->second + "\" does not end in .svg";
}

// The units a value asks for ("kip,in" or "kN,m,F"), or what is wrong with it.
std::variant<UnitsRequest, std::string> ReadUnits(const std::string& value) {
  std::vector<std::string> names(1);
  for (char c : value) {
    if (c == ',')
      names.emplace_back();
    else
      names.back().push_back(c);
  }
  if (names.size() < 2 || names.size() > 3)
    return "--units takes FORCE,LENGTH or FORCE,LENGTH,TEMP, not \"" + value + "\"";
  const bool temperatureGiven = names.size() == 3;
  std::optional<ForceUnit> force = FindForceUnit(names[0]);
  std::optional<LengthUnit> length = FindLengthUnit(names[1]);
  std::optional<TemperatureUnit> temperature =
      temperatureGiven ? FindTemperatureUnit(names[2]) : TemperatureUnit::C;
  if (!force) return "unknown force unit \"" + names[0] + "\" (one of " + ForceUnitNames() + ")";
  if (!length) return "unknown length unit \"" + names[1] + "\" (one of " + LengthUnitNames() + ")";
  if (!temperature)
    return "unknown temperature unit \"" + names[2] + "\" (one of " + TemperatureUnitNames() + ")";
  return UnitsRequest{NamedUnits(*force, *length, *temperature), temperatureGiven};
}

// The whole number from 1 to `most` given with `option`, read into `count` (left as it is when
// the option is not given), or the usage error of any other value.
std::optional<UsageError> ReadCount(const GivenOptions& given, BatchOption option, int most,
                                    int& count) {
  const auto at = given.find(option);
  if (at == given.end()) return std::nullopt;
  const std::string& text = at->second;
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || stop != end || value < 1 || value > most)
    return UsageError{std::string(RowOf(option).name) + " takes a whole number from 1 to " +
                          std::to_string(most) + ", not \"" + text + "\"",
                      false};
  count = value;
  return std::nullopt;
}

// --buckling or --second-order with their --modes and --segments, read into `options`.
std::optional<UsageError> ReadStability(const GivenOptions& given, BatchOptions& options) {
  const bool buckling = Given(given, O::Buckling), secondOrder = Given(given, O::SecondOrder);
  if (!buckling && !secondOrder) {
    if (Given(given, O::Segments))
      return UsageError{"--segments goes with --buckling or --second-order"};
    return std::nullopt;
  }
  StabilityRequest request;
  request.buckling = buckling;
  if (auto problem = ReadCount(given, O::Modes, kMaxBucklingModes, request.modes)) return problem;
  if (auto problem = ReadCount(given, O::Segments, kMaxSegments, request.segments)) return problem;
  options.stability = request;
  return std::nullopt;
}

// --train, --lane and --envelope, read into the influence request.
std::optional<UsageError> ReadMovingLoad(const GivenOptions& given, InfluenceRequest& request) {
  const auto train = given.find(O::Train), lane = given.find(O::Lane);
  if (train == given.end() && lane == given.end()) {
    if (Given(given, O::Envelope)) return UsageError{"--envelope goes with --train or --lane"};
    return std::nullopt;
  }
  TrainReading reading;
  if (train != given.end()) {
    reading = ReadTrainText(train->second);
    if (!reading.Problem.empty()) {
      reading.Problem.front() =
          static_cast<char>(std::tolower(static_cast<unsigned char>(reading.Problem.front())));
      return UsageError{"--train " + train->second + ": " + reading.Problem, false};
    }
  }
  if (lane != given.end()) {
    const std::optional<double> w = ReadLaneLoad(lane->second);
    if (!w)
      return UsageError{"--lane takes a load per length, not \"" + lane->second + "\"", false};
    reading.Train.Lane = *w;
  }
  request.envelope = Given(given, O::Envelope);
  if (request.envelope && request.quantity.Kind != InfluenceKind::Internal)
    return UsageError{"--envelope goes with --influence internal:M:X:Q, not " + request.what,
                      false};
  request.train = reading.Train;
  return std::nullopt;
}

// The values of options whose grammar the table cannot tell, read into the request.
std::variant<BatchOptions, UsageError> ReadValues(const GivenOptions& given,
                                                  const std::vector<std::string>& arguments) {
  BatchOptions options;
  options.file = arguments.front();
  options.json = Given(given, O::Json);
  options.trail = Given(given, O::Trail);
  options.diagrams = Given(given, O::Diagrams);
  options.deformed = Given(given, O::Deformed);
  const auto value = [&](BatchOption option) -> std::optional<std::string> {
    const auto at = given.find(option);
    return at == given.end() ? std::nullopt : std::optional<std::string>(at->second);
  };
  options.picture = value(O::Picture);
  options.diagram = value(O::Diagram);
  options.answers = value(O::Check);
  options.loadCase = value(O::Case);
  options.forStudent = Given(given, O::ForStudent);
  if (Given(given, O::Grade))
    options.grade = GradeRequest{arguments[0], arguments[1], value(O::Summary), value(O::Feedback)};
  if (const std::optional<std::string> only = value(O::Only)) {
    if (!options.answers && !options.grade)
      return UsageError{"--only goes with --check or --grade"};
    if (auto fault = ReadAskedList(*only, options.only.emplace()))
      return UsageError{"--only " + *only + ": " + *fault, false};
  }
  if (const std::optional<std::string> name = value(O::Precision)) {
    const std::optional<AnalysisPrecision> precision = PrecisionNamed(*name);
    if (!precision) return UsageError{"--precision " + *name + " is neither single nor double"};
    options.precision = *precision;
  }
  if (const std::optional<std::string> what = value(O::Influence)) {
    const std::optional<InfluenceQuantity> quantity = ParseInfluenceWhat(*what);
    if (!quantity)
      return UsageError{"--influence " + *what +
                            " is none of reaction:J:C, end-force:M:K, internal:M:X:Q, "
                            "displacement:J:C",
                        false};
    std::optional<std::vector<int>> path = std::vector<int>{};
    if (const std::optional<std::string> pathText = value(O::Path)) {
      path = ParseInfluencePath(*pathText);
      if (!path)
        return UsageError{"--path " + *pathText + " is not member numbers separated by commas",
                          false};
    }
    options.influence = InfluenceRequest{*quantity, *what, *path, std::nullopt, false};
    if (std::optional<UsageError> problem = ReadMovingLoad(given, *options.influence))
      return *problem;
  }
  if (std::optional<UsageError> problem = ReadStability(given, options)) return *problem;
  if (const std::optional<std::string> unitsText = value(O::Units)) {
    std::variant<UnitsRequest, std::string> units = ReadUnits(*unitsText);
    if (const std::string* problem = std::get_if<std::string>(&units))
      return UsageError{*problem, false};
    options.units = std::get<UnitsRequest>(units);
  }
  return options;
}

}  // namespace

std::variant<BatchOptions, UsageError> ParseBatchArguments(const std::vector<std::string>& args) {
  for (const std::string& arg : args) {
    BatchOptions asked;
    if (arg == RowOf(O::Help).name) asked.action = BatchAction::ShowHelp;
    if (arg == RowOf(O::Version).name) asked.action = BatchAction::ShowVersion;
    if (asked.action != BatchAction::Analyse) return asked;
  }
  GivenOptions given;
  std::vector<std::string> arguments;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const BatchOptionRow* row = FindBatchOption(arg);
    if (!row && !arg.empty() && arg[0] == '-') return UsageError{"unknown option " + arg};
    if (!row) {
      arguments.push_back(arg);
    } else if (!*row->valueName) {
      given[row->option] = "";
    } else if (i + 1 == args.size() || args[i + 1].empty()) {
      return UsageError{arg + " needs a value"};
    } else {
      given[row->option] = args[++i];
    }
  }
  if (std::string problem = PictureNameText(given); !problem.empty())
    return UsageError{problem, false};
  for (const std::string& problem : {ArgumentsText(FormOf(given), arguments), ExclusionText(given)})
    if (!problem.empty()) return UsageError{problem};
  for (const BatchOptionRow& row : BatchOptionRows())
    if (Given(given, row.option) && row.goesWith && !Given(given, *row.goesWith))
      return UsageError{GoesWithText(GoesWithRoot(row.option))};
  return ReadValues(given, arguments);
}

}  // namespace stavelorn
