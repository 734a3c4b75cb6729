#pragma once

// Timing of many short actions, reported as the median, the 99th percentile
// and the worst case, in wall-clock and in processor time.

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <vector>

#include <benchmark/benchmark.h>

namespace outils {

// Processor time of this thread, in microseconds: unlike the wall clock it
// does not count the time other programs of a busy machine take.
inline double temps_processeur_us()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) / 1e3;
}

// The value at rank q (0 = smallest, 1 = largest); sorts the durations.
inline double rang(std::vector<double> &durees, double q)
{
    std::sort(durees.begin(), durees.end());
    return durees[static_cast<std::size_t>(q * static_cast<double>(durees.size() - 1))];
}

class Durees {
public:
    template <class Action> void mesure(Action &&action)
    {
        const auto debut = std::chrono::steady_clock::now();
        const double debut_processeur = temps_processeur_us();
        action();
        processeur_.push_back(temps_processeur_us() - debut_processeur);
        murales_.push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - debut).count());
    }

    // Sets the counters of the benchmark; nothing when nothing was measured.
    void rapporte(benchmark::State &state)
    {
        if (murales_.empty())
            return;
        state.counters["mediane_us"] = rang(murales_, 0.5);
        state.counters["p99_us"] = rang(murales_, 0.99);
        state.counters["mediane_cpu_us"] = rang(processeur_, 0.5);
        state.counters["p99_cpu_us"] = rang(processeur_, 0.99);
        state.counters["max_cpu_us"] = processeur_.back();
        state.SetItemsProcessed(static_cast<std::int64_t>(murales_.size()));
    }

private:
    std::vector<double> murales_;
    std::vector<double> processeur_;
};

} // namespace outils
