#include "algebra/racines_carrees.h"
#include "app/travail/contexte.h"
#include "cli/registre.h"

namespace cli {

void enregistre_racines_carrees(Registre &r)
{
    r.operation("simplifie_entier", {"TEXTE"}, sur_le_texte(simplifie_entier));
    r.operation("simplifie_racines", {"TEXTE"}, [](const Arguments &a) { return simplifie_racines(a[0]); });
    r.operation("fusionne_racines", {"TEXTE"}, [](const Arguments &a) { return fusionne_racines(a[0]); });
    r.operation("decompose_racine", {"TEXTE"},
                [](const Arguments &a) { return drapeau(decompose_racine(EnonceLu(a[0])), a[0]); });
    r.operation("recompose_racine", {"TEXTE"},
                [](const Arguments &a) { return drapeau(recompose_racine(EnonceLu(a[0])), a[0]); });
    r.operation("met_sous_racine", {"TEXTE"},
                [](const Arguments &a) { return drapeau(met_sous_racine(EnonceLu(a[0]), options_calcul()), a[0]); });
}

} // namespace cli
