// Influence lines in the browser page: the desktop's InfluenceChoice behind the page's controls.
// The page sends the kind, number, component and section chosen, Pick Path and Default Path, and
// clicks on the drawing's joints and members; every answer is the window's whole state as JSON:
// the controls as the core fills them, the line drawn under the structure (SVG, as the desktop's
// window draws it, extremes labelled), the principle that explains it and the table of stations.
#pragma once

#include <string>

#include "app/InfluenceChoice.h"
#include "web/PageSession.h"

namespace stavelorn {

class PageInfluence {
 public:
  // Studies the project open in `page`, which must outlive this.
  explicit PageInfluence(PageSession& page);

  // The command as the Diagrams menu names it: {"caption", "key"}.
  static std::string Command();

  // The first reaction of the first support on the default path, after a complete analysis;
  // the state below, or "" before one.
  std::string Open();

  // {"title", "labels": {"quantity", "section", "path", "pickPath", "defaultPath"} each
  // {"caption", "key"}, "kinds": [captions], "kind": index, "itemLabel", "items": how many,
  // "item", "components": [names], "component": index, "sectionShown": whether x applies,
  // "section", "path": the path in words, "pickingPath", "problem": why no line could be drawn or
  // "", "principle", "svg": the structure with the line under it, "table": the stations with the
  // largest and smallest ordinates (as the results tables are written)}; "" before Open.
  std::string State() const;

  // Kind `kind` (an index of "kinds") from the list.
  std::string ChooseKind(int kind);
  // The number, the component (an index of "components") and the section's text.
  std::string ChooseControls(int item, int component, const std::string& section);
  // Pick Path pressed (`on`) or released: a click on a member then adds it to the path's end or
  // takes it off.
  std::string PickPath(bool on);
  std::string DefaultPath();
  // A click on joint `joint`, or on member `member` `fraction` of the way from its beginning.
  std::string ClickJoint(int joint);
  std::string ClickMember(int member, double fraction);

 private:
  // Whether the window is open on results still shown: an edit or another analysis closes it.
  bool Showing() const { return open_ && page_.session_.ResultsShown(); }
  // The line of the choice, kept for the printed report as the desktop keeps the last one shown.
  void Recompute();

  PageSession& page_;
  bool open_ = false;
  InfluenceChoice choice_;
  InfluenceLine line_;
  bool hasLine_ = false;
  std::string problem_;
};

}  // namespace stavelorn
