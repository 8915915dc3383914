// The JSON forms the page's answers share: an array of items, a results grid as the page draws
// it, a labelled matrix of the method's steps.
#pragma once

#include <string>
#include <vector>

#include "app/MethodSteps.h"
#include "app/ResultTables.h"

namespace stavelorn {

// [item, item, ...], each item written by `toJson`.
template <typename Item, typename ToJson>
std::string JsonArray(const std::vector<Item>& items, ToJson toJson) {
  std::string json = "[";
  for (const Item& item : items) json += (json.size() > 1 ? ", " : "") + toJson(item);
  return json + "]";
}

inline std::string JsonBool(bool value) {
  return value ? "true" : "false";
}

// {"caption", "key"}: a caption with '&' marking its access key, as spoken, and that key in upper
// case ("" for none).
std::string CaptionJson(const std::string& caption);

// {"caption", "label1", "label2", "cells": [[...]], "places": [["left", "centre" or "right",
// ...]], "copy": the whole grid as tab-separated text}; row 0 holds the headings.
std::string ResultTableJson(const ResultTable& table);

// Gives a table the page built its column widths and the rows' heights of the results windows,
// its cells placed as those windows place them.
void SizePageTable(ResultTable& table, std::vector<int> colWidths);

// {"title", "rows": [labels], "columns": [labels], "cells": [[text]], "tips": [[text]],
// "marked": [[row, column], ...], "copy": tab-separated values in full}, each cell's text and
// tooltip as the desktop's step window shows them.
std::string StepTableJson(const StepTable& table);

}  // namespace stavelorn
