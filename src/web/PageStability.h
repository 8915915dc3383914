// The Stability menu of the browser page: Critical Load…, Second-Order Analysis and Options… over
// the results the page's session shows, as the desktop's commands run them, answered as JSON: the
// options form with its fields, limits and refusals, the buckling modes' load factors and each
// mode drawn, the second-order tables of both runs with their amplification and both runs drawn
// side by side. The options are the session's, kept while the project is open.
#pragma once

#include <string>
#include <vector>

#include "analysis/CriticalLoad.h"
#include "app/StabilityOptions.h"
#include "model/ModelStore.h"
#include "web/PageSession.h"

namespace stavelorn {

class PageStability {
 public:
  // `page` outlives this object.
  explicit PageStability(PageSession& page);

  // {"offered": whether the menu shows now, "menu", "criticalLoad", "secondOrder", "options":
  // the desktop's captions, their access marks taken out}.
  std::string Menu() const;

  // The options dialog as the session's options fill it: {"title", "note", "fields": [{"label",
  // "text", "low", "high"}, ...]}.
  std::string OptionsForm() const;

  // OK on the dialog with `texts` typed in its fields: {"messages": [...], "field": the index of
  // the field refused or -1}; the options are taken only when no field is refused.
  std::string ChooseOptions(const std::vector<std::string>& texts);

  // Critical Load…: {"title", "messages": [...], "pieces", "note", "modes": [captions], "table":
  // the load factors as a results grid, "svg": the first mode drawn}; with no mode found, only
  // "messages" with the message the desktop gives. "" while the menu is not offered.
  std::string CriticalLoad();
  // Mode `mode` (from 1) of the last Critical Load drawn, as SVG; "" for a mode not found.
  std::string BucklingModePicture(int mode) const;

  // Second-Order Analysis: {"title", "messages": [...], "how", "drawings": [captions], "tables":
  // [{"name", "table"}, ...], "first", "second": both runs drawn as "drawings"[0] says}; a run that
  // does not settle gives only its stop message. "" while the menu is not offered.
  std::string SecondOrder();
  // Both runs of the last second-order analysis drawn as "drawings"[`choice`] says:
  // {"first", "second"}; "" for a choice not offered or before a run.
  std::string SecondOrderPictures(int choice) const;

 private:
  bool Offered() const;

  PageSession& page_;
  // The last Critical Load: the modes found, and the data and options they were found for, which
  // draw them whatever the page does meanwhile.
  CriticalLoads loads_;
  ModelStore model_;
  StabilityOptions options_;
};

}  // namespace stavelorn
