#include "algebra/factorisation.h"

std::string factorise(std::string &) { return "Erreur"; }
bool facteur_commun(std::string &, std::string &) { return false; }
std::string difference_de_carres(const std::string &, const std::string &) { return "Erreur"; }
std::string carre_parfait(const std::string &, int, int, int) { return "Erreur"; }
std::string racine_de(const std::string &f) { return "sqrt(" + f + ")"; }
int signe_sur_domaine(const std::string &) { return 0; }
