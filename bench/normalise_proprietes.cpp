// The property checks of the normal form on 100,000 random expressions each:
// value kept at several points, idempotence, linear language; and the
// engine's evaluator against ordinary rules. Reports the number of failures
// as a counter and prints the first few.

#include <benchmark/benchmark.h>

#include <cstdio>

#include "tests/formula/evaluation_aleatoire.h"
#include "tests/formula/expressions_aleatoires.h"

namespace {

constexpr int EXPRESSIONS = 100000;

// Runs one check on EXPRESSIONS texts of a generator and counts the failures.
template <typename Verification>
void verifie_tout(benchmark::State &state, essai::Generateur generateur, int profondeur, Verification verifie)
{
    int echecs = 0;
    for (auto _ : state) {
        echecs = 0;
        for (int i = 0; i < EXPRESSIONS; ++i) {
            const std::string texte = generateur.expression(profondeur);
            const std::string probleme = verifie(texte);
            if (!probleme.empty() && ++echecs <= 5)
                std::printf("failure: %s\n  %s\n", texte.c_str(), probleme.c_str());
        }
    }
    state.counters["expressions"] = EXPRESSIONS;
    state.counters["echecs"] = echecs;
}

void BM_proprietes(benchmark::State &state)
{
    verifie_tout(state, essai::Generateur(424242), 2, essai::verifie);
}
BENCHMARK(BM_proprietes)->Iterations(1)->Unit(benchmark::kSecond);

void BM_valeur_selon_les_regles_ordinaires(benchmark::State &state)
{
    verifie_tout(state, essai::Generateur(4243, false), 2, essai::verifie_avec_valeur);
}
BENCHMARK(BM_valeur_selon_les_regles_ordinaires)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
