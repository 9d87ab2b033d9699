#include "data/missing_file.h"

#include <utility>

#include "console/console_output.h"
#include "platform/frame_record.h"

namespace {

std::vector<std::string> g_reports;

}  // namespace

void reportMissingFile(const char* name) {
    std::string report = std::string("File ") + name + " not found";
    writeRaw("%s", report.c_str());
    frameRecord().notices.push_back(report);
    g_reports.push_back(std::move(report));
}

std::vector<std::string> takeMissingFileReports() {
    return std::exchange(g_reports, {});
}
