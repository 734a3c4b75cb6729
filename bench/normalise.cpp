// Throughput of normalise on the kinds of text the engine passes to it:
// products of two terms, sums of up to eight monomials, fractions and
// equations. Also lists the slowest texts of the corpus.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "formula/normalise.h"

namespace {

class Corpus {
public:
    explicit Corpus(unsigned graine) : hasard_(graine) {}

    std::vector<std::string> textes(int nombre)
    {
        std::vector<std::string> t;
        for (int i = 0; i < nombre; ++i) {
            switch (i % 5) {
            case 0: t.push_back("(" + monome() + ")*(" + monome() + ")"); break;
            case 1: t.push_back(somme(entre(2, 8))); break;
            case 2: t.push_back("(" + somme(entre(1, 3)) + ")/(" + std::to_string(entre(1, 12)) + ")"); break;
            case 3: t.push_back(somme(entre(1, 4)) + "+(-(" + coefficient() + "))=" + somme(entre(1, 3)) + "+(-(" + coefficient() + "))"); break;
            default: t.push_back("(" + somme(2) + ")*(" + somme(2) + ")"); break;
            }
        }
        return t;
    }

private:
    std::mt19937 hasard_;

    int entre(int a, int b) { return std::uniform_int_distribution<int>(a, b)(hasard_); }

    std::string coefficient()
    {
        switch (entre(0, 3)) {
        case 0: return std::to_string(entre(-9, 9)) + "/" + std::to_string(entre(1, 9));
        case 1: return "sqrt(" + std::to_string(entre(2, 12)) + ")";
        default: return std::to_string(entre(-12, 12));
        }
    }

    std::string monome()
    {
        const int degre = entre(0, 3);
        if (degre == 0)
            return coefficient();
        return coefficient() + "*x" + (degre > 1 ? "^" + std::to_string(degre) : "");
    }

    std::string somme(int termes)
    {
        std::string s;
        for (int i = 0; i < termes; ++i)
            s += "+(" + monome() + ")";
        return s;
    }
};

const std::vector<std::string> &corpus()
{
    static const std::vector<std::string> textes = Corpus(2026).textes(2000);
    return textes;
}

void BM_normalise(benchmark::State &state)
{
    const auto &textes = corpus();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(normalise(textes[i]));
        i = (i + 1) % textes.size();
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_normalise);

void BM_normalise_brut(benchmark::State &state)
{
    const auto &textes = corpus();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(normalise_brut(textes[i]));
        i = (i + 1) % textes.size();
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_normalise_brut);

// Times each text of the corpus (best of several runs) and prints the slowest.
void BM_textes_les_plus_lents(benchmark::State &state)
{
    using horloge = std::chrono::steady_clock;
    std::vector<std::pair<double, std::string>> durees;
    for (auto _ : state) {
        durees.clear();
        for (const std::string &t : corpus()) {
            double meilleure = 1e9;
            for (int essai = 0; essai < 5; ++essai) {
                const auto debut = horloge::now();
                benchmark::DoNotOptimize(normalise(t));
                meilleure = std::min(meilleure, std::chrono::duration<double, std::micro>(horloge::now() - debut).count());
            }
            durees.emplace_back(meilleure, t);
        }
    }
    std::sort(durees.rbegin(), durees.rend());
    for (std::size_t k = 0; k < 5 && k < durees.size(); ++k)
        std::printf("slowest %zu: %.2f us  %s\n", k + 1, durees[k].first, durees[k].second.c_str());
}
BENCHMARK(BM_textes_les_plus_lents)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
