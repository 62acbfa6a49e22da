#include "RatioReporter.h"

#include <cstdio>

void RatioReporter::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.run_type != Run::RT_Iteration || run.error_occurred)
            continue;
        const std::string name = run.benchmark_name();
        const auto bar = name.find(" | ");
        if (bar == std::string::npos)
            continue;
        const std::string what = name.substr(0, bar);
        const std::string side = name.substr(bar + 3);
        // Milliseconds per iteration, whatever unit the console shows.
        const double toMs = 1e3 / benchmark::GetTimeUnitMultiplier(run.time_unit);
        Figures& figures = side.rfind("nuvessa", 0) == 0 ? m_pairs[what].nuvessa : m_pairs[what].bare;
        figures.real = run.GetAdjustedRealTime() * toMs;
        figures.cpu = run.GetAdjustedCPUTime() * toMs;
    }
}

void RatioReporter::Finalize()
{
    ConsoleReporter::Finalize();
    std::printf("\n%-36s %11s %11s %7s %11s %11s %7s\n", "per iteration, ms", "nuvessa", "bare", "ratio",
                "nuvessa CPU", "bare CPU", "ratio");
    for (const auto& [what, pair] : m_pairs) {
        if (pair.nuvessa.real > 0 && pair.bare.real > 0 && pair.bare.cpu > 0)
            std::printf("%-36s %11.3f %11.3f %7.2f %11.3f %11.3f %7.2f\n", what.c_str(), pair.nuvessa.real,
                        pair.bare.real, pair.nuvessa.real / pair.bare.real, pair.nuvessa.cpu, pair.bare.cpu,
                        pair.nuvessa.cpu / pair.bare.cpu);
    }
    std::fflush(stdout);
}
