#include "algebra/intervalle.h"

#include <algorithm>

#include "algebra/algebre.h"

namespace {

// One interval "domain(x,lower,upper,code)": the bounds follow the first "x"
// and its comma. False, and nothing changed, when a bound is missing.
bool lit_intervalle(std::string_view t, std::string &inf, std::string &sup, bool &ouvert_bas, bool &ouvert_haut)
{
    const std::size_t x = t.find('x');
    if (x == std::string_view::npos || x + 2 > t.size())
        return false;
    const std::size_t debut = x + 2;
    const std::size_t virgule_1 = t.find(',', debut);
    const std::size_t virgule_2 = virgule_1 == std::string_view::npos ? virgule_1 : t.find(',', virgule_1 + 1);
    if (virgule_2 == std::string_view::npos)
        return false;
    inf = t.substr(debut, virgule_1 - debut);
    sup = t.substr(virgule_1 + 1, virgule_2 - virgule_1 - 1);
    const std::string_view code = t.substr(virgule_2 + 1, 2);
    for (const bool bas : {true, false})
        for (const bool haut : {true, false})
            if (code == code_intervalle(bas, haut)) {
                ouvert_bas = bas;
                ouvert_haut = haut;
            }
    return true;
}

} // namespace

std::string code_intervalle(bool ouvert_bas, bool ouvert_haut)
{
    if (ouvert_bas)
        return ouvert_haut ? "12" : "14";
    return ouvert_haut ? "15" : "13";
}

bool lit_intervalles(std::string_view texte, BornesIntervalles &b)
{
    const std::string t = sans_blancs(texte);
    b.borne_inf_2.clear();
    b.borne_sup_2.clear();
    b.crochet_2a = true;
    b.crochet_2b = true;
    b.suivants.clear();
    const std::string_view vue(t);
    bool lues = true;
    std::size_t debut = 0;
    for (int rang = 0; debut <= vue.size(); ++rang) {
        const std::size_t ou = std::min(vue.find("or", debut), vue.size());
        const std::string_view partie = vue.substr(debut, ou - debut);
        if (rang == 0) {
            lues = lit_intervalle(partie, b.borne_inf_1, b.borne_sup_1, b.crochet_1a, b.crochet_1b) && lues;
        } else if (rang == 1) {
            lues = lit_intervalle(partie, b.borne_inf_2, b.borne_sup_2, b.crochet_2a, b.crochet_2b) && lues;
        } else {
            Intervalle i;
            lues = lit_intervalle(partie, i.bas, i.haut, i.bas_ouvert, i.haut_ouvert) && lues;
            b.suivants.push_back(std::move(i));
        }
        debut = ou + 2;
    }
    return lues;
}
