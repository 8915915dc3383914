// Exercise > Make Variants…: a class's projects drawn from the open template.
#include "app/ProjectCommands.h"
#include "model/ExitStatus.h"
#include "model/Variations.h"
#include "reports/ClassVariants.h"

namespace stavelorn {

namespace {

constexpr char kMakeVariantsTitle[] = "Make Variants";

}  // namespace

std::string ProjectCommands::MakeVariants() {
  if (model_.Variations.empty()) {
    messages_.ShowInformation(
        kMakeVariantsTitle,
        "Nothing in this project varies: it has no section \"" + std::string(kVariationsLabel) +
            "\".\n\nTo make it a template, add that section to its file, one record per value "
            "that varies: \"SECTION\",record,field,low,high,step.");
    return "";
  }
  VariantsChoice choice;
  if (!windows_.ChooseVariants(choice)) return "";
  // The variants are named after the project's file.
  const std::string name = model_.ProjectFile.empty() ? "exercise.str" : model_.ProjectFile;
  const VariantsOutcome outcome = WriteVariants(model_, name, choice);
  if (outcome.Exit != kExitComplete) {
    messages_.ShowStop(kMakeVariantsTitle, outcome.Message);
    return "";
  }
  const std::string notice = std::to_string(choice.Count) + " variant" +
                             (choice.Count == 1 ? "" : "s") + " and " + kVariantKeyFile +
                             " written in " + choice.Folder;
  messages_.ShowInformation(kMakeVariantsTitle, notice + ".");
  return notice;
}

}  // namespace stavelorn
