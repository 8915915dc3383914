// The windows as the project commands see them, played by a test: the title dialog and Print
// Options answered by functions the test sets, the units dialog by the system it holds, the
// redraws counted, and every report printed as text the test can read.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/CommandWindows.h"
#include "reports/TextReportPrinter.h"

namespace stavelorn {

class FakeCommandWindows : public CommandWindows {
 public:
  // A text printer that says it writes to `file`, as a PDF printer does ("" prints on paper).
  class FilePrinter : public TextReportPrinter {
   public:
    FilePrinter(std::ostream& out, std::string file)
        : TextReportPrinter(out), file_(std::move(file)) {}
    std::string OutputFile() const override { return file_; }
    void PrintPicture(const PagePicture& picture) override {
      PrintLine("[picture: " + picture.Caption() + "]");
    }

   private:
    std::string file_;
  };
  // The diagram window's pages: one, named for what it shows.
  struct DiagramPage : PagePicture {
    std::string Caption() const override { return "member diagrams"; }
  };

  // Closed with OK (after applying whatever it changes) when it returns true.
  std::function<bool()> titleDialog = [] { return false; };
  // Closed with OK on this system; cancelled while it is empty.
  std::optional<UnitSystem> unitsChosen;
  // What the user ticks in "Print Options", given the ticks it opened with; then OK.
  std::function<void(PrintOptions&)> printOptions = [](PrintOptions&) {};
  // What the user sets in "Preferences", given the answers it opened with; true for OK.
  std::function<bool(RoutineAnswers&)> preferences = [](RoutineAnswers&) { return false; };
  // What the user types in "Stability Options", given the options it opened with; true for OK.
  std::function<bool(StabilityOptions&)> stabilityOptions = [](StabilityOptions&) { return false; };
  // What the user fills in "Make Variants", given the choice it opened with; true for OK.
  std::function<bool(VariantsChoice&)> variants = [](VariantsChoice&) { return false; };
  // Whether the windows draw buckling modes; the load factors of those they were given.
  bool drawsModes = false;
  std::vector<double> drawnFactors;
  std::string printFile;
  int redraws = 0;
  std::ostringstream printed;

  bool ShowTitleDialog() override { return titleDialog(); }
  bool ChooseUnits(UnitSystem& units) override {
    if (unitsChosen) units = *unitsChosen;
    return unitsChosen.has_value();
  }
  void Redraw() override { ++redraws; }
  std::vector<std::unique_ptr<PagePicture>> DiagramPictures() override {
    std::vector<std::unique_ptr<PagePicture>> pages;
    pages.push_back(std::make_unique<DiagramPage>());
    return pages;
  }
  std::unique_ptr<ReportPrinter> OpenPrinter() override {
    return std::make_unique<FilePrinter>(printed, printFile);
  }
  bool ChoosePreferences(RoutineAnswers& answers) override { return preferences(answers); }
  bool ChooseVariants(VariantsChoice& choice) override { return variants(choice); }
  bool ChooseStabilityOptions(StabilityOptions& options) override {
    return stabilityOptions(options);
  }
  bool ShowBucklingModes(const CriticalLoads& loads, const StabilityOptions&) override {
    if (!drawsModes) return false;
    for (const BucklingMode& mode : loads.Modes) drawnFactors.push_back(mode.LoadFactor);
    return true;
  }
  bool ChoosePrintOptions(PrintOptions& options) override {
    printOptions(options);
    return true;
  }
  void ShowPrintPreview(const PrintOptions&, const std::vector<const PagePicture*>&,
                        const PrintedInfluence*) override {}
};

}  // namespace stavelorn
