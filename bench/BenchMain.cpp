// korvex-bench: every scenario of BenchPlan.h, then the summary table. Google Benchmark's own
// options apply (scripts/bench.sh asks for repetitions; the table takes their medians).
#include <iostream>

#include "BenchPlan.h"

namespace {

using korvex::bench::Medians;

// Prints what the console reporter prints and keeps the median of every measurement (the
// single run when there are no repetitions).
class CollectingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            if (median || single)
                medians[run.run_name.function_name] = run.GetAdjustedRealTime() / 1000.0;  // reported in ms
        }
    }
    Medians medians;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
    korvex::bench::BenchPlan plan;
    korvex::bench::AddStartUpScenario(plan);
    korvex::bench::AddCompileScenario(plan);
    korvex::bench::AddModScanScenario(plan);
    korvex::bench::AddExchangeScenario(plan);
    korvex::bench::AddInterpreterScenario(plan);
    korvex::bench::AddInstallScenario(plan);
    korvex::bench::RegisterPlan(plan);
    CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::cout << "\nMedians of the runs above (figure against its baseline on the same data):\n\n"
              << korvex::bench::SummaryTable(plan, reporter.medians);
    benchmark::Shutdown();
    return 0;
}
