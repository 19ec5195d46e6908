#include "ScriptHeader.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string_view>

using namespace VrlSchemaLib;

namespace VrlSchemaTool {

namespace {

// Every target reads "--" to the end of the line as a comment, including the
// script runners that feed Access its batches.
const char* CommentPrefix(Dialect) {
    return "-- ";
}

std::chrono::sys_seconds Now() {
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH")) {
        char* end = nullptr;
        const long long seconds = std::strtoll(epoch, &end, 10);
        if (end != epoch && *end == '\0')
            return std::chrono::sys_seconds(std::chrono::seconds(seconds));
    }
    return std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
}

std::string FormatUtc(std::chrono::sys_seconds t) {
    const auto day = std::chrono::floor<std::chrono::days>(t);
    const std::chrono::year_month_day ymd(day);
    const std::chrono::hh_mm_ss<std::chrono::seconds> time(t - day);
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u %02ld:%02ld:%02ld UTC", static_cast<int>(ymd.year()),
                  static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()),
                  static_cast<long>(time.hours().count()), static_cast<long>(time.minutes().count()),
                  static_cast<long>(time.seconds().count()));
    return text;
}

// A line break in a file name would end the comment early.
std::string OneLine(std::string_view text) {
    std::string line(text);
    for (char& c : line) {
        if (c == '\n' || c == '\r')
            c = '?';
    }
    return line;
}

} // namespace

std::string FormatVersion(VrlSchemaVersion version) {
    std::string text = std::to_string(version.GetVersion());
    if (version.GetServicePackNumber() != 0)
        text += "." + std::to_string(version.GetServicePackNumber());
    return text;
}

std::string ScriptHeader(const HeaderFacts& facts) {
    const std::string c = CommentPrefix(facts.dialect);
    return c + "Written by vrlschema " VRLSCHEMA_VERSION ", command " + facts.command + "\r\n" + c +
           "Dialect: " + DialectName(facts.dialect) + "\r\n" + c +
           "Schema version: " + FormatVersion(facts.version) + "\r\n" + c +
           "Source: " + OneLine(facts.source) + "\r\n" + c + "Generated: " + FormatUtc(Now()) + "\r\n\r\n";
}

} // namespace VrlSchemaTool
