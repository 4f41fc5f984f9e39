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
