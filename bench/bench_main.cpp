// Runs every registered benchmark, then prints, after Google Benchmark's own table, every
// ratio of CPU times against its target: library against raw SQLite (or a bare Qt fill of
// the same widgets), and the time per row of each load at the largest size against the
// smallest.
// Memory and start-up times follow as reports. Exits non-zero when a ratio misses.
//
//   korvex-bench [--json FILE] [--compare PREVIOUS.json] [Google Benchmark flags]

#include "BenchSupport.h"

#include <QApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <vector>

void RegisterPipeBenchmarks();
void RegisterCoolantBenchmarks();
void RegisterKmsBenchmarks();
void RegisterMaterialBenchmarks();
void RegisterConsumerBenchmarks();
void RegisterClimateBenchmarks();
void RegisterEmbrasureBenchmarks();
void RegisterDeviceDINBenchmarks();
void RegisterRefillBenchmarks();
void RegisterStartupBenchmarks();

namespace {

/// A figure of the summary: a ratio with its target, or a report (target 0).
struct TFigure
{
    std::string section;
    std::string name;
    double value;
    double target;
    std::string unit;
};

class CSummaryReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (run.error_occurred)
                continue;
            // With --benchmark_repetitions the median (reported after the runs) wins.
            if (run.run_type == Run::RT_Iteration
                || (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")) {
                std::string name = run.run_name.function_name;
                if (!run.run_name.args.empty())
                    name += "/" + run.run_name.args;
                m_times[name] = run.GetAdjustedCPUTime();
                m_realTimes[name] = run.GetAdjustedRealTime();
                for (const auto &[counter, value] : run.counters)
                    m_counters[name][counter] = value.value;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    std::vector<TFigure> Figures() const
    {
        std::vector<TFigure> figures;
        for (const auto &[name, libraryTime] : m_times) {
            // "<what>/library[/<n>]" against "<what>/raw[/<n>]" or "<what>/bare[/<n>]".
            const auto at = name.find("/library");
            if (at == std::string::npos)
                continue;
            for (const char *other : { "/raw", "/bare" }) {
                std::string otherName = name;
                otherName.replace(at, 8, other);
                const auto found = m_times.find(otherName);
                if (found == m_times.end() || found->second <= 0)
                    continue;
                std::string pair = name;
                pair.erase(at, 8);
                figures.push_back(
                    { "ratio", pair, libraryTime / found->second, KorvexBench::kTargetRatio, "x" });
            }
        }
        // Loads: time per row at the largest size against the smallest.
        const int small = KorvexBench::kSizes[0];
        const int large = KorvexBench::kSizes[std::size(KorvexBench::kSizes) - 1];
        for (const auto &[name, time] : m_times) {
            const std::string suffix = "/load/library/" + std::to_string(small);
            if (name.size() <= suffix.size()
                || name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
                continue;
            const std::string table = name.substr(0, name.size() - suffix.size());
            const auto largeTime = m_times.find(table + "/load/library/" + std::to_string(large));
            if (largeTime == m_times.end() || time <= 0)
                continue;
            figures.push_back({ "linearity", table + "/load",
                                (largeTime->second / large) / (time / small),
                                KorvexBench::kTargetLinearity, "x" });
        }
        for (const auto &[name, counters] : m_counters) {
            const auto peak = counters.find("peak_bytes");
            if (peak == counters.end())
                continue;
            const auto at = name.find("/load/");
            const std::string table = name.substr(0, at);
            const bool library = name.find("/library/") != std::string::npos;
            figures.push_back({ "memory", table + (library ? "/peak/library" : "/peak/raw"),
                                peak->second / 1e6, 0, "MB" });
            const auto file = counters.find("file_bytes");
            if (library && file != counters.end() && file->second > 0) {
                figures.push_back({ "memory", table + "/file", file->second / 1e6, 0, "MB" });
                figures.push_back({ "memory", table + "/peak/library per file byte",
                                    peak->second / file->second, 0, "x" });
            }
        }
        for (const auto &[name, time] : m_realTimes) {
            if (name.rfind("startup/", 0) == 0)
                figures.push_back({ "startup", name.substr(8), time, 0, "ms" });
        }
        return figures;
    }

private:
    /// CPU time of the process: on a shared machine the wall clock also counts other
    /// programs and disk waits, which belong to neither side of a pair.
    std::map<std::string, double> m_times;
    std::map<std::string, double> m_realTimes;
    std::map<std::string, std::map<std::string, double>> m_counters;
};

/// The figures of an earlier --json file by name.
std::map<std::string, double> readPrevious(const char *path)
{
    std::map<std::string, double> previous;
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", path);
        return previous;
    }
    const QJsonArray figures
        = QJsonDocument::fromJson(file.readAll()).object()["figures"].toArray();
    for (const QJsonValue &figure : figures) {
        const QJsonObject object = figure.toObject();
        previous[(object["section"].toString() + '/' + object["name"].toString()).toStdString()]
            = object["value"].toDouble();
    }
    return previous;
}

/// Prints the figures section by section; returns false when a ratio misses its target.
bool printFigures(const std::vector<TFigure> &figures,
                  const std::map<std::string, double> &previous)
{
    bool allWithin = true;
    std::string section;
    for (const TFigure &figure : figures) {
        if (figure.section != section) {
            section = figure.section;
            std::printf("\n== %s\n", section.c_str());
        }
        std::printf("%-44s %10.3f %-2s", figure.name.c_str(), figure.value, figure.unit.c_str());
        if (figure.target > 0) {
            const bool within = figure.value <= figure.target;
            allWithin = allWithin && within;
            std::printf("  target %.1f%s %s", figure.target, figure.unit.c_str(),
                        within ? "ok  " : "MISSED");
        }
        const auto before = previous.find(figure.section + '/' + figure.name);
        if (before != previous.end())
            std::printf("  (before %.3f)", before->second);
        std::printf("\n");
    }
    std::printf("\n%s\n",
                allWithin ? "every ratio within its target" : "a ratio MISSED its target");
    return allWithin;
}

bool writeJson(const char *path, const std::vector<TFigure> &figures)
{
    QJsonArray array;
    for (const TFigure &figure : figures) {
        QJsonObject object { { "section", QString::fromStdString(figure.section) },
                             { "name", QString::fromStdString(figure.name) },
                             { "value", figure.value },
                             { "unit", QString::fromStdString(figure.unit) } };
        if (figure.target > 0) {
            object["target"] = figure.target;
            object["within"] = figure.value <= figure.target;
        }
        array.append(object);
    }
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    file.write(QJsonDocument(QJsonObject { { "figures", array } }).toJson());
    return true;
}

/// Takes "--NAME FILE" (or "--NAME=FILE") out of the arguments.
const char *takeOption(int &argc, char **argv, const char *name)
{
    const size_t length = std::strlen(name);
    for (int i = 1; i < argc; ++i) {
        const char *value = nullptr;
        int used = 1;
        if (std::strcmp(argv[i], name) == 0 && i + 1 < argc) {
            value = argv[i + 1];
            used = 2;
        } else if (std::strncmp(argv[i], name, length) == 0 && argv[i][length] == '=') {
            value = argv[i] + length + 1;
        }
        if (value) {
            for (int j = i; j + used < argc; ++j)
                argv[j] = argv[j + used];
            argc -= used;
            return value;
        }
    }
    return nullptr;
}

} // namespace

int main(int argc, char **argv)
{
    // The coolant database and the editors need a widget application; no window is
    // ever shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const char *jsonPath = takeOption(argc, argv, "--json");
    const char *comparePath = takeOption(argc, argv, "--compare");
    // One run of a pair can land on a busy moment of a shared machine; the ratios are taken
    // from the median of three unless the caller chooses otherwise.
    std::vector<char *> args(argv, argv + argc);
    char repetitions[] = "--benchmark_repetitions=3";
    if (std::none_of(args.begin(), args.end(), [](const char *arg) {
            return std::strncmp(arg, "--benchmark_repetitions", 23) == 0;
        }))
        args.push_back(repetitions);
    argc = int(args.size());
    args.push_back(nullptr);
    argv = args.data();
    QApplication app(argc, argv);
    RegisterPipeBenchmarks();
    RegisterCoolantBenchmarks();
    RegisterKmsBenchmarks();
    RegisterMaterialBenchmarks();
    RegisterConsumerBenchmarks();
    RegisterClimateBenchmarks();
    RegisterEmbrasureBenchmarks();
    RegisterDeviceDINBenchmarks();
    RegisterRefillBenchmarks();
    RegisterStartupBenchmarks();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    CSummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const std::vector<TFigure> figures = reporter.Figures();
    const bool allWithin = printFigures(
        figures, comparePath ? readPrevious(comparePath) : std::map<std::string, double>());
    if (jsonPath && !writeJson(jsonPath, figures)) {
        std::fprintf(stderr, "cannot write %s\n", jsonPath);
        return 2;
    }
    return allWithin ? 0 : 1;
}
