// Time of one evaluation of a typical formula (10 to 40 characters), and of
// one equivalence test. Each benchmark is repeated; read the median line.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "algebra/equivalence.h"
#include "formula/valeur.h"

namespace {

const std::vector<std::string> formules = {
    "2x+1",
    "3*x^2-5*x+2",
    "(2*x+3)*(2*x-3)",
    "(x+1)^2-(x-1)^2",
    "-3/2*x+7/4",
    "sqrt(12)+3*sqrt(3)",
    "(x-2)*(x+5)/(x^2+1)",
    "4*x^3-2*x^2+x-10",
    "ln(x^2+1)-2*sin(x)",
    "1/(x-3)+2/(x+3)",
    "2*(x+1)-3*(2*x-5)+4",
    "abs(x-1)+exp(x/2)",
    "(3*x-1)^2-4*(x+2)^2",
    "0.5*x^2+1.25*x-0.75",
    "x^2-6*x+9",
    "(x+1)*(x+2)*(x+3)*(x+4)",
};

void BM_evalue(benchmark::State &state)
{
    std::size_t i = 0;
    double x = 1.07;
    for (auto _ : state) {
        benchmark::DoNotOptimize(valeur(formules[i], x));
        if (++i == formules.size())
            i = 0;
    }
}
BENCHMARK(BM_evalue)->Repetitions(15)->ReportAggregatesOnly(true);

void BM_compare_expressions(benchmark::State &state)
{
    const std::string a = "(2*x+3)*(2*x-3)", b = "4*x^2-9";
    for (auto _ : state)
        benchmark::DoNotOptimize(compare_expressions(a, b));
}
BENCHMARK(BM_compare_expressions)->Repetitions(15)->ReportAggregatesOnly(true);

// The slowest case: defined only far out, so every point is tried.
void BM_compare_expressions_domaine_etroit(benchmark::State &state)
{
    const std::string a = "sqrt(x-100)+1/(x-3)", b = "1/(x-3)+sqrt(x-100)";
    for (auto _ : state)
        benchmark::DoNotOptimize(compare_expressions(a, b));
}
BENCHMARK(BM_compare_expressions_domaine_etroit)->Repetitions(15)->ReportAggregatesOnly(true);

} // namespace
