// A whole step of the work window (the action, the recording of the step and
// the menus on the new step) along the roads a pupil takes: the median and
// the 99th percentile of one step.

#include <benchmark/benchmark.h>

#include <functional>
#include <string>
#include <vector>

#include "app/travail/travail.h"
#include "bench/outils/statistiques.h"
#include "core/partage.h"

namespace {

using Pas = std::function<void(Travail &)>;

Pas tape(std::string texte)
{
    return [texte](Travail &t) { t.MthX1Change(texte); };
}
Pas clic(std::string panneau)
{
    return [panneau](Travail &t) { t.clic_panneau(panneau); };
}
Pas clic_argument(std::string panneau, std::string argument)
{
    return [panneau, argument](Travail &t) {
        t.clic_panneau(panneau);
        t.affiche(argument);
    };
}
Pas partie(int k)
{
    return [k](Travail &t) { t.ComboBox1Click(k); };
}
Pas efface() { return [](Travail &t) { t.Image17Click(); }; }

const std::vector<std::vector<Pas>> routes = {
    // expression
    {tape("(x+1)*(x+2)+3*x"), partie(0), clic("Panel5"), clic("Panel8"), clic("Panel7"), clic("Panel6")},
    // equation
    {tape("2*(x+1)=4"), partie(0), clic("Panel5"), clic("Panel8"), clic_argument("Panel11", "2"),
     clic_argument("Panel1", "2"), clic("Panel5"), efface()},
    // inequations
    {tape("x^2-1>=0"), partie(0), clic("Panel6"), clic("Panel8"), clic("Panel5")},
    {tape("2*x-4<0"), clic_argument("Panel10", "4"), clic_argument("Panel1", "2"), clic("Panel5")},
    // system
    {tape("{x+y=3\r\nx-y=1}"), partie(0), clic_argument("Panel11", "x"), clic("Panel4"), partie(1),
     clic_argument("Panel10", "3"), clic_argument("Panel1", "2"), clic("Panel8"), partie(0),
     clic_argument("Panel11", "2"), clic("Panel5")},
    // vectors
    {tape("AB..arrow+BC..arrow-AC..arrow"), clic("Panel7"), clic("Panel7"), clic("Panel7")},
    // other forms of a sum
    {tape("x+2+3+4"), clic("Panel4"), clic("Panel4"), clic("Panel4"), clic("Panel4"), clic("Panel4")},
    // roots and fractions
    {tape("sqrt(12)+sqrt(27)"), clic("Panel10"), clic("Panel19")},
    {tape("1/x+2/(x+1)"), clic("Panel11"), clic("Panel1")},
};

void BM_etape_sur_les_routes(benchmark::State &state)
{
    remet_a_zero_complet();
    outils::Durees durees;
    for (auto _ : state) {
        for (const std::vector<Pas> &route : routes) {
            Travail travail;
            travail.FormActivate("");
            for (const Pas &pas : route) {
                durees.mesure([&] { pas(travail); });
            }
            benchmark::DoNotOptimize(travail.etapes);
        }
    }
    durees.rapporte(state);
}
BENCHMARK(BM_etape_sur_les_routes)->Unit(benchmark::kMillisecond);

} // namespace
