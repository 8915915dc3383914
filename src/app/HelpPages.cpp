#include "app/HelpPages.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "model/Version.h"

namespace stavelorn {

namespace {

const std::vector<WindowHelpRow> kWindowPages = {
    {"mcas", "main-window"},
    {"DrawingBar", "draw-structure"},
    {"ProjName", "project-title"},
    {"Units", "units"},
    {"Precision", "precision"},
    {"Preferences", "preferences"},
    {"PrintOptions", "printing"},
    {"PrintPreview", "printing"},
    {"JointA", "joints"},
    {"JointB", "joints"},
    {"MatA", "materials"},
    {"MatB", "materials"},
    {"CrossA", "cross-sections"},
    {"CrossB", "cross-sections"},
    {"MemberA", "members"},
    {"MemberB", "members"},
    {"JLoadA", "joint-loads"},
    {"JLoadB", "joint-loads"},
    {"MemLoadA", "member-loads"},
    {"MemLoadB", "member-loads"},
    {"JSettleA", "support-displacements"},
    {"JSettleB", "support-displacements"},
    {"MemTempA", "temperature-changes"},
    {"MemTempB", "temperature-changes"},
    {"MemErrA", "fabrication-errors"},
    {"MemErrB", "fabrication-errors"},
    {"Disp", "joint-displacements"},
    {"MbForce", "member-forces"},
    {"Reac", "reactions"},
    {"MemberDiagrams", "member-diagrams"},
    {"LoadCases", "load-cases"},
    {"LoadCombinations", "load-combinations"},
    {"MethodSteps", "step-by-step"},
    {"InfluenceLines", "influence-lines"},
    {"StabilityOptions", "stability-options"},
    {"BucklingModes", "critical-load"},
    {"SecondOrder", "second-order"},
    {"CheckWork", "check-my-work"},
    {"MakeVariants", "make-variants"},
    {"Help", "help"},
    {"GettingStarted", "getting-started"},
};

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

bool IsWebLink(const std::string& target) {
  return target.rfind("http://", 0) == 0 || target.rfind("https://", 0) == 0 ||
         target.rfind("mailto:", 0) == 0;
}

// The targets of "[text](target)" links, with whether each is a picture ("![text](target)").
std::vector<std::pair<std::string, bool>> Links(const std::string& markdown) {
  std::vector<std::pair<std::string, bool>> links;
  for (std::size_t close = markdown.find("]("); close != std::string::npos;
       close = markdown.find("](", close + 2)) {
    const std::size_t end = markdown.find(')', close + 2);
    if (end == std::string::npos) break;
    const std::size_t open = markdown.rfind('[', close);
    const bool picture = open != std::string::npos && open > 0 && markdown[open - 1] == '!';
    links.emplace_back(markdown.substr(close + 2, end - close - 2), picture);
  }
  return links;
}

}  // namespace

std::string HelpPageTitle(const std::string& markdown) {
  const std::string first = markdown.substr(0, markdown.find('\n'));
  if (first.rfind("# ", 0) != 0) return "";
  std::string title = first.substr(2);
  while (!title.empty() && std::isspace(static_cast<unsigned char>(title.back()))) title.pop_back();
  return title;
}

std::vector<std::string> HelpPictureTargets(const std::string& markdown) {
  std::vector<std::string> targets;
  for (const auto& [target, picture] : Links(markdown))
    if (picture) targets.push_back(target);
  return targets;
}

std::vector<HelpPage> ReadHelpPages(const std::string& folder, std::vector<std::string>& problems) {
  namespace fs = std::filesystem;
  std::vector<HelpPage> pages;
  std::error_code error;
  fs::directory_iterator entries(folder, error);
  if (error) {
    problems.push_back(folder + ": the help pages cannot be read (" + error.message() + ")");
    return pages;
  }
  for (const fs::directory_entry& entry : entries) {
    if (entry.path().extension() != ".md") continue;
    std::ifstream in(entry.path(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    HelpPage page{entry.path().stem().string(), HelpPageTitle(text.str()), text.str()};
    if (page.Title.empty())
      problems.push_back(entry.path().filename().string() +
                         ": the first line is not a \"# Title\" heading");
    else
      pages.push_back(std::move(page));
  }
  std::sort(pages.begin(), pages.end(), [](const HelpPage& a, const HelpPage& b) {
    if ((a.Id == "index") != (b.Id == "index")) return a.Id == "index";
    return Lower(a.Title) < Lower(b.Title);
  });
  return pages;
}

std::vector<std::string> BrokenHelpLinks(const std::vector<HelpPage>& pages,
                                         const std::vector<std::string>& pictures) {
  std::vector<std::string> broken;
  auto isPage = [&pages](const std::string& id) {
    return std::any_of(pages.begin(), pages.end(), [&id](const HelpPage& p) { return p.Id == id; });
  };
  for (const HelpPage& page : pages) {
    for (const auto& [target, picture] : Links(page.Text)) {
      if (IsWebLink(target) || target.empty() || target[0] == '#') continue;
      const std::string file = target.substr(0, target.find('#'));
      if (picture) {
        if (std::find(pictures.begin(), pictures.end(), file) == pictures.end())
          broken.push_back(page.Id + ".md: no picture \"" + file + "\"");
      } else if (file.size() < 4 || file.compare(file.size() - 3, 3, ".md") != 0 ||
                 !isPage(file.substr(0, file.size() - 3))) {
        broken.push_back(page.Id + ".md: no page \"" + file + "\"");
      }
    }
  }
  return broken;
}

std::vector<std::string> SearchHelpPages(const std::vector<HelpPage>& pages,
                                         const std::string& query) {
  std::vector<std::string> words;
  std::istringstream in(Lower(query));
  for (std::string word; in >> word;) words.push_back(word);
  std::vector<std::string> found;
  for (const HelpPage& page : pages) {
    const std::string text = Lower(page.Title + "\n" + page.Text);
    if (std::all_of(words.begin(), words.end(),
                    [&text](const std::string& w) { return text.find(w) != std::string::npos; }))
      found.push_back(page.Id);
  }
  return found;
}

std::string HelpPageOfWindow(const std::string& windowName) {
  for (const WindowHelpRow& row : kWindowPages)
    if (windowName == row.Window) return row.Page;
  return "main-window";
}

const std::vector<WindowHelpRow>& WindowHelpTable() {
  return kWindowPages;
}

std::string AboutText(const std::string& examplesFolder, const std::string& helpFolder) {
  auto place = [](const std::string& folder) { return folder.empty() ? "not found" : folder; };
  return std::string(kProgramName) + " " + ProgramVersion() +
         "\n\nTeaches the matrix stiffness method: describe a beam, truss, frame or grid, analyse "
         "it, and follow the method step by step.\n\nExamples: " +
         place(examplesFolder) + "\nHelp pages: " + place(helpFolder);
}

}  // namespace stavelorn
