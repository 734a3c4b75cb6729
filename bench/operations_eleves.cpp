// Time of every engine action on statements written as pupils write them
// (the inputs of the property run), one call at a time: the median of each
// action should stay under 50 microseconds; and the action menus on the same
// statements, whose 99th percentile should stay under 2 milliseconds.
//   bench_operations_eleves --benchmark_counters_tabular=true

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/outils/actions_eleves.h"
#include "bench/outils/statistiques.h"

namespace {

using namespace outils;

constexpr int ENTREES = 1000;

const std::vector<Action> actions = actions_eleves();

std::vector<Entree> entrees(const Action &action)
{
    Generateurs g(77);
    std::vector<Entree> r;
    for (int i = 0; i < ENTREES; ++i)
        r.push_back(action.genere(g));
    return r;
}

void mesure_action(benchmark::State &state, const Action &action)
{
    remet_a_zero_complet();
    const std::vector<Entree> donnees = entrees(action);
    Durees durees;
    for (auto _ : state)
        for (const Entree &e : donnees)
            durees.mesure([&] { benchmark::DoNotOptimize(action.applique(e)); });
    durees.rapporte(state);
}

void mesure_menus(benchmark::State &state)
{
    remet_a_zero_complet();
    std::vector<std::string> textes;
    for (const Action &action : actions)
        for (const Entree &e : entrees(action))
            if (textes.size() < 20 * ENTREES)
                textes.push_back(e.enonce.texte);
    Durees durees;
    for (auto _ : state)
        for (const std::string &t : textes) {
            partage.etape = 1;
            partage.mode_vecteurs = t.find("arrow") != std::string::npos;
            EtatMenus etat;
            etat.base = t;
            durees.mesure([&] { benchmark::DoNotOptimize(met_a_jour_menus(t, etat)); });
        }
    durees.rapporte(state);
}

const bool enregistres = [] {
    for (const Action &action : actions)
        benchmark::RegisterBenchmark(action.nom.c_str(), [&action](benchmark::State &s) { mesure_action(s, action); })
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("met_a_jour_menus", mesure_menus)->Iterations(1)->Unit(benchmark::kMillisecond);
    return true;
}();

} // namespace
