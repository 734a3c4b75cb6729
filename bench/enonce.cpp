// Reading a statement (EnonceLu) from typical texts of 10 to 40 characters:
// expressions, equations, inequations and systems.
//   bench_enonce --benchmark_filter=EnonceLu/   one figure per statement
//   bench_enonce --benchmark_filter=corpus      time per statement over the corpus

#include <array>
#include <string>

#include <benchmark/benchmark.h>

#include "formula/enonce.h"

namespace {

const std::array<std::string, 20> corpus = {
    "3*x^2-(x+1)*2+4",
    "(2*x+3)*(2*x-3)",
    "x^2-4*x+4",
    "2*(x-1)^2+3*(x+1)",
    "sqrt(2)*x+1/2",
    "(x+1)/(x-1)+3/(x-1)",
    "1/2*x^3-5/3*x+7",
    "4*x^2-9-(2*x+3)*(x-1)",
    "2*x+3=7",
    "(x-1)*(x+2)=0",
    "3*x^2+2*x-1=x^2+5",
    "x/3+1/2=2*x-1",
    "2*x-5<=3*x+1",
    "(x-2)*(x+3)>0",
    "x^2-1>=2*x+2",
    "-3*x+4<x-8",
    "{\r\nx+y=2\r\nx-y=0\r\n}",
    "{2*x+3*y=7\r\nx-y=1}",
    "{x+y<4\r\n2*x-y>1}",
    "abs(x-1)+ln(x)*sin(x)",
};

void EnonceLu_enonce(benchmark::State &state)
{
    const std::string &texte = corpus[static_cast<std::size_t>(state.range(0))];
    for (auto _ : state) {
        EnonceLu enonce(texte);
        benchmark::DoNotOptimize(enonce);
    }
    state.SetLabel(texte.substr(0, texte.find('\r')));
}
BENCHMARK(EnonceLu_enonce)->Name("EnonceLu")->DenseRange(0, corpus.size() - 1);

void EnonceLu_corpus(benchmark::State &state)
{
    for (auto _ : state) {
        for (const std::string &texte : corpus) {
            EnonceLu enonce(texte);
            benchmark::DoNotOptimize(enonce);
        }
    }
    state.counters["par_enonce"] = benchmark::Counter(
        static_cast<double>(corpus.size()),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(EnonceLu_corpus)->Name("EnonceLu_corpus")->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
