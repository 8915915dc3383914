#include "app/HelpBuild.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "analysis/AnalysisRun.h"
#include "app/MenuState.h"
#include "app/MethodSteps.h"
#include "app/ResultTables.h"
#include "graphics/StructurePicture.h"
#include "ui/ConsoleMessages.h"

namespace stavelorn {

namespace {

const char kFramePicture[] = "pictures/portal-frame.svg";

std::string Escaped(const std::string& cell) {
  std::string text;
  for (char c : cell) text += c == '|' ? std::string("\\|") : std::string(1, c);
  return text;
}

std::string MarkdownTable(const std::vector<std::vector<std::string>>& cells) {
  std::string text;
  for (std::size_t r = 0; r < cells.size(); ++r) {
    text += "|";
    for (const std::string& cell : cells[r]) text += " " + Escaped(cell) + " |";
    text += "\n";
    if (r == 0) {
      text += "|";
      for (std::size_t c = 0; c < cells[r].size(); ++c) text += c ? " ---: |" : " --- |";
      text += "\n";
    }
  }
  return text + "\n";
}

std::string StepTableMarkdown(const StepTable& table) {
  std::vector<std::vector<std::string>> cells{{""}};
  for (const std::string& label : table.ColumnLabels) cells[0].push_back(label);
  for (int r = 0; r < table.Rows(); ++r) {
    cells.push_back({table.RowLabels[static_cast<std::size_t>(r)]});
    for (int c = 0; c < table.Cols(); ++c) {
      const std::string text = CellText(table, r, c);
      cells.back().push_back(text.empty() ? "0" : text);
    }
  }
  return "**" + table.Title + "**\n\n" + MarkdownTable(cells);
}

// The worked example analysed once, with the method steps of its trail.
class ExampleRun {
 public:
  explicit ExampleRun(const ModelStore& model) : model_(model), run_(CheckAndAnalyze(model)) {
    if (run_.Results.Complete() && run_.Trail) steps_.emplace(model_, run_.Results, *run_.Trail);
  }
  ExampleRun(const ExampleRun&) = delete;
  ExampleRun& operator=(const ExampleRun&) = delete;

  const ModelStore& Model() const { return model_; }
  const StructureResults& Results() const { return run_.Results; }
  const MethodSteps* Steps() const { return steps_ ? &*steps_ : nullptr; }

