// Naming the pupil's mistake: one wrong answer diagnosed on pupils'
// statements, the right answer (every rule tried, none named) and a slip.
//   bench_diagnostic --benchmark_repetitions=10 --benchmark_report_aggregates_only=true

#include <array>
#include <string>

#include <benchmark/benchmark.h>

#include "app/travail/regles_nommees.h"
#include "core/configuration.h"

namespace {

struct Cas {
    const char *enonce, *reponse;
    Tache tache;
};

const std::array<Cas, 8> erreurs = {{
    {"(x+3)^2", "x^2+9", Tache::developper},
    {"(2x+1)(x-3)", "2x^2-3", Tache::developper},
    {"x(x+3)+(x+3)", "x(x+3)", Tache::factoriser},
    {"1/2+1/3", "2/5", Tache::simplifier},
    {"(x-2)(x+5)=0", "x=-2*et*x=5", Tache::resoudre},
    {"-2x<6", "x<-3", Tache::resoudre},
    {"{y=2x+1\r\n3x-y=4}", "x=3*et*y=7", Tache::resoudre},
    {"(x-1)(x+2)<=0", "(domain(x,-inf,-2,14))or(domain(x,1,inf,15))", Tache::resoudre},
}};

const BibliothequeRegles &bibliotheque()
{
    fixe_dossier_programme(chemin_executable().parent_path().parent_path());
    return bibliotheque_regles();
}

void diagnostique_erreur(benchmark::State &state)
{
    const Cas &c = erreurs[static_cast<std::size_t>(state.range(0))];
    const BibliothequeRegles &b = bibliotheque();
    for (auto _ : state)
        benchmark::DoNotOptimize(diagnostique(c.enonce, c.reponse, c.tache, b));
    state.SetLabel(c.enonce);
}
BENCHMARK(diagnostique_erreur)->DenseRange(0, static_cast<int>(erreurs.size()) - 1)->Unit(benchmark::kMillisecond);

// A right answer and a slip go through every rule.
void diagnostique_sans_regle(benchmark::State &state)
{
    const BibliothequeRegles &b = bibliotheque();
    const char *reponse = state.range(0) == 0 ? "x^2+6x+9" : "x^2+6x+8";
    for (auto _ : state)
        benchmark::DoNotOptimize(diagnostique("(x+3)^2-(2x-1)(x+4)", reponse, Tache::aucune, b));
}
BENCHMARK(diagnostique_sans_regle)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
