#include "algebra/racines_carrees.h"
#include "cli/registre.h"

namespace cli {

void enregistre_racines_carrees(Registre &r)
{
    r.operation("simplifie_entier", {"TEXTE"}, sur_le_texte(simplifie_entier));
    r.operation("simplifie_racines", {"TEXTE"}, [](const Arguments &a) { return simplifie_racines(a[0]); });
    r.operation("fusionne_racines", {"TEXTE"}, [](const Arguments &a) { return fusionne_racines(a[0]); });
    r.operation("decompose_racine", {"TEXTE"}, sur_le_texte(decompose_racine));
    r.operation("recompose_racine", {"TEXTE"}, sur_le_texte(recompose_racine));
    r.operation("met_sous_racine", {"TEXTE"}, sur_le_texte([](std::string &t) { return met_sous_racine(t, true); }));
}

} // namespace cli
