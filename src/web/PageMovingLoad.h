// A moving load in the browser page: a train of loads, a lane load and a direction, as the
// desktop's Moving Load panel takes them, travelling over the influence line of an internal force
// at a section of a member; the page shows the train at its worst place over the line with the
// greatest and least effect, and the envelope along the member with the places that give it.
// Every caption, preset, refusal and number comes from the desktop's code, answered as JSON.
#pragma once

#include <string>
#include <vector>

#include "web/PageSession.h"

namespace stavelorn {

class PageMovingLoad {
 public:
  // `page` outlives this object.
  explicit PageMovingLoad(PageSession& page);

  // The panel for member `member` after a complete analysis: {"title", "member", "train",
  // "trains": [the student's own, then each preset], "columns", "rows": how many the table has,
  // "lane", "direction", "directions", "quantity", "quantities": [{"name", "caption"}], "section",
  // "x": the section the panel starts at, "envelope": the envelope's caption}; "" before one or
  // for no such member.
  std::string Form(int member) const;

  // The train `index` of "trains" offers (from 1; 0 is the student's own, which changes
  // nothing), in the project's units: {"rows": [[load, offset], ...], "lane"}; "" for no such
  // train.
  std::string Preset(int index) const;

  // The train of the table's `cells` (load, offset, load, offset, ...), the lane load `lane` and
  // the direction `direction` (of "directions") over the influence line of `quantity` at the
  // section `x` of `member`: {"problem": why not or "", "name": the line's quantity, "lines": the
  // train and its greatest and least effect, "svg": the line with the train at its larger
  // extreme}.
  std::string Place(int member, const std::string& quantity, const std::string& x,
                    const std::vector<std::string>& cells, const std::string& lane,
                    int direction) const;

  // The same train's envelope of `quantity` along `member`: {"problem", "title", "table": the
  // stations with the greatest and least value and where the first load stands for each,
  // "svg": both curves over the member}.
  std::string Envelope(int member, const std::string& quantity,
                       const std::vector<std::string>& cells, const std::string& lane,
                       int direction) const;

 private:
  PageSession& page_;
};

}  // namespace stavelorn
