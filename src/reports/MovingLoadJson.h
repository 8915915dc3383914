// A moving load's answers in the influence object of the results JSON.
#pragma once

#include <string>

#include "analysis/MovingLoadEnvelope.h"

namespace stavelorn {

// {"max": {"value": v, "position": s, "reversed": false, "member": m}, "min": {...}}: s the first
// load's position along the path, m the path member under it (null off the path); a lane load
// alone has a null position and member.
std::string MovingLoadJson(const MovingLoadExtremes& worst);

// {"member": M, "quantity": "M", "stations": [{"x": x, "max": v, "min": v}, ...]}, the quantity
// named as the diagrams of the model's type name it.
std::string EnvelopeJson(const MovingLoadEnvelope& envelope, const std::string& typeCode);

}  // namespace stavelorn
