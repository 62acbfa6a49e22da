#include "RatioReporter.h"

#include <cstdio>

namespace {
double counter(const benchmark::BenchmarkReporter::Run& run, const char* name)
{
    const auto found = run.counters.find(name);
    return found == run.counters.end() ? 0 : double(found->second);
}
} // namespace

void RatioReporter::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        // With repetitions, the median of the repetitions stands for the figure; without, the one run.
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if ((run.run_type != Run::RT_Iteration && !median) || run.error_occurred)
            continue;
        m_figures[run.run_name.function_name] = {counter(run, "nuvessa_ms"), counter(run, "bare_ms"),
                                         counter(run, "nuvessa_cpu_ms"), counter(run, "bare_cpu_ms"),
                                         counter(run, "paired_cpu_ratio")};
    }
}

void RatioReporter::Finalize()
{
    ConsoleReporter::Finalize();
    // The measured part of each iteration only: its setting up and clearing away are left out.
    // Elapsed time, then processor time, which other work on a shared machine moves far less;
    // last the median of the processor-time ratios of the two sides of each iteration.
    std::printf("\n%-36s %9s %9s %6s %9s %9s %6s %7s\n", "median of the iterations, ms", "nuvessa", "bare", "ratio",
                "cpu nuv.", "cpu bare", "ratio", "paired");
    for (const auto& [what, figures] : m_figures) {
        if (figures.nuvessaMs <= 0 || figures.bareMs <= 0 || figures.bareCpuMs <= 0)
            continue;
        std::printf("%-36s %9.3f %9.3f %6.2f %9.3f %9.3f %6.2f %7.2f\n", what.c_str(), figures.nuvessaMs,
                    figures.bareMs, figures.nuvessaMs / figures.bareMs, figures.nuvessaCpuMs, figures.bareCpuMs,
                    figures.nuvessaCpuMs / figures.bareCpuMs, figures.pairedCpuRatio);
    }
    std::fflush(stdout);
}
