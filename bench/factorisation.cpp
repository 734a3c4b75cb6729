// Factoring as the "Factoriser" action and the action menus do on each new
// step, the reading of the statement included: a second-degree trinomial by
// its discriminant (the classic shapes are tried first, so each case pays for
// them too), and differences of squares written as pupils write them.

#include <benchmark/benchmark.h>

#include <string>

#include "algebra/factorisation.h"
#include "core/partage.h"

namespace {

void factorisation(benchmark::State &etat, const std::string &texte)
{
    remet_a_zero_complet();
    for (auto _ : etat)
        benchmark::DoNotOptimize(factorise(EnonceLu(texte), OptionsCalcul{}));
}

} // namespace

#define REPETE ->Repetitions(9)->ReportAggregatesOnly(true)

BENCHMARK_CAPTURE(factorisation, trinome_racines_entieres, std::string("x^2+3x+2")) REPETE;
BENCHMARK_CAPTURE(factorisation, trinome_racines_rationnelles, std::string("2x^2-5x-3")) REPETE;
BENCHMARK_CAPTURE(factorisation, trinome_moins_devant_desordre, std::string("-2-3x-x^2")) REPETE;
BENCHMARK_CAPTURE(factorisation, trinome_racine_double, std::string("3x^2-2x+1/3")) REPETE;
BENCHMARK_CAPTURE(factorisation, trinome_racines_irrationnelles, std::string("2x^2-4x-1")) REPETE;
BENCHMARK_CAPTURE(factorisation, trinome_sans_racine, std::string("x^2+x+1")) REPETE;
BENCHMARK_CAPTURE(factorisation, carres_entre_parentheses, std::string("(4)*(x^2)-9")) REPETE;
BENCHMARK_CAPTURE(factorisation, carres_cote_a_cote, std::string("4x^2-9")) REPETE;
