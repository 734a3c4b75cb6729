// Ordering, developing and factoring run on every step, and the action menus
// try them on a copy of each new step: one call per operation on typical
// pupils' statements. Google Benchmark reports the median of its repetitions.

#include <benchmark/benchmark.h>

#include <string>

#include "algebra/developpement.h"
#include "algebra/factorisation.h"
#include "core/partage.h"

namespace {

// The state a pupil's session runs with.
void prepare()
{
    remet_a_zero_complet();
}

// Developing as the pupil's action runs it with the options on.
Issue developpe_par_defaut(const EnonceLu &enonce) { return developpe(enonce, OptionsCalcul{}); }

// The statement read once, as the menus do, then the operation on it.
void texte_modifie(benchmark::State &etat, Issue (*operation)(const EnonceLu &), const std::string &texte)
{
    prepare();
    for (auto _ : etat) {
        const EnonceLu enonce(texte);
        benchmark::DoNotOptimize(operation(enonce));
    }
}

void factorisation(benchmark::State &etat, const std::string &texte)
{
    prepare();
    for (auto _ : etat)
        benchmark::DoNotOptimize(factorise(EnonceLu(texte), OptionsCalcul{}));
}

void facteur(benchmark::State &etat, const std::string &texte)
{
    prepare();
    for (auto _ : etat)
        benchmark::DoNotOptimize(facteur_commun(EnonceLu(texte)));
}

void distribution(benchmark::State &etat, const std::string &a, const std::string &b)
{
    prepare();
    for (auto _ : etat)
        benchmark::DoNotOptimize(distribue(a, b, "*", true));
}

void puissance(benchmark::State &etat, const std::string &texte, int i)
{
    prepare();
    const EnonceLu enonce(texte);
    for (auto _ : etat)
        benchmark::DoNotOptimize(puissance_developpee(enonce, i, true));
}

void difference(benchmark::State &etat, const std::string &a, const std::string &b)
{
    prepare();
    for (auto _ : etat)
        benchmark::DoNotOptimize(difference_de_carres(a, b));
}

void carre(benchmark::State &etat, const std::string &texte)
{
    prepare();
    for (auto _ : etat)
        benchmark::DoNotOptimize(carre_parfait(EnonceLu(texte), true));
}

void racine(benchmark::State &etat, const std::string &texte)
{
    prepare();
    for (auto _ : etat)
        benchmark::DoNotOptimize(racine_de(texte));
}

void signe(benchmark::State &etat, const std::string &texte)
{
    prepare();
    for (auto _ : etat)
        benchmark::DoNotOptimize(signe_sur_domaine(texte, {}));
}

} // namespace

#define REPETE ->Repetitions(9)->ReportAggregatesOnly(true)

BENCHMARK_CAPTURE(texte_modifie, ordonne_trinome, ordonne, std::string("2x+3x^2-1")) REPETE;
BENCHMARK_CAPTURE(texte_modifie, ordonne_refuse, ordonne, std::string("2*(x+1)+3")) REPETE;
BENCHMARK_CAPTURE(texte_modifie, developpe_produit, developpe_par_defaut, std::string("(x+1)*(x-1)")) REPETE;
BENCHMARK_CAPTURE(texte_modifie, developpe_carre, developpe_par_defaut, std::string("(2x+3)^2")) REPETE;
BENCHMARK_CAPTURE(texte_modifie, developpe_trois_facteurs, developpe_par_defaut, std::string("2*(x+1)*(x-3)")) REPETE;
BENCHMARK_CAPTURE(texte_modifie, developpe_racine, developpe_par_defaut, std::string("sqrt(2)*(x+sqrt(2))")) REPETE;
BENCHMARK_CAPTURE(texte_modifie, developpe_refuse, developpe_par_defaut, std::string("3x^2-5x+2")) REPETE;
BENCHMARK_CAPTURE(texte_modifie, developpe_dix_termes, developpe_par_defaut,
                  std::string("x+2*(x+1)+3+4+5+6+7+8+(x+1)^2-x")) REPETE;
BENCHMARK_CAPTURE(texte_modifie, ordonne_dix_termes, ordonne, std::string("1+x+x^2+x^3+x^4+x^5+x^6+x^7+x^8-x^2")) REPETE;
BENCHMARK_CAPTURE(texte_modifie, enleve_parentheses, enleve_parentheses, std::string("(2x+1)-(x-3)")) REPETE;
BENCHMARK_CAPTURE(texte_modifie, en_somme, en_somme, std::string("3*x")) REPETE;
BENCHMARK_CAPTURE(distribution, distribue, std::string("x+1"), std::string("x-1")) REPETE;
BENCHMARK_CAPTURE(puissance, puissance_developpee, std::string("2*(x+1)^3"), 2) REPETE;
BENCHMARK_CAPTURE(factorisation, factorise_difference, std::string("x^2-4")) REPETE;
BENCHMARK_CAPTURE(factorisation, factorise_facteur_commun, std::string("3x+3y")) REPETE;
BENCHMARK_CAPTURE(factorisation, factorise_x_commun, std::string("x^2+x")) REPETE;
BENCHMARK_CAPTURE(factorisation, factorise_carre, std::string("4x^2+12x+9")) REPETE;
BENCHMARK_CAPTURE(factorisation, factorise_refuse, std::string("3x^2+x+2")) REPETE;
BENCHMARK_CAPTURE(factorisation, factorise_produit, std::string("(x+1)*(x-1)")) REPETE;
BENCHMARK_CAPTURE(facteur, facteur_commun, std::string("2*(x+1)+x*(x+1)")) REPETE;
BENCHMARK_CAPTURE(difference, difference_de_carres, std::string("4*x^2"), std::string("9")) REPETE;
BENCHMARK_CAPTURE(carre, carre_parfait, std::string("x^2+2*x+1")) REPETE;
BENCHMARK_CAPTURE(racine, racine_de, std::string("(x+1)^2")) REPETE;
BENCHMARK_CAPTURE(signe, signe_sur_domaine_constant, std::string("4")) REPETE;
BENCHMARK_CAPTURE(signe, signe_sur_domaine_change, std::string("2x-1")) REPETE;
BENCHMARK_CAPTURE(signe, signe_sur_domaine_positif, std::string("x^2+1")) REPETE;
