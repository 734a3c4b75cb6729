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
                [](const Arguments &a) { return std::string(est_vecteur_seul(EnonceLu(a[0])) ? "true" : "false"); });
    r.operation("enleve_moins_vecteurs", {"TEXTE"}, sur_l_enonce(enleve_moins_vecteurs));
    r.operation("chasles", {"TEXTE"}, [](const Arguments &a) {
        const Issue issue = chasles(EnonceLu(a[0]));
        return issue ? issue->texte : a[0];
    });
    r.operation("vecteur_nul", {"TEXTE"}, sur_le_texte(vecteur_nul));
}

} // namespace cli
