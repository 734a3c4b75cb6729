// The property check of the normal form on 100,000 random expressions: value
// kept at several points, idempotence, linear language. Reports the number of
// failures as a counter and prints the first few.

#include <benchmark/benchmark.h>

#include <cstdio>

#include "tests/formula/expressions_aleatoires.h"

namespace {

void BM_proprietes(benchmark::State &state)
{
    int echecs = 0;
    for (auto _ : state) {
        essai::Generateur generateur(424242);
        echecs = 0;
        for (int i = 0; i < 100000; ++i) {
            const std::string texte = generateur.expression();
            const std::string probleme = essai::verifie(texte);
            if (!probleme.empty() && ++echecs <= 5)
                std::printf("failure: %s\n  %s\n", texte.c_str(), probleme.c_str());
        }
    }
    state.counters["expressions"] = 100000;
    state.counters["echecs"] = echecs;
}
BENCHMARK(BM_proprietes)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
