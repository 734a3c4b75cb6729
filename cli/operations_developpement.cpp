#include "algebra/developpement.h"
#include "app/travail/contexte.h"
#include "cli/registre.h"

namespace cli {

void enregistre_developpement(Registre &r)
{
    r.operation("ordonne", {"TEXTE"}, sur_le_texte(ordonne));
    r.operation("developpe", {"TEXTE"},
                sur_le_texte([](std::string &t) { return developpe(t, options_calcul()); }));
    r.operation("enleve_parentheses", {"TEXTE"}, sur_le_texte(enleve_parentheses));
    r.operation("en_somme", {"TEXTE"}, sur_le_texte(en_somme));
    r.operation("distribue", {"A", "B", "OPERATEUR"},
                [](const Arguments &a) { return distribue(a[0], a[1], a[2], options_calcul().reduire); });
    r.operation("puissance_developpee", {"TEXTE", "I"}, [](const Arguments &a) {
        return puissance_developpee(entier(a[1]), TDalgebre(a[0]), options_calcul().reduire);
    });
}

} // namespace cli
