#include "app/travail/reponse.h"

bool verifie_reponse(const std::string &) { return false; }
FenetreResultat resultat() { return {}; }
std::string felicitations() { return {}; }
bool bouton_fermer_eclaire(int, int) { return false; }
std::optional<AideOuverte> ouvre_aide(int) { return std::nullopt; }
Confirmation demander_confirmation(const std::string &question, int action, bool sortie)
{
    return {question, action, sortie};
}
Suite oui(const Confirmation &c) { return c.sortie ? Suite::sauver_puis_fermer : Suite::sauver; }
Suite non(const Confirmation &) { return Suite::fermer; }
