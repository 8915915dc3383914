#include "reports/ClassVariants.h"

#include <charconv>
#include <filesystem>
#include <limits>
#include <map>
#include <random>
#include <set>

#include "analysis/AnalysisRun.h"
#include "model/ExitStatus.h"
#include "model/ProjectFile.h"
#include "model/Variations.h"
#include "reports/JsonText.h"
#include "reports/KeyAnswers.h"

namespace stavelorn {

namespace {

// Duplicate draws cost no analysis; this many in all means the grids hold too few projects
// that can be analysed.
constexpr int kMostDraws = 100000;

using Draw = std::vector<std::int64_t>;  // a grid index per variation

// A whole number below `n`, every one equally likely: the engine's numbers past the last whole
// multiple of `n` are drawn again.
std::int64_t Below(std::mt19937_64& random, std::int64_t n) {
  const std::uint64_t span = static_cast<std::uint64_t>(n);
  const std::uint64_t most = std::numeric_limits<std::uint64_t>::max();
  const std::uint64_t limit = most - (most % span + 1) % span;
  std::uint64_t drawn = random();
  while (drawn > limit) drawn = random();
  return static_cast<std::int64_t>(drawn % span);
}

std::string VariantNumber(int index, int count) {
  const std::string digits = std::to_string(index);
  const std::size_t width = count > 99 ? 3 : 2;
  return std::string(width > digits.size() ? width - digits.size() : 0, '0') + digits;
}

// The template with the draw's values, every variation's but `kept`'s, which keeps the
// template's value.
ModelStore Drawn(const ModelStore& templateModel, const Draw& draw, std::size_t kept = SIZE_MAX) {
  ModelStore model = templateModel;
  for (std::size_t i = 0; i < draw.size(); ++i)
    if (i != kept)
      WithVariedValue(model, templateModel.Variations[i], [&](VariedValue varied) {
        varied.Value = GridValue(templateModel.Variations[i], draw[i]);
      });
  model.Variations.clear();
  return model;
}

// Why the analysis of a variant cannot be trusted as an exercise, or "".
std::string FailureOf(const ModelStore& model, const AnalysisRun& run) {
  if (run.Rejected) return run.RejectionText;
  if (!run.Results.Complete()) return AnalysisOutcomeText(model, run);
  return run.AccuracyNote;
}

std::string Analysed(const ModelStore& model) {
  return FailureOf(model, CheckAndAnalyze(model));
}

// Names the variation that makes a failed draw fail: the one whose template value alone makes it
// analyse.
std::string Blame(const ModelStore& templateModel, const Draw& failed, const std::string& failure) {
  const std::string tried =
      "no variant could be analysed in " + std::to_string(kFailedDrawsPerVariant) + " draws: ";
  for (std::size_t i = 0; i < failed.size(); ++i)
    if (Analysed(Drawn(templateModel, failed, i)).empty())
      return tried + "variation " + std::to_string(i + 1) + " (" +
             VariedPlaceText(templateModel.Variations[i]) + ") makes it fail:\n" + failure;
  ModelStore plain = templateModel;
  plain.Variations.clear();
  const std::string own = Analysed(plain);
  if (!own.empty()) return "the template itself cannot be analysed:\n" + own;
  return tried + "the variations together make it fail, none alone:\n" + failure;
}

// The template's faults before any draw: nothing to vary, a variation that names nothing, or
// grids holding fewer projects than asked for.
std::string TemplateProblem(const ModelStore& templateModel, int count) {
  if (templateModel.Variations.empty())
    return "the project has no section \"" + std::string(kVariationsLabel) +
           "\", so nothing in it varies";
  ModelStore checked = templateModel;
  std::int64_t projects = 1;
  for (std::size_t i = 0; i < checked.Variations.size(); ++i) {
    if (auto problem = VariationProblem(checked, i))
      return "variation " + std::to_string(i + 1) + " (" + VariedPlaceText(checked.Variations[i]) +
             "): " + problem->Text;
    projects = std::min<std::int64_t>(projects * GridSize(checked.Variations[i]), kMostVariants);
  }
  if (projects < count)
    return "the variations' ranges hold " + std::to_string(projects) + " different project" +
           (projects == 1 ? "" : "s") + ", fewer than the " + std::to_string(count) + " asked for";
  return "";
}

}  // namespace

VariantDraws DrawVariants(const ModelStore& templateModel, int count, std::uint64_t seed) {
  VariantDraws draws;
  draws.Problem = TemplateProblem(templateModel, count);
  if (!draws.Problem.empty()) return draws;
  const std::vector<Variation>& variations = templateModel.Variations;
  std::mt19937_64 random(seed);
  std::set<Draw> taken;
  std::map<Draw, std::string> failed;  // each draw that failed, with why, analysed once
  int drawsLeft = kMostDraws;
  for (int index = 1; index <= count; ++index) {
    for (int failures = 0;;) {
      if (--drawsLeft < 0) {
        draws.Problem = "the variations' ranges did not give " + std::to_string(count) +
                        " different projects that can be analysed in " +
                        std::to_string(kMostDraws) + " draws";
        return draws.Variants.clear(), draws;
      }
      Draw draw;
      for (const Variation& variation : variations)
        draw.push_back(Below(random, GridSize(variation)));
      if (taken.count(draw)) continue;
      DrawnVariant variant{Drawn(templateModel, draw), {}, {}};
      auto known = failed.find(draw);
      AnalysisRun run;
      if (known == failed.end()) {
        run = CheckAndAnalyze(variant.Model);
        const std::string failure = FailureOf(variant.Model, run);
        if (!failure.empty()) known = failed.emplace(draw, failure).first;
      }
      if (known != failed.end()) {
        if (++failures < kFailedDrawsPerVariant) continue;
        draws.Problem = Blame(templateModel, draw, known->second);
        return draws.Variants.clear(), draws;
      }
      taken.insert(draw);
      for (std::size_t i = 0; i < draw.size(); ++i)
        variant.Values.push_back(GridValue(variations[i], draw[i]));
      variant.Answers = KeyAnswersJson(KeyOfAnalysis(variant.Model, run), " ");
      variant.Model.ProjectTitle += " \xE2\x80\x94 variant " + VariantNumber(index, count);
      draws.Variants.push_back(std::move(variant));
      break;
    }
  }
  return draws;
}

std::string VariantFileName(const std::string& templateName, int index, int count) {
  return templateName + "-" + VariantNumber(index, count) + ".str";
}

std::optional<std::uint64_t> ReadVariantSeed(const std::string& text) {
  std::uint64_t seed = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, seed);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return seed;
}

