// The help pages in the page: the same pages the desktop's help window shows, in the module's
// memory file system, listed and searched by the code the help window runs.
#pragma once

#include <string>

namespace stavelorn {

// The Help menu of the page: {"items": [{"caption", "page"}, ...], "window": {"caption", "key"},
// "about": caption}: the contents, the desktop's Help menu items that open a page (Getting
// Started opens its page, the tour being the desktop's), the page on what differs in the browser
// edition; then Help on This Window with its key, and About.
std::string HelpMenuJson();

// The page Help on This Window opens while the page shows `view`: "Disp", "MbForce" or "Reac"
// (a results table), "diagrams", "member" (a member's own window), "steps", "report", "help"
// (the help panel), as the desktop window showing the same opens it; the main window's page for
// "" (the drawing alone) and any other view.
std::string HelpPageOfView(const std::string& view);

// About, as the desktop says it, for a site whose examples and help pages are at the addresses
// given: {"title": ..., "text": ...}.
std::string AboutJson(const std::string& examplesAddress, const std::string& helpAddress);

// The pages of `folder` as the help window lists them: [{"id", "title"}, ...], the contents
// first, then by title; a file without a title line is left out, as there.
std::string HelpContentsJson(const std::string& folder);

// The ids of the pages of `folder` that hold every word of `query`, as the Find box finds them.
std::string HelpSearchJson(const std::string& folder, const std::string& query);

}  // namespace stavelorn
