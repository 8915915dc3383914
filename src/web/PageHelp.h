// The help pages in the page: the same pages the desktop's help window shows, in the module's
// memory file system, listed and searched by the code the help window runs.
#pragma once

#include <string>

namespace stavelorn {

// The Help menu of the page: {"items": [{"caption", "page"}, ...]}: the contents, the desktop's
// Help menu items that open a page (Getting Started opens its page, the tour being the
// desktop's), and the page on what differs in the browser edition.
std::string HelpMenuJson();

// The pages of `folder` as the help window lists them: [{"id", "title"}, ...], the contents
// first, then by title; a file without a title line is left out, as there.
std::string HelpContentsJson(const std::string& folder);

// The ids of the pages of `folder` that hold every word of `query`, as the Find box finds them.
std::string HelpSearchJson(const std::string& folder, const std::string& query);

}  // namespace stavelorn
