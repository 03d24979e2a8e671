// What korvex-bench measures: per scenario a figure and a baseline at two or more sizes of
// generated data, and the targets the figure is held to.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

namespace korvex::bench {

// One timed operation at one size; it prepares its data before the timing loop.
using Measurement = std::function<void(benchmark::State&)>;
// The figure and its baseline at one size, on the same data, which prepare makes (once)
// before either is timed.
struct Measurements {
    std::function<void()> prepare;
    Measurement figure;
    Measurement baseline;
};

struct Scenario {
    std::string name;
    std::string baselineName;  // what the baseline does, for the table
    std::vector<int> sizes;    // from small to large
    int targetSize = 0;        // the size the targets are checked at
    std::string sizeUnit;      // "MODs", "macros", ...
    // Targets; zero where the scenario has none.
    double maxRatio = 0;
    double maxMilliseconds = 0;
    double minStatementsPerSecond = 0;
    bool linear = false;  // the figure grows no faster than the size
    // The statements a run carries out, for a figure in statements per second.
    std::function<double(int size)> statementsPerRun;
    // Runs of each measurement: fixed for one that takes long, else Google Benchmark's choice.
    int iterations = 0;
    std::function<Measurements(int size)> measure;
};

// The registered scenarios, in the order the table shows them.
struct BenchPlan {
    std::vector<Scenario> scenarios;
};

void AddStartUpScenario(BenchPlan& plan);
void AddCompileScenario(BenchPlan& plan);
void AddModScanScenario(BenchPlan& plan);
void AddExchangeScenario(BenchPlan& plan);
void AddInterpreterScenario(BenchPlan& plan);
void AddInstallScenario(BenchPlan& plan);

// The name Google Benchmark knows a measurement by: "<scenario>/<figure|baseline>/<size>".
std::string MeasurementName(const Scenario& scenario, bool isBaseline, int size);
void RegisterPlan(const BenchPlan& plan);

// Median real time per run in seconds, by measurement name.
using Medians = std::map<std::string, double>;
// The summary table as Markdown: figure, baseline, ratio, growth and whether the targets are met.
std::string SummaryTable(const BenchPlan& plan, const Medians& medians);

}  // namespace korvex::bench
