#include "algebra/vecteurs.h"
#include "cli/registre.h"

namespace cli {

void enregistre_vecteurs(Registre &r)
{
    r.operation("decompose_vecteur", {"TEXTE", "P"}, [](const Arguments &a) {
        std::string t = a[0];
        decompose_vecteur(t, a[1]);
        return t;
    });
    r.operation("est_vecteur_seul", {"TEXTE"},
                [](const Arguments &a) { return std::string(est_vecteur_seul(a[0]) ? "true" : "false"); });
    r.operation("enleve_moins_vecteurs", {"TEXTE"}, [](const Arguments &a) {
        std::string t = a[0];
        const bool change = enleve_moins_vecteurs(t);
        return drapeau(change, t);
    });
    r.operation("chasles", {"TEXTE"}, [](const Arguments &a) {
        std::string t = a[0];
        chasles(t);
        return t;
    });
    r.operation("vecteur_nul", {"TEXTE"}, [](const Arguments &a) {
        std::string t = a[0];
        vecteur_nul(t);
        return t;
    });
}

} // namespace cli