VariantsOutcome WriteVariants(const ModelStore& templateModel, const std::string& templatePath,
                              const VariantsChoice& choice) {
  namespace fs = std::filesystem;
  const std::string& folder = choice.Folder;
  const int count = choice.Count;
  std::error_code ec;
  if (fs::exists(folder, ec) && (!fs::is_directory(folder, ec) ||
                                 fs::directory_iterator(folder, ec) != fs::directory_iterator()))
    return {kExitRejected,
            "\"" + folder +
                "\" is not an empty folder; the variants go into a new or empty one, so that "
                "nothing is written over",
            {}};
  const VariantDraws draws = DrawVariants(templateModel, count, choice.Seed);
  if (!draws.Problem.empty())
    return {kExitRejected, "\"" + templatePath + "\": " + draws.Problem, {}};
  fs::create_directories(folder, ec);
  if (ec)
    return {
        kExitOutputFailed, "cannot make the folder \"" + folder + "\" (" + ec.message() + ")", {}};
  VariantsOutcome outcome;
  const std::string name = fs::path(templatePath).stem().string();
  std::string key;
  for (int index = 1; index <= count; ++index) {
    const DrawnVariant& variant = draws.Variants[static_cast<std::size_t>(index - 1)];
    const std::string file = VariantFileName(name, index, count);
    const std::string path = (fs::path(folder) / file).string();
    std::string text;
    RunResult error = ProjectFileText(variant.Model, text);
    if (!error) error = WriteFileAtomically(path, text);
    if (error) return {kExitOutputFailed, error->Description, outcome.Written};
    outcome.Written.push_back(path);
    key += std::string(key.empty() ? "\n" : ",\n") + " {\"project\": " + JsonString(file) +
           ", \"answers\": " + variant.Answers + "}";
  }
  const std::string keyPath = (fs::path(folder) / kVariantKeyFile).string();
  if (RunResult error = WriteFileAtomically(keyPath, "{\"variants\": [" + key + "\n]}\n"))
    return {kExitOutputFailed, error->Description, outcome.Written};
  outcome.Written.push_back(keyPath);
  return outcome;
}

}  // namespace stavelorn
