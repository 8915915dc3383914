// The sections of the input-data report, one function each, shared between the files that print
// them. Each prints its title block, headings and rows; the caller applies the page-break rule
// before it and prints the 2 blank lines after it.
#pragma once

#include <string_view>
#include <vector>

#include "model/ModelStore.h"
#include "reports/ReportLine.h"

namespace stavelorn {

// Appends each value after its gap of blanks, under `mask`.
ReportLine& AppendValues(ReportLine& line, const std::vector<int>& gaps,
                         const std::vector<float>& values, std::string_view mask = kMaskE4);

// The `count` values of a record of a table, from column 1.
std::vector<float> RowValues(const Table<float>& table, int record, int count);

void PrintJointCoordinates(const ModelStore& model, ReportPrinter& printer);
void PrintSupports(const ModelStore& model, ReportPrinter& printer);
void PrintMaterials(const ModelStore& model, ReportPrinter& printer);
void PrintCrossSections(const ModelStore& model, ReportPrinter& printer);
void PrintMemberData(const ModelStore& model, ReportPrinter& printer);
void PrintMemberReleases(const ModelStore& model, ReportPrinter& printer);
void PrintJointLoads(const ModelStore& model, ReportPrinter& printer);
void PrintMemberLoads(const ModelStore& model, ReportPrinter& printer);
void PrintSupportDisplacements(const ModelStore& model, ReportPrinter& printer);
void PrintTemperatureChanges(const ModelStore& model, ReportPrinter& printer);
void PrintFabricationErrors(const ModelStore& model, ReportPrinter& printer);

}  // namespace stavelorn
