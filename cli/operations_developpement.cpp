#include "algebra/developpement.h"
#include "app/travail/contexte.h"
#include "cli/registre.h"

namespace cli {

namespace {

Issue developpe_avec_les_options(const EnonceLu &enonce) { return developpe(enonce, options_calcul()); }

} // namespace

void enregistre_developpement(Registre &r)
{
    r.operation("ordonne", {"TEXTE"}, sur_l_enonce(ordonne));
    r.operation("developpe", {"TEXTE"}, sur_l_enonce(developpe_avec_les_options));
    r.operation("enleve_parentheses", {"TEXTE"}, sur_l_enonce(enleve_parentheses));
    r.operation("en_somme", {"TEXTE"}, sur_l_enonce(en_somme));
    r.operation("distribue", {"A", "B", "OPERATEUR"},
                [](const Arguments &a) { return distribue(a[0], a[1], a[2], options_calcul().reduire); });
    r.operation("puissance_developpee", {"TEXTE", "I"}, [](const Arguments &a) {
        return puissance_developpee(EnonceLu(a[0]), entier(a[1]), options_calcul().reduire);
    });
}

} // namespace cli
