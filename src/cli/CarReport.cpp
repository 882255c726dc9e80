#include "cli/CarReport.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace rw {

namespace {

constexpr std::array<const char*, kGearColumnCount> kJsonKeys = {
    "gear", "ratio", "overall", "atShiftUp", "atMaxRpm", "rpmAfterUpshift"};

// Every shown figure is a number, with a unit after a blank, "n/a" or empty.
std::string_view JsonNumber(std::string_view text) {
    if (text.empty() || text == "n/a") {
        return "null";
    }
    return text.substr(0, text.find(' '));
}

void PrintText(const Calculations& c, std::ostream& out) {
    out << "Front Weight Distribution: " << c.frontWeightDistribution << '\n'
        << "Wheelbase: " << c.wheelbase << '\n'
        << "Track Width (Front): " << c.frontTrack << '\n'
        << "Track Width (Rear): " << c.rearTrack << '\n'
        << "\nGearing (speeds in km/h):\n";
    std::array<std::string_view, kGearColumnCount> titles;
    std::array<std::size_t, kGearColumnCount> widths{};
    for (std::size_t column = 0; column < kGearColumnCount; ++column) {
        titles[column] = kGearColumns[column].title;
        widths[column] = titles[column].size();
        for (const GearRow& row : c.gearing) {
            widths[column] = std::max(widths[column], row.Cells()[column].size());
        }
    }
    const auto print = [&](const std::array<std::string_view, kGearColumnCount>& cells) {
        std::string line;
        for (std::size_t column = 0; column < cells.size(); ++column) {
            line += std::string(column == 0 ? 0 : 2, ' ');
            line += std::string(widths[column] - cells[column].size(), ' ');
            line += cells[column];
        }
        // An empty last cell leaves no trailing blanks.
        out << line.substr(0, line.find_last_not_of(' ') + 1) << '\n';
    };
    print(titles);
    for (const GearRow& row : c.gearing) {
        print(row.Cells());
    }
}

void PrintJson(const Calculations& c, std::ostream& out) {
    out << "{\"frontWeightDistribution\":" << JsonNumber(c.frontWeightDistribution)
        << ",\"wheelbase\":" << JsonNumber(c.wheelbase)
        << ",\"frontTrack\":" << JsonNumber(c.frontTrack)
        << ",\"rearTrack\":" << JsonNumber(c.rearTrack) << ",\"gears\":[";
    for (std::size_t i = 0; i < c.gearing.size(); ++i) {
        const auto cells = c.gearing[i].Cells();
        out << (i == 0 ? "{" : ",{");
        for (std::size_t column = 0; column < cells.size(); ++column) {
            out << (column == 0 ? "\"" : ",\"") << kJsonKeys[column]
                << "\":" << JsonNumber(cells[column]);
        }
        out << '}';
    }
    out << "]}\n";
}

}  // namespace

std::optional<ReportRequest> ParseReportArgs(const std::vector<std::string>& args) {
    ReportRequest request;
    std::size_t files = 0;
    for (const std::string& arg : args) {
        if (arg == "--json" && !request.json) {
            request.json = true;
        } else {
            request.file = arg;
            ++files;
        }
    }
    if (files != 1) {
        return std::nullopt;
    }
    return request;
}

void PrintReport(const Calculations& calculations, bool json, std::ostream& out) {
    if (json) {
        PrintJson(calculations, out);
    } else {
        PrintText(calculations, out);
    }
}

}  // namespace rw
