// The arithmetic the Analyze command solves in, as the user chose it under Project > Precision…
// and the program keeps it in its settings, and the rule for offering double precision when
// single precision is slow for a large model.
#pragma once

#include <string>

#include "analysis/AnalysisPrecision.h"

namespace stavelorn {

class PrecisionChoice {
 public:
  // Above this many unknowns (free coordinates) the single-precision run and the
  // double-precision run that checks it take long enough to be worth offering double alone.
  static constexpr int kOfferAbove = 300;

  AnalysisPrecision Chosen() const { return chosen_; }
  void Choose(AnalysisPrecision precision) { chosen_ = precision; }

  // The choice as the settings keep it ("single", "double"); Restore takes such a text back, and
  // anything else (a setting never written, or written by hand) as single precision, the method
  // as taught.
  std::string Setting() const { return PrecisionName(chosen_); }
  void Restore(const std::string& setting);

  // Whether a complete analysis of `unknowns` free coordinates in the precision chosen is
  // worth the offer of double precision: single precision and more than kOfferAbove unknowns.
  // The commands make the offer once per project.
  bool ShouldOffer(int unknowns) const;

 private:
  AnalysisPrecision chosen_ = AnalysisPrecision::Single;
};

// The offer's question, naming the unknowns and the time the single-precision analysis took.
std::string DoublePrecisionOfferText(int unknowns, double seconds);

// "1.2 s", "0.35 s", "14 s": a time as a person reads it, two significant digits below 10 s.
std::string SecondsText(double seconds);

// Under kPrecisionTitle.
inline constexpr char kPrecisionTitle[] = "Precision";

}  // namespace stavelorn
