#include "algebra/racines_carrees.h"
#include "cli/registre.h"

namespace cli {

void enregistre_racines_carrees(Registre &r)
{
    r.operation("simplifie_entier", {"TEXTE"}, [](const Arguments &a) {
        std::string t = a[0];
        simplifie_entier(t);
        return t;
    });
    r.operation("simplifie_racines", {"TEXTE"}, [](const Arguments &a) { return simplifie_racines(a[0]); });
    r.operation("fusionne_racines", {"TEXTE"}, [](const Arguments &a) { return fusionne_racines(a[0]); });
    r.operation("decompose_racine", {"TEXTE"}, [](const Arguments &a) {
        std::string t = a[0];
        const bool fait = decompose_racine(t);
        return drapeau(fait, t);
    });
    r.operation("recompose_racine", {"TEXTE"}, [](const Arguments &a) {
        std::string t = a[0];
        const bool fait = recompose_racine(t);
        return drapeau(fait, t);
    });
}

} // namespace cli
