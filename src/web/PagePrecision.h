// Project > Precision… in the browser page: the desktop's PrecisionChoice, kept by the page in
// the browser's storage as the desktop keeps it in its settings, and the offer of double
// precision after a slow single-precision analysis of a large structure, once per project.
#pragma once

#include <string>

#include "app/PrecisionChoice.h"
#include "web/PageSession.h"

namespace stavelorn {

class PagePrecision {
 public:
  // Offers the double precision for the project open in `page`, which must outlive this.
  explicit PagePrecision(PageSession& page);

  // {"command": {"caption", "key"} as the Project menu names it, "title", "options":
  // [{"setting", "label": {"caption", "key"}, "explanation"}], "chosen": the setting to keep,
  // "double": whether Analyze solves in double precision alone}.
  std::string Form() const;
  // The setting the browser kept, read as the desktop reads its settings (anything else is single
  // precision): the form.
  std::string Restore(const std::string& setting);
  // The option `setting` chosen with OK (an unknown one changes nothing): the form.
  std::string Choose(const std::string& setting);

  // After an analysis: {"title", "text"}, the question whether to solve in double precision
  // from now on, when the analysis shown earns it and this project has not had it; else null.
  std::string Offer() const;
  // The offer answered Yes (double precision from now on) or No; either way it is not made again
  // for this project. A question dismissed unanswered is not answered: it comes again. The form.
  std::string AnswerOffer(bool yes);

 private:
  PageSession& page_;
  PrecisionChoice choice_;
};

}  // namespace stavelorn
