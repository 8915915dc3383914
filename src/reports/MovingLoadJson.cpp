#include "reports/MovingLoadJson.h"

#include "reports/JsonText.h"

namespace stavelorn {

namespace {

std::string PlacementJson(const TrainPlacement& p) {
  const std::string member = p.Standing && p.Member ? std::to_string(p.Member) : "null";
  return "{\"value\": " + JsonNumber(p.Value) +
         ", \"position\": " + (p.Standing ? JsonNumber(p.Position) : std::string("null")) +
         ", \"reversed\": " + (p.Reversed ? "true" : "false") + ", \"member\": " + member + "}";
}

}  // namespace

std::string MovingLoadJson(const MovingLoadExtremes& worst) {
  return "{\"max\": " + PlacementJson(worst.Max) + ",\n   \"min\": " + PlacementJson(worst.Min) +
         "}";
}

std::string EnvelopeJson(const MovingLoadEnvelope& envelope, const std::string& typeCode) {
  std::string out = "{\"member\": " + std::to_string(envelope.Member) +
                    ", \"quantity\": " + JsonString(QuantityName(typeCode, envelope.Quantity)) +
                    ", \"stations\": [";
  for (std::size_t i = 0; i < envelope.Stations.size(); ++i) {
    const EnvelopeStation& s = envelope.Stations[i];
    out += (i ? ",\n   " : "\n   ") + std::string("{\"x\": ") + JsonNumber(s.X) +
           ", \"max\": " + JsonNumber(s.Worst.Max.Value) +
           ", \"min\": " + JsonNumber(s.Worst.Min.Value) + "}";
  }
  return out + "]}";
}

}  // namespace stavelorn
