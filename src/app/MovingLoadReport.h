// A moving load in words: what the Moving Load panel and the printed influence line say of the
// train and its worst places, and the envelope along a member with the places that give it.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "analysis/MovingLoadEnvelope.h"
#include "model/ModelStore.h"

namespace stavelorn {

// "Moving load: 35 at 0, 145 at 4.3, 145 at 8.6 m; lane load 9.3 (kN, m)", then the greatest
// and the least effect with the first load's place.
std::vector<std::string> MovingLoadLines(const ModelStore& model, const LoadTrain& train,
                                         const MovingLoadExtremes& worst);

// One row per station: x, the greatest value, where the first load stands for it ("12.5 m2 rev",
// "lane only"), the least and where; under the headings kEnvelopeHeadings.
inline constexpr const char* kEnvelopeHeadings[] = {"x", "max", "first load at", "min",
                                                    "first load at"};
std::vector<std::array<std::string, 5>> EnvelopeRows(const MovingLoadEnvelope& envelope);

// "Envelope of M along member 2 (kN, m)": what the envelope's list and table are of.
std::string EnvelopeTitle(const ModelStore& model, const MovingLoadEnvelope& envelope);

// A heading and one line per station: x, the greatest value and where the first load stands
// for it, the least and where.
std::vector<std::string> EnvelopeLines(const ModelStore& model, const MovingLoadEnvelope& envelope);

}  // namespace stavelorn
