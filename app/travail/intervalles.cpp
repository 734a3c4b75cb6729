#include "app/travail/intervalles.h"

BornesIntervalles bornes_partagees() { return {}; }
void pose_bornes(const BornesIntervalles &) {}
std::string code_intervalle(bool, bool) { return {}; }
std::string texte_domaine(const BornesIntervalles &) { return {}; }
std::string texte_domaine() { return {}; }
void lit_bornes(std::string_view) {}
std::string bouton_intervalle(int, const std::string &texte) { return texte; }
FrappeArgument frappe_argument(Saisie saisie, Message, bool) { return {saisie, false}; }
std::string FenetreArgument::ouvre(const std::string &) { return {}; }
int FenetreArgument::taille_police() const { return 18; }
bool FenetreArgument::barre_intervalles_visible() const { return false; }
SuiteArgument FenetreArgument::terminer(const std::string &) { return {}; }
SuiteArgument FenetreArgument::annule() { return {}; }
void FenetreArgument::remet_bornes() const {}
void valide_domaine(const std::string &) {}
