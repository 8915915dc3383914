// The results of an analysis as one JSON object, for scripts and for checking the program's
// numbers elsewhere. Values are the ones the results report prints (a restrained coordinate
// shows its settlement or 0, a free coordinate of a support a reaction of 0), each written in
// the shortest form that reads back to the same single-precision number.
#pragma once

#include <string>

#include "analysis/CriticalLoad.h"
#include "analysis/InfluenceLine.h"
#include "analysis/MethodTrail.h"
#include "analysis/SecondOrder.h"
#include "model/ModelStore.h"

namespace stavelorn {

// {"status": 1, "structType": ..., "dofCount": ..., "precision": "single" or "double",
//  "jointDisplacements": [...], "memberEndForces": [...], "supportReactions": [...]} after a
// completed analysis ("double" when the accuracy guard stored the double-precision results, then
// with the guard's note as "accuracyNote" after "precision" when `accuracyNote` is not empty,
// then the results' plausibility notes as "plausibilityNotes", an array of strings, when there
// are any);
// the status and the type code after any other outcome, with a "mechanism" object when the
// results hold the mechanism mode of a failed analysis: "mode", every joint with one value per
// joint coordinate (0 at restrained ones), and "moving", the coordinates that move most, e.g.
// "Joint 4 X Translation". Ends with a line feed. With a `trail` of the completed analysis, a
// "trail" member follows (TrailJson); with `withDiagrams`, "diagrams" (see DiagramsJson); with a
// non-empty `influence` (InfluenceJson), "influence"; then `loadCases` as it stands
// (LoadCaseJson.h: "" for a project of one unnamed case). A project with named
// units has "units": {"force": "kN", "length": "m", "temperature": "C"} after the type code,
// the names as the project file writes them; one without has no "units".
std::string ResultsJson(const ModelStore& model, const StructureResults& results,
                        bool doublePrecision = false, const std::string& accuracyNote = "",
                        const MethodTrail* trail = nullptr, bool withDiagrams = false,
                        const std::string& influence = "", const std::string& loadCases = "");

// The three result keys of a completed analysis, "jointDisplacements": [...],\n
// "memberEndForces": [...],\n "supportReactions": [...], as ResultsJson writes them.
std::string ResultKeysJson(const ModelStore& model, const StructureResults& results);

// An influence line: {"what": what, "path": [{"member": m, "stations": [{"x": x, "value": v},
// ...]}, ...], "max": {"member": m, "x": x, "value": v}, "min": {...}}, x from the member's
// beginning, value the ordinate in double precision; a station or extreme at a jump carries
// "side": "before" (the load at smaller x) or "after". `moreKeys` (",\n  \"key\": ..."), when
// given, follows "min".
std::string InfluenceJson(const InfluenceLine& line, const std::string& what,
                          const std::string& moreKeys = "");

// The internal-force diagrams of every member: [{"member": 1, "length": L, "stations": [{"x": 0,
// "N": ..., "V": ..., "M": ...}, ...], "extremes": [{"quantity": "M", "kind": "max", "x": ...,
// "value": ...}, ...]}, ...], with the quantities of the model's type named as the diagrams name
// them. The two sections at a concentrated load carry "side": "before" or "after".
std::string DiagramsJson(const ModelStore& model, const StructureResults& results);

// The critical load: {"loadFactors": [λ1, ...], "modes": [{"loadFactor": λ, "jointDisplacements":
// [{"joint": j, "values": [...]}, ...]}, ...]} in double precision, with "message" when there
// are fewer factors than asked for.
std::string BucklingJson(const ModelStore& model, const CriticalLoads& loads);

// {"iterations": k, "firstOrder": {the three result keys of the first-order results}}.
std::string SecondOrderJson(const ModelStore& model, const SecondOrderRun& run);

// The JSON object `object` (as ResultsJson writes it) with "key": value added at its end.
std::string WithJsonMember(const std::string& object, const std::string& key,
                           const std::string& value);

}  // namespace stavelorn
