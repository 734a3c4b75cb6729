// Solving typical statements, writing solution sets, merging vectors, and
// the other operations of the statement a panel runs.
//   bench_solutions --benchmark_filter=resout/          one figure per statement
//   bench_solutions --benchmark_repetitions=20 --benchmark_report_aggregates_only=true
//                                                      median and spread

#include <array>
#include <string>

#include <benchmark/benchmark.h>

#include "algebra/enonces.h"
#include "algebra/solutions.h"
#include "algebra/vecteurs.h"
#include "core/partage.h"

namespace {

const std::array<std::string, 10> enonces = {
    "(x-2)*(x+3)=0",
    "2*x*(3*x-1)=0",
    "(x-1)^2*(x+4)=0",
    "-(2*x+1)*(x-5)=0",
    "(x-1)/(x+2)=0",
    "x=3/2",
    "(x-2)*(x+3)<0",
    "(2*x-1)*(x+3)*(x-4)>=0",
    "(x-1)^2*(x-3)<=0",
    "(x+1)/(x-2)>0",
};

const std::array<std::string, 6> vecteurs = {
    "AB..arrow+BC..arrow",
    "BC..arrow+AB..arrow",
    "AB..arrow+CD..arrow+BC..arrow",
    "AB..arrow+BA..arrow",
    "2*CD..arrow+AB..arrow+BC..arrow+DE..arrow",
    "AB..arrow-CD..arrow+EF..arrow",
};

void resout_enonce(benchmark::State &state)
{
    const EnonceLu enonce(enonces[static_cast<std::size_t>(state.range(0))]);
    for (auto _ : state) benchmark::DoNotOptimize(resout(enonce, {}));
    state.SetLabel(enonce.saisi);
}
BENCHMARK(resout_enonce)->Name("resout")->DenseRange(0, enonces.size() - 1);

// The solution set of an inequation, roots included, as the solving action builds it.
void intervalle_enonce(benchmark::State &state)
{
    const EnonceLu enonce(enonces[static_cast<std::size_t>(state.range(0))]);
    for (auto _ : state) benchmark::DoNotOptimize(intervalle_solutions(enonce));
    state.SetLabel(enonce.saisi);
}
BENCHMARK(intervalle_enonce)->Name("intervalle_solutions")->DenseRange(6, enonces.size() - 1);

// What "Solution(s)" finds: whether solving concludes, and the step it records.
void resolution_enonce(benchmark::State &state)
{
    const EnonceLu enonce(enonces[static_cast<std::size_t>(state.range(0))]);
    for (auto _ : state) benchmark::DoNotOptimize(resolution(enonce, {}));
    state.SetLabel(enonce.saisi);
}
BENCHMARK(resolution_enonce)->Name("resolution")->DenseRange(0, enonces.size() - 1);

// The other operations of a panel, on the statement read once.
const struct {
    const char *nom;
    Issue (*operation)(const EnonceLu &);
    const char *texte;
} operations[] = {
    {"forme_canonique", forme_canonique, "2x^2-3x+1"},
    {"ecriture_scientifique", ecriture_scientifique, "0.000325"},
    {"enleve_moins_vecteurs", enleve_moins_vecteurs, "AB..arrow-CD..arrow+EF..arrow"},
    {"additionne_membre_a_membre", [](const EnonceLu &e) { return combine_systeme(e, '+'); }, "{2x+3y=7\r\nx-y=1}"},
};

void operation_du_panneau(benchmark::State &state)
{
    const auto &o = operations[static_cast<std::size_t>(state.range(0))];
    const EnonceLu enonce(o.texte);
    for (auto _ : state) benchmark::DoNotOptimize(o.operation(enonce));
    state.SetLabel(std::string(o.nom) + " " + o.texte);
}
BENCHMARK(operation_du_panneau)->Name("operation")->DenseRange(0, std::size(operations) - 1);

void texte_intervalle_seul(benchmark::State &state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(texte_intervalle("-inf", "-3", "1/2", SUPERIEUR_OU_EGAL, "inf", "1/2", "-3",
                                                  "inf", "inf"));
        benchmark::DoNotOptimize(texte_intervalle("1", "1", "3", INFERIEUR, "inf", "3", "1", "1", "inf"));
    }
}
BENCHMARK(texte_intervalle_seul)->Name("texte_intervalle");

void chasles_vecteurs(benchmark::State &state)
{
    remet_a_zero_complet();
    const std::string &texte = vecteurs[static_cast<std::size_t>(state.range(0))];
    const EnonceLu enonce(texte);
    for (auto _ : state)
        benchmark::DoNotOptimize(chasles(enonce));
    state.SetLabel(texte);
}
BENCHMARK(chasles_vecteurs)->Name("chasles")->DenseRange(0, vecteurs.size() - 1);

} // namespace
