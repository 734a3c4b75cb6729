// Time of each square-root and fraction operation on statements a pupil
// meets, the reading of the statement included. Each benchmark runs five
// times and reports the median.

#include <benchmark/benchmark.h>

#include <string>

#include "algebra/fractions.h"
#include "algebra/racines_carrees.h"

namespace {

void BM_simplifie_entier(benchmark::State &state)
{
    for (auto _ : state) {
        std::string t = "sqrt(72)";
        simplifie_entier(t);
        benchmark::DoNotOptimize(t);
    }
}

void BM_simplifie_racines(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(simplifie_racines("3*sqrt(12)+sqrt(50)-2*sqrt(8)"));
}

void BM_fusionne_racines(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(fusionne_racines("2*sqrt(3)*sqrt(6)"));
}

void BM_decompose_racine(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(decompose_racine(EnonceLu("sqrt(12*x)")));
}

void BM_recompose_racine(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(recompose_racine(EnonceLu("sqrt(2)*sqrt(18)")));
}

void BM_additionne_numerateurs(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(additionne_numerateurs(EnonceLu("3/(x+1)-x/(x+1)+1/(x+1)")));
}

void BM_reduit_au_denominateur(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(reduit_au_denominateur(EnonceLu("1/x+2/(x+1)")));
}

void BM_multiplie_haut_et_bas(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(multiplie_haut_et_bas(EnonceLu("(x+1)/(x-2)"), "3"));
}

// Dividing top and bottom by a factor they share.
void BM_divise_haut_et_bas(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(divise_haut_et_bas(EnonceLu("(x+3)/(x^2-9)"), "x+3"));
}

void BM_met_sous_racine(benchmark::State &state)
{
    const OptionsCalcul racines{.racines = true};
    for (auto _ : state)
        benchmark::DoNotOptimize(met_sous_racine(EnonceLu("-2*sqrt(3)"), racines));
}

void BM_factorise_par(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(factorise_par(EnonceLu("4x^2-8x+12"), "4"));
}

void BM_factorise_par_binome(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(factorise_par(EnonceLu("x^2+5x+6"), "x+2"));
}

void BM_divise_par_binome(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(divise_par_binome(EnonceLu("x^3-1"), "x-1"));
}

void options(benchmark::internal::Benchmark *b)
{
    b->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
}

BENCHMARK(BM_simplifie_entier)->Apply(options);
BENCHMARK(BM_simplifie_racines)->Apply(options);
BENCHMARK(BM_fusionne_racines)->Apply(options);
BENCHMARK(BM_decompose_racine)->Apply(options);
BENCHMARK(BM_recompose_racine)->Apply(options);
BENCHMARK(BM_additionne_numerateurs)->Apply(options);
BENCHMARK(BM_reduit_au_denominateur)->Apply(options);
BENCHMARK(BM_multiplie_haut_et_bas)->Apply(options);
BENCHMARK(BM_divise_haut_et_bas)->Apply(options);
BENCHMARK(BM_met_sous_racine)->Apply(options);
BENCHMARK(BM_factorise_par)->Apply(options);
BENCHMARK(BM_factorise_par_binome)->Apply(options);
BENCHMARK(BM_divise_par_binome)->Apply(options);

} // namespace
