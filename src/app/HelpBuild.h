// The help folder as the program shows it and the package installs it, made at build time from
// the pages written in docs/help: a line of a page that is exactly "{{name}}" or "{{name N}}" is
// replaced by what the program itself says there, so the numbers, keys, sentences and pictures
// of the pages are always those of this build.
//
//   {{numbering}}                the example portal frame's numbering of the coordinates
//   {{member N}}                 member N's facts, [k], [T], [K], {Qf} and {Ff}
//   {{stiffness}}, {{loads}}     the assembled [S]; the joint loads, {P} and {d}
//   {{member-forces N}}          member N's {v}, {u}, {Q} and {F}
//   {{reactions}}, {{checks}}    the support reactions; the equilibrium checks
//   {{menu-keys}}                every menu item that has a key, with its keys
//   {{signs CODE}}               the sign conventions of the type CODE, with its pictures
//   {{support-signs reactions}}  every type's positive reactions in pictures (or settlements)
#pragma once

#include <string>
#include <vector>

#include "app/HelpPages.h"
#include "app/SignConventions.h"
#include "model/ModelStore.h"

namespace stavelorn {

// What the placeholders are filled from: the worked example's model (the portal frame), which
// HelpBuild analyses itself.
struct HelpSources {
  ModelStore WorkedExample;
};

// `page` with every placeholder line replaced; a line naming no placeholder it knows, or a
// member the example lacks, is left in place and named in `problems`
// ("worked-example.md line 12: no placeholder \"{{membr 1}}\"").
std::string FillHelpPage(const HelpPage& page, const HelpSources& sources,
                         std::vector<std::string>& problems);

// Every picture the filled pages may name: the sign conventions of the six types and the
// worked example's frame ("pictures/portal-frame.svg").
std::vector<HelpPicture> HelpPictures(const HelpSources& sources, Messages& messages);

// Writes the filled pages of `sourceFolder` and every picture into `outFolder` (made when
// missing). Returns the problems: unreadable pages, unknown placeholders, broken links, files
// that could not be written; nothing when the folder is complete.
std::vector<std::string> WriteHelpFolder(const std::string& sourceFolder,
                                         const HelpSources& sources, const std::string& outFolder);

}  // namespace stavelorn
