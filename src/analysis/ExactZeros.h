// Results that are zero in exact arithmetic are shown as 0, not as the round-off a
// single-precision solution leaves in their place: a zero-force bar of a truss must read 0, not
// 1.8E-06 (T). The double-precision run of the accuracy guard tells which results are zero.
#pragma once

#include "analysis/Engine.h"
#include "analysis/StructureResults.h"
#include "model/ModelStore.h"

namespace stavelorn {

// A result is taken as zero when its double-precision value is at most this fraction of the
// largest double-precision magnitude of its group over the whole structure.
//
// Why 1e-9: the single-precision results carry errors of at least the float resolution
// (6e-8) of the largest value of their group, and the accuracy guard lets them differ from the
// double-precision ones by up to 1e-4 of it. A value below 1e-9 of the largest therefore lies far
// under what the single-precision result can resolve: what it shows there is noise, and 0 loses
// nothing. The double-precision round-off of a true zero is about 1e-16 of the largest value
// times the condition number of the stiffness matrix, so it stays below 1e-9 for condition
// numbers up to 1e7, well beyond the structures whose single-precision solution the guard
// accepts.
inline constexpr double kExactZeroFraction = 1e-9;

// Sets to 0 every stored result of a complete analysis of `model` (JointDisplacements,
// MemberEndForces and SupportReactions, single-precision or the guard's double-precision ones)
// whose value in `precise` is at most kExactZeroFraction of the largest magnitude in `precise`
// of its group: translations, rotations, end forces, end moments, reaction forces, reaction
// moments. The groups span the whole structure, never one member, whose largest value may be its
// own noise. Every other value keeps its bits. Does nothing unless both analyses are complete
// and numbered alike.
void StoreExactZeros(const ModelStore& model, const AnalysisResults<double>& precise,
                     StructureResults& stored);

}  // namespace stavelorn
