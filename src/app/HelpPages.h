// The help pages: Markdown files in one folder, one page a file, whose first line is "# Title"
// and whose id is the file name without ".md". Which page each window and dialog opens with F1,
// the contents list, the search over the pages and the About text are decided here; the help
// window only shows them.
#pragma once

#include <string>
#include <vector>

namespace stavelorn {

struct HelpPage {
  std::string Id;     // "joints", from joints.md
  std::string Title;  // from the first line, "# Joints"
  std::string Text;   // the whole Markdown text
};

// The title of a page's text: its first line without the leading "# ", or "" when the first
// line is not a level-one heading.
std::string HelpPageTitle(const std::string& markdown);

// The pictures a page shows: the targets of its "![...](...)" links, as written between the
// parentheses ("pictures/signs-PFrame-axes.svg").
std::vector<std::string> HelpPictureTargets(const std::string& markdown);

// Every page of `folder`, "Contents" (index.md) first and the rest by title. A file without a
// title line is left out and named in `problems` ("notes.md: the first line is not a
// \"# Title\" heading"). An unreadable or missing folder gives no pages and one problem.
std::vector<HelpPage> ReadHelpPages(const std::string& folder, std::vector<std::string>& problems);

// Each link of every page that leads nowhere: "joints.md: no page \"members2.md\"". Links to a
// page must name a page of `pages`; pictures must be in `pictures` (the names under the help
// folder, "pictures/signs-Beam-axes.svg"); web links and links inside the page are left alone.
std::vector<std::string> BrokenHelpLinks(const std::vector<HelpPage>& pages,
                                         const std::vector<std::string>& pictures);

// The ids of the pages whose title or text holds every word of `query` (case ignored), in the
// order of `pages`; every page for an empty query.
std::vector<std::string> SearchHelpPages(const std::vector<HelpPage>& pages,
                                         const std::string& query);

// The page a window or dialog opens with F1, by the window's name ("JointA", "Units"); the main
// window's page for a name the table does not hold (a message box, a file dialog).
std::string HelpPageOfWindow(const std::string& windowName);

struct WindowHelpRow {
  const char* Window;  // the window's object name
  const char* Page;    // the id of its help page
};
// Every window and dialog with its page.
const std::vector<WindowHelpRow>& WindowHelpTable();

// What About says: the program and its version, what it is for, and where its examples and
// its help pages are ("not found" for a folder that is missing).
std::string AboutText(const std::string& examplesFolder, const std::string& helpFolder);

}  // namespace stavelorn
