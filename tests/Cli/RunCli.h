#pragma once

#include <string>
#include <vector>

// Runs the built linewright-cli with arguments and collects what it printed.
struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

CliResult RunCli(const std::vector<std::string>& arguments);

// The system's reason for a file missing from a missing folder.
std::string MissingFileReason();

// Whether RunCliWithFileLimit limits anything on this system (POSIX's file size limit).
extern const bool FileSizeLimits;

// Runs it as RunCli does with its files limited to kilobytes: a write beyond fails as on a full
// disk, with the reason "File too large".
CliResult RunCliWithFileLimit(const std::vector<std::string>& arguments, int kilobytes);
