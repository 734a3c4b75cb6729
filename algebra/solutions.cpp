#include "algebra/solutions.h"

void mise_en_facteurs(std::string &) {}
bool racine_lineaire(std::string_view, std::string &racine) { racine.clear(); return false; }
bool resout(std::string &, std::string &, std::string &, std::string &) { return false; }
void complete_racines(std::string_view, std::string &, std::string &, std::string &) {}
void coefficient_de_tete(std::string &) {}
bool forme_canonique(std::string &) { return false; }
void arrondit_nombre(std::string &) {}
void formate_solutions(std::string &, int) {}
std::string texte_intervalle(std::string_view, std::string_view, std::string_view, int,
                             std::string_view, std::string_view, std::string_view,
                             std::string_view, std::string_view)
{
    return {};
}
