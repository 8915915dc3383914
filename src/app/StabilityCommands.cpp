// Stability > Critical Load…, Second-Order Analysis and Options…: the stability analyses of the
// results shown, drawn or told in a message, with the members divided as the options say. They
// call no other file of the commands.

#include <cmath>
#include <cstdio>

#include "analysis/CriticalLoad.h"
#include "analysis/SecondOrder.h"
#include "app/ProjectCommands.h"
#include "app/StabilityOptions.h"
#include "model/StructType.h"

namespace stavelorn {

namespace {

std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.5g", value);
  return text;
}

std::string CriticalLoadText(const CriticalLoads& loads, const StabilityOptions& options) {
  std::string text;
  for (std::size_t i = 0; i < loads.Modes.size(); ++i)
    text += "Mode " + std::to_string(i + 1) + ": load factor " + Number(loads.Modes[i].LoadFactor) +
            "\n";
  if (!loads.Modes.empty())
    text = "The structure buckles under these multiples of its loads (" + PiecesText(options) +
           "):\n\n" + text;
  if (!loads.Message.empty()) text += (text.empty() ? "" : "\n") + loads.Message;
  return text;
}

// Each free joint translation, first and second order and their ratio.
std::string AmplificationText(const ModelStore& model, const SecondOrderRun& run,
                              const StabilityOptions& options) {
  const StructTypeInfo& type = model.TypeInfo();
  std::string text = "Second-order joint translations (" + std::to_string(run.Iterations) +
                     " iterations, " + PiecesText(options) + "):\n\n";
  for (int j = 1; j <= model.JointCount; ++j)
    for (int k = 1; k <= type.CoordsPerJoint; ++k) {
      if (IsRotation(model.StructType, k)) continue;
      const int number = run.FirstOrder.CoordNumbers((j - 1) * type.CoordsPerJoint + k);
      if (number > run.FirstOrder.DofCount) continue;
      const double first = run.FirstOrder.JointDisplacements(number);
      const double second = run.SecondOrder.JointDisplacements(number);
      if (first == 0 && second == 0) continue;
      text += "Joint " + std::to_string(j) + " " + CoordinateName(CoordinateOf(type, k)) + ": " +
              Number(first) + " first order, " + Number(second) + " second order" +
              (first != 0 ? ", amplification " + Number(second / first) : "") + "\n";
    }
  return text;
}

}  // namespace

void ProjectCommands::ShowCriticalLoad() {
  if (!session_.ResultsShown()) return;
  session_.AddGeometricStiffnessToTrail();
  const StabilityOptions& options = session_.Stability();
  const CriticalLoads loads =
      ComputeCriticalLoads(model_, session_.Results(), options.Modes, options.Segments);
  if (loads.Modes.empty() || !windows_.ShowBucklingModes(loads, options))
    messages_.ShowInformation(kCriticalLoadTitle, CriticalLoadText(loads, options));
}

void ProjectCommands::ShowSecondOrder() {
  if (!session_.ResultsShown()) return;
  session_.AddGeometricStiffnessToTrail();
  const StabilityOptions& options = session_.Stability();
  const SecondOrderRun run = AnalyzeSecondOrder(model_, session_.Results(), options.Segments);
  if (!run.Settled) {
    messages_.ShowStop(kSecondOrderTitle, run.Message);
    return;
  }
  session_.KeepSecondOrder(run);
  if (!windows_.ShowSecondOrder(run, options))
    messages_.ShowInformation(kSecondOrderTitle, AmplificationText(model_, run, options));
}

void ProjectCommands::ChooseStabilityOptions() {
  StabilityOptions options = session_.Stability();
  if (windows_.ChooseStabilityOptions(options)) session_.ChooseStability(options);
}

}  // namespace stavelorn
