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
    r.operation("multiplie_haut_et_bas", {"TEXTE", "K"},
                [](const Arguments &a) { return multiplie_haut_et_bas(a[0], a[1]); });
    r.operation("factorise_par", {"TEXTE", "F"}, [](const Arguments &a) { return factorise_par(a[0], a[1]); });
    r.operation("divise_par_binome", {"TEXTE", "F"},
                [](const Arguments &a) { return divise_par_binome(a[0], a[1]); });
}

} // namespace cli
