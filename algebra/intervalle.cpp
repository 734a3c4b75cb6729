#include "algebra/intervalle.h"

#include <string>

#include "core/algebre.h"
#include "core/partage.h"

namespace {

void lit_intervalle(std::string_view t, std::string &inf, std::string &sup, bool &ouvert_a, bool &ouvert_b)
{
    const std::size_t x = t.find('x');
    if (x == std::string_view::npos || x + 2 > t.size())
        return;
    const std::size_t debut = x + 2;
    const std::size_t virgule_1 = t.find(',', debut);
    if (virgule_1 == std::string_view::npos)
        return;
    const std::size_t virgule_2 = t.find(',', virgule_1 + 1);
    if (virgule_2 == std::string_view::npos)
        return;
    inf = t.substr(debut, virgule_1 - debut);
    sup = t.substr(virgule_1 + 1, virgule_2 - virgule_1 - 1);
    const std::string_view code = t.substr(virgule_2 + 1, 2);
    if (code == "12")
        ouvert_a = true, ouvert_b = true;
    else if (code == "14")
        ouvert_a = true, ouvert_b = false;
    else if (code == "15")
        ouvert_a = false, ouvert_b = true;
    else if (code == "13")
        ouvert_a = false, ouvert_b = false;
}

} // namespace

void lit_domaine(std::string_view texte)
{
    const std::string t = sans_blancs(texte);
    Partage &p = partage;
    p.borne_inf_2.clear();
    p.borne_sup_2.clear();
    p.crochet_2a = true;
    p.crochet_2b = true;
    const std::size_t ou = t.find("or");
    if (ou == std::string::npos) {
        lit_intervalle(t, p.borne_inf_1, p.borne_sup_1, p.crochet_1a, p.crochet_1b);
        return;
    }
    lit_intervalle(std::string_view(t).substr(0, ou), p.borne_inf_1, p.borne_sup_1, p.crochet_1a, p.crochet_1b);
    lit_intervalle(std::string_view(t).substr(ou + 2), p.borne_inf_2, p.borne_sup_2, p.crochet_2a, p.crochet_2b);
}
