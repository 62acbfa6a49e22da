#include "RatioReporter.h"

#include <cstdio>

void RatioReporter::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        // With repetitions, the median stands for the figure; without, the one run.
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if ((run.run_type != Run::RT_Iteration && !median) || run.error_occurred)
            continue;
        const std::string name = run.run_name.str();
        const auto bar = name.find(" | ");
        if (bar == std::string::npos)
            continue;
        const std::string what = name.substr(0, bar);
        const std::string side = name.substr(bar + 3);
        // Milliseconds per iteration, whatever unit the console shows.
        const double toMs = 1e3 / benchmark::GetTimeUnitMultiplier(run.time_unit);
        Figures& figures = side.rfind("nuvessa", 0) == 0 ? m_pairs[what].nuvessa : m_pairs[what].bare;
        figures.real = run.GetAdjustedRealTime() * toMs;
        const auto cpu = run.counters.find("cpu_ms");
        figures.cpu = cpu == run.counters.end() ? 0 : double(cpu->second);
    }
}

void RatioReporter::Finalize()
{
    ConsoleReporter::Finalize();
    // The measured part of each iteration only: its setting up and clearing away are left out.
    // Elapsed time, then processor time: on a machine shared with other work
    // the second moves far less.
    std::printf("\n%-36s %11s %11s %7s %11s %11s %7s\n", "measured part per iteration, ms", "nuvessa", "bare",
                "ratio", "cpu nuv.", "cpu bare", "ratio");
    for (const auto& [what, pair] : m_pairs) {
        if (pair.nuvessa.real <= 0 || pair.bare.real <= 0)
            continue;
        std::printf("%-36s %11.3f %11.3f %7.2f", what.c_str(), pair.nuvessa.real, pair.bare.real,
                    pair.nuvessa.real / pair.bare.real);
        if (pair.nuvessa.cpu > 0 && pair.bare.cpu > 0)
            std::printf(" %11.3f %11.3f %7.2f", pair.nuvessa.cpu, pair.bare.cpu, pair.nuvessa.cpu / pair.bare.cpu);
        std::printf("\n");
    }
    std::fflush(stdout);
}
