// The longest statement the program accepts, typed into the work window: the
// window splits it into parts and updates the menus at every keystroke, so
// one such update must stay within a frame. Reports the time of one update
// and the peak memory of the process.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <string>
#include <vector>

#include "app/travail/travail.h"
#include "core/encodage.h"
#include "core/partage.h"

namespace {

// A statement of exactly `LONGUEUR_TEXTE_MAX` characters made by repeating a piece.
std::string repete(const std::string &debut, const std::string &piece, const std::string &fin)
{
    std::string t = debut;
    while (t.size() + piece.size() + fin.size() <= LONGUEUR_TEXTE_MAX)
        t += piece;
    t += fin;
    t.resize(LONGUEUR_TEXTE_MAX - fin.size());
    return t + fin;
}

const std::vector<std::pair<const char *, std::string>> enonces = {
    {"somme", repete("x", "+3x^2-5x", "")},
    {"produit", repete("(x+1)", "*(x-2)", "")},
    {"parentheses", std::string(LONGUEUR_TEXTE_MAX / 2 - 1, '(') + "x+" + std::string(LONGUEUR_TEXTE_MAX / 2 - 1, ')')},
    {"equation", repete("2x", "+3(x-1)", "=0")},
    {"systeme", repete("{x+y=2\r\n", "+x", "-y=0}")},
    {"fractions", repete("1/x", "+2/(x-1)", "")},
    {"racines", repete("sqrt(2)", "+sqrt(12)", "")},
    {"vecteurs", repete("AB..arrow", "+BC..arrow", "")},
    {"lettres", repete("ab", "+2ac-3bcd", "")},
};

double memoire_max_mo()
{
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return static_cast<double>(r.ru_maxrss) / 1024.0;
}

void BM_enonce_le_plus_long(benchmark::State &state)
{
    const auto &[nom, texte] = enonces[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(nom);
    remet_a_zero_complet();
    Travail travail;
    bool alterne = false;
    for (auto _ : state) {
        // Each keystroke changes the text: one character more, then one less.
        alterne = !alterne;
        travail.MthX1Change(alterne ? texte : texte.substr(0, texte.size() - 1));
    }
    state.counters["memoire_max_Mo"] = memoire_max_mo();
}
BENCHMARK(BM_enonce_le_plus_long)
    ->DenseRange(0, static_cast<int>(enonces.size()) - 1)
    ->Unit(benchmark::kMillisecond);

} // namespace
