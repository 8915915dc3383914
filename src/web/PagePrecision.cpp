#include "web/PagePrecision.h"

#include "app/MenuState.h"
#include "app/PrecisionOptions.h"
#include "reports/JsonText.h"
#include "web/PageJson.h"

namespace stavelorn {

PagePrecision::PagePrecision(PageSession& page) : page_(page) {}

std::string PagePrecision::Form() const {
  return "{\"command\": " + CaptionJson(MenuItemOf(MenuItem::MnuProjPrecision).Caption) +
         ", \"title\": " + JsonString(kPrecisionTitle) + ", \"options\": " +
         JsonArray(PrecisionOptions(),
                   [](const PrecisionOption& option) {
                     return "{\"setting\": " + JsonString(PrecisionName(option.Precision)) +
                            ", \"label\": " + CaptionJson(option.Caption) +
                            ", \"explanation\": " + JsonString(option.Explanation) + "}";
                   }) +
         ", \"chosen\": " + JsonString(choice_.Setting()) +
         ", \"double\": " + JsonBool(choice_.Chosen() == AnalysisPrecision::Double) + "}";
}

std::string PagePrecision::Restore(const std::string& setting) {
  choice_.Restore(setting);
  return Form();
}

std::string PagePrecision::Choose(const std::string& setting) {
  if (std::optional<AnalysisPrecision> chosen = PrecisionNamed(setting)) choice_.Choose(*chosen);
  return Form();
}

std::string PagePrecision::Offer() const {
  const ProjectSession& session = page_.session_;
  if (!session.ResultsShown() || session.DoublePrecisionOffered()) return "null";
  const int unknowns = session.Results().DofCount;
  if (!choice_.ShouldOffer(unknowns)) return "null";
  return "{\"title\": " + JsonString(kPrecisionTitle) +
         ", \"text\": " + JsonString(DoublePrecisionOfferText(unknowns, page_.analysisSeconds_)) +
         "}";
}

std::string PagePrecision::AnswerOffer(bool yes) {
  page_.session_.DoublePrecisionWasOffered();
  if (yes) choice_.Choose(AnalysisPrecision::Double);
  return Form();
}

}  // namespace stavelorn
