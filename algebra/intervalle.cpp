#include "algebra/intervalle.h"

#include "algebra/algebre.h"
#include "core/partage.h"

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

BornesIntervalles bornes_partagees()
{
    const Partage &p = partage;
    return {p.borne_inf_1, p.borne_sup_1, p.borne_inf_2, p.borne_sup_2,
            p.crochet_1a,  p.crochet_1b,  p.crochet_2a,  p.crochet_2b};
}

void pose_bornes(const BornesIntervalles &b)
{
    Partage &p = partage;
    p.borne_inf_1 = b.borne_inf_1;
    p.borne_sup_1 = b.borne_sup_1;
    p.borne_inf_2 = b.borne_inf_2;
    p.borne_sup_2 = b.borne_sup_2;
    p.crochet_1a = b.crochet_1a;
    p.crochet_1b = b.crochet_1b;
    p.crochet_2a = b.crochet_2a;
    p.crochet_2b = b.crochet_2b;
}

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
    const std::size_t ou = t.find("or");
    const std::string_view vue(t);
    if (ou == std::string::npos)
        return lit_intervalle(vue, b.borne_inf_1, b.borne_sup_1, b.crochet_1a, b.crochet_1b);
    const bool premier = lit_intervalle(vue.substr(0, ou), b.borne_inf_1, b.borne_sup_1, b.crochet_1a, b.crochet_1b);
    const bool second = lit_intervalle(vue.substr(ou + 2), b.borne_inf_2, b.borne_sup_2, b.crochet_2a, b.crochet_2b);
    return premier && second;
}

bool lit_bornes(std::string_view texte)
{
    BornesIntervalles b = bornes_partagees();
    const bool lu = lit_intervalles(texte, b);
    pose_bornes(b);
    return lu;
}
