#include "BenchPlan.h"

#include <cstdio>
#include <sstream>

namespace korvex::bench {
namespace {

// Growth counts as linear while the figure grows at most this much faster than the size
// (runs on a shared machine jitter by a few per cent).
constexpr double kLinearTolerance = 1.25;

std::string Format(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string Milliseconds(double seconds) { return Format(seconds < 0.01 ? "%.3f ms" : "%.1f ms", seconds * 1000); }

struct Row {
    std::string figure;
    std::string baseline;
    std::string ratio;
    std::string growth;
    std::vector<std::string> met;
    std::vector<std::string> missed;
};

void Check(Row& row, bool holds, const std::string& target) { (holds ? row.met : row.missed).push_back(target); }

std::string Joined(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts) text += (text.empty() ? "" : ", ") + part;
    return text;
}

Row RowOf(const Scenario& s, const Medians& medians) {
    Row row;
    const auto median = [&](bool isBaseline, int size) {
        const auto found = medians.find(MeasurementName(s, isBaseline, size));
        return found == medians.end() ? 0.0 : found->second;
    };
    const double figure = median(false, s.targetSize);
    const double baseline = median(true, s.targetSize);
    if (figure <= 0 || baseline <= 0) return {"not measured", "", "", "", {}, {}};
    const double ratio = figure / baseline;
    row.figure = Milliseconds(figure);
    if (s.statementsPerRun) {
        const double rate = s.statementsPerRun(s.targetSize) / figure;
        row.figure = Format("%.2f million statements/s", rate / 1e6) + " (" + row.figure + " a run)";
        Check(row, rate >= s.minStatementsPerSecond, Format("above %.0f million statements/s", s.minStatementsPerSecond / 1e6));
    }
    row.baseline = Milliseconds(baseline) + " " + s.baselineName;
    row.ratio = Format("%.2f", ratio);
    const int small = s.sizes.front();
    const int large = s.sizes.back();
    const double growth = median(false, large) / median(false, small);
    const double sizeGrowth = static_cast<double>(large) / small;
    row.growth = Format("x%.1f", growth) + " for x" + Format("%.0f", sizeGrowth) + " " + s.sizeUnit + " (" +
                 std::to_string(small) + " -> " + std::to_string(large) + ")";
    if (s.maxRatio > 0) Check(row, ratio <= s.maxRatio, Format("within %gx", s.maxRatio));
    if (s.maxMilliseconds > 0) Check(row, figure * 1000 < s.maxMilliseconds, Format("under %.0f ms", s.maxMilliseconds));
    if (s.linear) Check(row, growth <= sizeGrowth * kLinearTolerance, "linear");
    return row;
}

}  // namespace

std::string MeasurementName(const Scenario& scenario, bool isBaseline, int size) {
    return scenario.name + (isBaseline ? "/baseline/" : "/figure/") + std::to_string(size);
}

void RegisterPlan(const BenchPlan& plan) {
    for (const Scenario& scenario : plan.scenarios)
        for (const int size : scenario.sizes) {
            const Measurements measurements = scenario.measure(size);
            for (const bool isBaseline : {false, true}) {
                const Measurement run = isBaseline ? measurements.baseline : measurements.figure;
                auto* registered = benchmark::RegisterBenchmark(MeasurementName(scenario, isBaseline, size).c_str(),
                                                                [prepare = measurements.prepare, run](benchmark::State& state) {
                                                                    prepare();
                                                                    run(state);
                                                                });
                registered->Unit(benchmark::kMillisecond)->UseRealTime();
                if (scenario.iterations > 0) registered->Iterations(scenario.iterations);
            }
        }
}

std::string SummaryTable(const BenchPlan& plan, const Medians& medians) {
    std::ostringstream table;
    table << "| scenario | figure | baseline | ratio | growth small -> large | target met? |\n"
          << "| --- | --- | --- | --- | --- | --- |\n";
    for (const Scenario& scenario : plan.scenarios) {
        const Row row = RowOf(scenario, medians);
        std::string verdict = row.missed.empty() ? (row.met.empty() ? "no target" : "yes: " + Joined(row.met))
                                                 : "NO: " + Joined(row.missed);
        if (!row.missed.empty() && !row.met.empty()) verdict += "; yes: " + Joined(row.met);
        table << "| " << scenario.name << " (" << scenario.targetSize << " " << scenario.sizeUnit << ") | "
              << row.figure << " | " << row.baseline << " | " << row.ratio << " | " << row.growth << " | " << verdict
              << " |\n";
    }
    return table.str();
}

}  // namespace korvex::bench
