#include "algebra/vecteurs.h"
#include "cli/registre.h"

namespace cli {

namespace {
// The new text, or the text given when the operation does not apply.
Execution texte_ou_donne(Issue (*operation)(const EnonceLu &))
{
    return [operation](const Arguments &a) {
        const Issue issue = operation(EnonceLu(a[0]));
        return issue ? issue->texte : a[0];
    };
}
} // namespace

void enregistre_vecteurs(Registre &r)
{
    r.operation("decompose_vecteur", {"TEXTE", "P"}, [](const Arguments &a) {
        const Issue issue = decompose_vecteur(EnonceLu(a[0]), a[1]);
        return issue ? issue->texte : a[0];
    });
    r.operation("est_vecteur_seul", {"TEXTE"},
                [](const Arguments &a) { return std::string(est_vecteur_seul(EnonceLu(a[0])) ? "true" : "false"); });
    r.operation("enleve_moins_vecteurs", {"TEXTE"}, sur_l_enonce(enleve_moins_vecteurs));
    r.operation("chasles", {"TEXTE"}, texte_ou_donne(chasles));
    r.operation("vecteur_nul", {"TEXTE"}, texte_ou_donne(vecteur_nul));
}

} // namespace cli
