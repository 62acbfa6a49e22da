#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>

// The console report, followed by each figure of the program set against its
// bare-toolkit baseline from the same run. A pair is named "<what> | nuvessa"
// and "<what> | bare".
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    struct Figures {
        double real = 0; // the measured part of an iteration, in ms
        double cpu = 0;  // the processor time of that part, in ms
    };
    struct Pair {
        Figures nuvessa;
        Figures bare;
    };
    std::map<std::string, Pair> m_pairs;
};
