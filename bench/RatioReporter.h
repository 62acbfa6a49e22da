#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>

// The console report, followed by each figure of the program set against its
// bare-toolkit baseline, both taken in the same iterations: the medians of
// each side and the median of the ratios of each iteration's two sides.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    struct Figures {
        double nuvessaMs = 0;
        double bareMs = 0;
        double nuvessaCpuMs = 0;
        double bareCpuMs = 0;
        double pairedCpuRatio = 0;
    };
    std::map<std::string, Figures> m_figures;
};
