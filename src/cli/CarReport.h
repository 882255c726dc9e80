#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "forms/Calculations.h"

namespace rw {

// `report [--json] FILE`, the flag on either side of the file.
struct ReportRequest {
    std::string file;
    bool json = false;
};

// The request from the command's arguments after its name; none when they
// are not one file and at most one --json.
std::optional<ReportRequest> ParseReportArgs(const std::vector<std::string>& args);

// The four figures and the gearing table, as aligned text or as one JSON
// object with null for "n/a".
void PrintReport(const Calculations& calculations, bool json, std::ostream& out);

}  // namespace rw
