// Runs the benchmarks and ends with one table of every ratio: each figure beside the floor or
// peer measured in the same run, with the goal it is held to.
#include "bench/RpyBench.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

// A figure of one benchmark over the same figure of another, or one benchmark's counter alone
// (empty denominator).
struct Ratio {
    const char* label;
    const char* numerator;
    const char* denominator;
    const char* counter;
    const char* goal;
};

const std::vector<Ratio> ratios = {
    {"replay parse / plain read+sum", "ParseReplay", "PlainReadSum", "bytes_per_second", ">= 0.33 (0.5)"},
    {"replay open peak memory / file size", "ReplayPeakMemory", "", "peak_x_file", "<= 2 (1.2)"},
    {"Explode / StormLib, text", "OurExplode/0", "StormLibExplode/0", "bytes_per_second", ">= 3"},
    {"Explode / StormLib, binary", "OurExplode/1", "StormLibExplode/1", "bytes_per_second", ">= 3"},
    {"Explode / StormLib, floats", "OurExplode/2", "StormLibExplode/2", "bytes_per_second", ">= 3"},
    {"Implode / StormLib, text", "OurImplode/0", "StormLibImplode/0", "bytes_per_second", ">= 3"},
    {"Implode / StormLib, binary", "OurImplode/1", "StormLibImplode/1", "bytes_per_second", ">= 3"},
    {"Implode / StormLib, floats", "OurImplode/2", "StormLibImplode/2", "bytes_per_second", ">= 3"},
    {"Implode size / StormLib, text", "OurImplode/0", "StormLibImplode/0", "packed", "<= 1.02"},
    {"Implode size / StormLib, binary", "OurImplode/1", "StormLibImplode/1", "packed", "<= 1.02"},
    {"Implode size / StormLib, floats", "OurImplode/2", "StormLibImplode/2", "packed", "<= 1.02"},
};

// Prints as usual and keeps every run's counters by benchmark name; with repetitions, the
// median's.
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (!run.error_occurred && (run.run_type == Run::RT_Iteration || median))
                for (const auto& [name, counter] : run.counters)
                    figures[run.run_name.str()][name] = counter.value;
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // The counter of the benchmark whose name begins with `name` (time units follow it).
    const double* Find(const std::string& name, const std::string& counter) const {
        for (const auto& [benchmark, counters] : figures) {
            if (benchmark.compare(0, name.size(), name) != 0 ||
                (benchmark.size() > name.size() && benchmark[name.size()] != '/'))
                continue;
            const auto found = counters.find(counter);
            return found == counters.end() ? nullptr : &found->second;
        }
        return nullptr;
    }

private:
    std::map<std::string, std::map<std::string, double>> figures;
};

void PrintRatios(const RecordingReporter& reporter) {
    std::printf("\n%-40s %10s   %s\n", "ratio", "measured", "goal (stretch)");
    for (const Ratio& ratio : ratios) {
        const double* numerator = reporter.Find(ratio.numerator, ratio.counter);
        const double* denominator = *ratio.denominator ? reporter.Find(ratio.denominator, ratio.counter) : nullptr;
        if (!numerator || (*ratio.denominator && (!denominator || *denominator == 0.0))) {
            std::printf("%-40s %10s   %s\n", ratio.label, "-", ratio.goal);
            continue;
        }
        const double value = denominator ? *numerator / *denominator : *numerator;
        std::printf("%-40s %10.3f   %s\n", ratio.label, value, ratio.goal);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == ReplayOpeningArgument)
        return PrintPeakOfOpening(argv[2]);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    PrintRatios(reporter);
    return 0;
}
