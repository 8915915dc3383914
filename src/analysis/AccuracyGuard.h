// Guards against presenting single-precision round-off as a result. The analysis is run in
// single precision, as the method is taught, and again in double precision; where the two
// disagree the single-precision numbers are not to be trusted and the double-precision ones are
// shown instead, with a note that says so.
#pragma once

#include <string>

#include "analysis/Engine.h"
#include "model/ModelStore.h"

namespace stavelorn {

// Largest disagreement the single-precision displacements may have with the double-precision
// ones, as a fraction of the largest displacement of the same kind.
inline constexpr double kAccuracyThreshold = 1e-4;

inline constexpr char kAnalysisAccuracyTitle[] = "Analysis Accuracy";

// The largest difference between the two solutions' displacements over the largest displacement
// magnitude of the same kind (translations with translations, rotations with rotations), the
// worse of the two kinds. A kind whose largest magnitude is 0 agrees only if every difference is
// 0 (else the result is infinite). Both solutions must be complete and numbered alike.
double DisplacementDisagreement(const ModelStore& model, const AnalysisResults<float>& single,
                                const AnalysisResults<double>& precise);

// The note shown when the double-precision results replaced complete single-precision ones: how
// far apart they were (`disagreement` as above).
std::string AccuracyNoteText(double disagreement);

}  // namespace stavelorn
