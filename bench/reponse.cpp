// Checking one pupil's answer against an exercise's expected answers, as the
// answer check does it on REPONSE.
//   bench_reponse                       one figure per kind of statement

#include <string>

#include <benchmark/benchmark.h>

#include "app/travail/reponse.h"
#include "core/partage.h"

namespace {

struct Cas {
    const char *enonce, *attendue, *anticipee, *reponse;
};

constexpr Cas CAS[] = {
    {"3*x+5=2*x-7", "-12", "-2", "x = -12"},
    {"(x-2)*(x+3)=0", "2*et*-3", "-2*et*3", "S={-3 ; 2}"},
    {"(x-2)/(x+3)>=0", "(domain(x,-inf,-3,12))or(domain(x,2,inf,15))", "domain(x,-3,2,14)", "]2;+∞[ ∪ ]-∞;-3["},
    {"{x+y=5\r\nx-y=1}", "3*et*2", "2*et*3", "y=2 et x=3"},
    {"(2*x+3)*(x-4)", "2*x^2-5*x-12", "2*x^2-12", "-12-5x+2x^2"},
    {"4*x^2-9", "(2*x+3)*(2*x-3)", "(4*x+9)*(4*x-9)", "(2x-3)(3+2x)"},
};

void verifie(benchmark::State &etat)
{
    const Cas &c = CAS[etat.range(0)];
    remet_a_zero_complet();
    partage.base_systeme = c.enonce[0] == '{';
    partage.liste_solutions.emplace_back(c.attendue, "0", "Bravo");
    partage.liste_solutions.emplace_back(c.anticipee, "5", "Presque");
    partage.liste_solutions.emplace_back("", "10", "Faux");
    partage.solutions_normalisees[1] = c.attendue;
    partage.solutions_normalisees[2] = c.anticipee;
    for (auto _ : etat) {
        partage.note = 20;
        benchmark::DoNotOptimize(verifie_reponse(c.reponse, c.enonce));
    }
    etat.SetLabel(c.reponse);
}
BENCHMARK(verifie)->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);

} // namespace
