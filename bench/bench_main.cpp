// Runs every registered pair and prints, after Google Benchmark's own table, the ratio
// library/raw of each pair against the target.

#include "BenchSupport.h"

#include <QApplication>

#include <cstdio>
#include <map>

void RegisterPipeBenchmarks();
void RegisterCoolantBenchmarks();
void RegisterKmsBenchmarks();
void RegisterMaterialBenchmarks();
void RegisterConsumerBenchmarks();
void RegisterClimateBenchmarks();

namespace {

class CRatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (run.error_occurred)
                continue;
            // With --benchmark_repetitions the median (reported after the runs) wins.
            if (run.run_type == Run::RT_Iteration
                || (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median"))
                m_times[run.run_name.str()] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }

    /// Prints one line per pair; returns false when a pair misses the target.
    bool PrintRatios() const
    {
        bool allWithin = true;
        std::printf("\n%-40s %12s %12s %8s\n", "pair (library vs raw)", "library ms", "raw ms",
                    "ratio");
        for (const auto &[name, libraryTime] : m_times) {
            const auto at = name.find("/library");
            if (at == std::string::npos)
                continue;
            std::string rawName = name;
            rawName.replace(at, 8, "/raw");
            const auto raw = m_times.find(rawName);
            if (raw == m_times.end() || raw->second <= 0)
                continue;
            const double ratio = libraryTime / raw->second;
            const bool within = ratio <= KorvexBench::kTargetRatio;
            allWithin = allWithin && within;
            std::string pair = name;
            pair.erase(at, 8);
            std::printf("%-40s %12.2f %12.2f %7.2fx %s\n", pair.c_str(), libraryTime, raw->second,
                        ratio, within ? "" : "(over target)");
        }
        std::printf("target: library within %.1fx of raw SQLite\n", KorvexBench::kTargetRatio);
        return allWithin;
    }

private:
    std::map<std::string, double> m_times;
};

} // namespace

int main(int argc, char **argv)
{
    // The coolant database owns a dialog, so the benchmarks need a widget application;
    // no window is ever shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    RegisterPipeBenchmarks();
    RegisterCoolantBenchmarks();
    RegisterKmsBenchmarks();
    RegisterMaterialBenchmarks();
    RegisterConsumerBenchmarks();
    RegisterClimateBenchmarks();
    benchmark::Initialize(&argc, argv);
    CRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return reporter.PrintRatios() ? 0 : 1;
}