 private:
  const ModelStore& model_;
  AnalysisRun run_;
  std::optional<MethodSteps> steps_;
};

std::string MemberPart(const MethodSteps& steps, int index, bool forces) {
  std::string text;
  if (!forces) {
    text += "*" + steps.MemberCaption(index) + "*\n\n";
    for (const std::string& fact : steps.MemberFacts(index)) text += "- " + fact + "\n";
    for (const std::string& source : steps.FixedEndSources(index)) text += "- " + source + "\n";
    text += "\n";
  }
  const std::vector<StepTable> tables = steps.MemberTables(index);
  // [k], [T], [K], {Qf}, {Ff} come before the solution; {v}, {u}, {Q}, {F} after it.
  for (std::size_t t = forces ? 5 : 0; t < (forces ? tables.size() : 5); ++t)
    text += StepTableMarkdown(tables[t]);
  return text;
}

std::string MenuKeysTable() {
  std::vector<std::vector<std::string>> cells{{"Menu item", "Keys"}};
  for (const MenuItemInfo& info : MenuItems()) {
    if (!*info.Shortcuts) continue;
    std::string where = MenuItemName(info.Item);
    if (info.Parent != MenuItem::Count) where = MenuItemName(info.Parent) + " \u2192 " + where;
    std::string keys = info.Shortcuts;
    for (std::size_t at = keys.find("; "); at != std::string::npos; at = keys.find("; ", at))
      keys.replace(at, 2, " or ");
    cells.push_back({where, keys});
  }
  return MarkdownTable(cells);
}

std::optional<std::string> MemberPlaceholder(const MethodSteps& steps, const std::string& name,
                                             const std::string& argument) {
  int member = 0;
  std::istringstream in(argument);
  if (!(in >> member) || member < 1 || member > steps.MemberCount()) return std::nullopt;
  return MemberPart(steps, member - 1, name == "member-forces");
}

// The text of placeholder `name` with its `argument` ("" when it has none), or nullopt for a
// name it does not know, a type or a member the argument does not name.
std::optional<std::string> Placeholder(const std::string& name, const std::string& argument,
                                       const ExampleRun& example) {
  if (name == "menu-keys" && argument.empty()) return MenuKeysTable();
  if (name == "signs") {
    const StructTypeInfo* type = FindStructType(argument);
    if (!type) return std::nullopt;
    return SignConventionSection(*type);
  }
  if (name == "support-signs" && (argument == "reactions" || argument == "settlements"))
    return SupportSignsSection(argument == "settlements");
  const MethodSteps* steps = example.Steps();
  if (!steps) return std::nullopt;
  if (name == "member" || name == "member-forces") return MemberPlaceholder(*steps, name, argument);
  if (!argument.empty()) return std::nullopt;
  if (name == "numbering")
    return StepTableMarkdown(steps->Numbering()) + steps->NumberingNote() + "\n\n";
  if (name == "stiffness")
    return StepTableMarkdown(steps->Stiffness(-1)) + steps->StiffnessNote() + "\n\n";
  if (name == "loads") return StepTableMarkdown(steps->Loads(-1));
  if (name == "reactions")
    return MarkdownTable(BuildResultTable(example.Model(), example.Results(), FormId::Reac).Cells);
  if (name == "checks") {
    std::string text;
    for (const EquilibriumLine& line : steps->Equilibrium()) {
      if (line.Text.empty()) continue;  // the trail's blank line between its two parts
      text += line.Scale == 0 ? "\n**" + line.Text + "**\n\n" : "- " + line.Text + "\n";
    }
    return text + "\n";
  }
  return std::nullopt;
}

bool WriteText(const std::filesystem::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
  return static_cast<bool>(out.flush());
}

}  // namespace

std::string FillHelpPage(const HelpPage& page, const HelpSources& sources,
                         std::vector<std::string>& problems) {
  const ExampleRun example(sources.WorkedExample);
  std::istringstream in(page.Text);
  std::string text;
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    const bool placeholder =
        line.size() > 4 && line.rfind("{{", 0) == 0 && line.compare(line.size() - 2, 2, "}}") == 0;
    if (!placeholder) {
      text += line + "\n";
      continue;
    }
    const std::string inside = line.substr(2, line.size() - 4);
    const std::size_t space = inside.find(' ');
    const std::string name = inside.substr(0, space);
    const std::string argument = space == std::string::npos ? "" : inside.substr(space + 1);
    if (std::optional<std::string> filled = Placeholder(name, argument, example)) {
      text += *filled;
    } else {
      problems.push_back(page.Id + ".md line " + std::to_string(number) + ": no placeholder \"" +
                         line + "\"");
      text += line + "\n";
    }
  }
  return text;
}

std::vector<HelpPicture> HelpPictures(const HelpSources& sources, Messages& messages) {
  std::vector<HelpPicture> pictures;
  for (const StructTypeInfo& type : AllStructTypes())
    for (HelpPicture& picture : SignConventionPictures(type, messages))
      pictures.push_back(std::move(picture));
  pictures.push_back({kFramePicture, StructurePictureSvg(sources.WorkedExample, StructureResults{},
                                                         PictureContent{}, messages)});
  return pictures;
}

std::vector<std::string> WriteHelpFolder(const std::string& sourceFolder,
                                         const HelpSources& sources, const std::string& outFolder) {
  namespace fs = std::filesystem;
  std::vector<std::string> problems;
  const std::vector<HelpPage> written = ReadHelpPages(sourceFolder, problems);
  std::ostringstream drawingErrors;
  ConsoleMessages messages(drawingErrors);
  const std::vector<HelpPicture> pictures = HelpPictures(sources, messages);
  if (!drawingErrors.str().empty()) problems.push_back("pictures: " + drawingErrors.str());
  std::vector<HelpPage> filled;
  for (const HelpPage& page : written)
    filled.push_back({page.Id, page.Title, FillHelpPage(page, sources, problems)});
  std::vector<std::string> pictureNames;
  for (const HelpPicture& picture : pictures) pictureNames.push_back(picture.Name);
  for (std::string& broken : BrokenHelpLinks(filled, pictureNames))
    problems.push_back(std::move(broken));
  std::error_code error;
  fs::create_directories(fs::path(outFolder) / "pictures", error);
  for (const HelpPage& page : filled)
    if (!WriteText(fs::path(outFolder) / (page.Id + ".md"), page.Text))
      problems.push_back(outFolder + "/" + page.Id + ".md: cannot be written");
  for (const HelpPicture& picture : pictures)
    if (!WriteText(fs::path(outFolder) / picture.Name, picture.Svg))
      problems.push_back(outFolder + "/" + picture.Name + ": cannot be written");
  return problems;
}

}  // namespace stavelorn
