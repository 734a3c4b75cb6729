#include "algebra/fractions.h"
#include "cli/registre.h"

namespace cli {

void enregistre_fractions(Registre &r)
{
    r.operation("additionne_numerateurs", {"TEXTE"},
                [](const Arguments &a) { return drapeau(additionne_numerateurs(EnonceLu(a[0])), a[0]); });
    r.operation("reduit_au_denominateur", {"TEXTE", "DENOMINATEUR?"}, [](const Arguments &a) {
        return drapeau(reduit_au_denominateur(EnonceLu(a[0]), a.size() > 1 ? a[1] : std::string()), a[0]);
    });
    // The new text, or nothing when the operation refuses.
    const auto texte_ou_rien = [](const Issue &issue) { return issue ? issue->texte : std::string(); };
    r.operation("multiplie_haut_et_bas", {"TEXTE", "K"},
                [=](const Arguments &a) { return texte_ou_rien(multiplie_haut_et_bas(EnonceLu(a[0]), a[1])); });
    r.operation("factorise_par", {"TEXTE", "F"},
                [=](const Arguments &a) { return texte_ou_rien(factorise_par(EnonceLu(a[0]), a[1])); });
    r.operation("divise_par_binome", {"TEXTE", "F"},
                [=](const Arguments &a) { return texte_ou_rien(divise_par_binome(EnonceLu(a[0]), a[1])); });
}

} // namespace cli
