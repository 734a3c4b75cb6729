// The action menus run at every keystroke and every step: time one call on a
// corpus of typical statements and report the median and the 99th percentile.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "app/travail/menus.h"
#include "bench/outils/statistiques.h"
#include "core/partage.h"

namespace {

struct Cas {
    std::string texte;
    int etape;
    std::string base;
    bool vecteurs;
};

const std::string systeme = "{2x+3y=7\r\nx-y=1}";

const std::vector<Cas> corpus = {
    // expressions
    {"2x+3", 1, "", false},
    {"3x^2-5x+2", 1, "", false},
    {"(x+1)*(x-1)", 1, "", false},
    {"2*(x+3)", 2, "2*(x+3)-x", false},
    {"x^2-4", 1, "", false},
    {"x^2+6x+9", 1, "", false},
    {"(2x+1)^2", 1, "", false},
    {"1/x+2/x", 1, "", false},
    {"(x+1)/(x-1)", 1, "", false},
    {"sqrt(12)", 1, "", false},
    {"sqrt(2)*sqrt(3)", 1, "", false},
    {"2+3", 1, "", false},
    {"1500", 1, "", false},
    {"3x-(2x+1)", 1, "", false},
    {"(1/2)*(3/4)", 1, "", false},
    {"x^3-x", 1, "", false},
    {"2x+3x-5+x^2", 1, "", false},
    {"(x-2)*(x+5)-(x-2)*(3x+1)", 1, "", false},
    {"x/2+x/3", 1, "", false},
    {"4x^2-12x+9", 1, "", false},
    // equations and inequations
    {"2x=4", 1, "", false},
    {"3x+1=2x-5", 1, "", false},
    {"x^2-4=0", 1, "", false},
    {"(x-1)*(x+2)=0", 2, "x^2+x-2=0", false},
    {"2(x+1)=3x-4", 1, "", false},
    {"x-1>0", 1, "", false},
    {"2x+3<5", 1, "", false},
    {"(x-1)*(x+2)<=0", 1, "", false},
    {"x^2-4>=0", 1, "", false},
    {"(x+1)/(x-3)>0", 1, "", false},
    {"3x-2<x+4", 1, "", false},
    // systems and their lines
    {systeme, 1, "", false},
    {"{x+y=2\r\nx-y=0}", 1, "", false},
    {"{a+b=3\r\na-b=1}", 1, "", false},
    {"x=1+y", 3, systeme, false},
    {"y=2", 4, systeme, false},
    // vectors
    {"AB..arrow+BC..arrow", 1, "", true},
    {"AB..arrow-CB..arrow+CD..arrow", 1, "", true},
    {"AB..arrow", 1, "", true},
    {"AC..arrow+CB..arrow+BA..arrow", 1, "", true},
};

void une_mise_a_jour(const Cas &c)
{
    partage.etape = c.etape;
    partage.mode_vecteurs = c.vecteurs;
    EtatMenus etat;
    etat.base = c.base.empty() ? c.texte : c.base;
    if (c.etape > 1 && c.base == systeme)
        partage.nature_exercice = 6;
    benchmark::DoNotOptimize(met_a_jour_menus(c.texte, etat));
}

void BM_met_a_jour_menus(benchmark::State &state)
{
    remet_a_zero_complet();
    outils::Durees durees;
    for (auto _ : state) {
        for (const Cas &c : corpus) {
            durees.mesure([&] { une_mise_a_jour(c); });
        }
    }
    durees.rapporte(state);
}
BENCHMARK(BM_met_a_jour_menus)->Unit(benchmark::kMillisecond);

// One statement at a time, to see which ones cost most.
void BM_met_a_jour_menus_par_enonce(benchmark::State &state)
{
    remet_a_zero_complet();
    const Cas &c = corpus[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(c.texte.substr(0, c.texte.find('\r')));
    for (auto _ : state)
        une_mise_a_jour(c);
}
BENCHMARK(BM_met_a_jour_menus_par_enonce)
    ->DenseRange(0, static_cast<int>(corpus.size()) - 1)
    ->Unit(benchmark::kMicrosecond);

} // namespace
