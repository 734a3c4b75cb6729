#include "algebra/enonces.h"
#include "app/travail/contexte.h"
#include "cli/registre.h"
#include "core/partage.h"

namespace cli {

namespace {
std::string vrai_faux(bool v) { return v ? "true" : "false"; }
} // namespace

void enregistre_enonces(Registre &r)
{
    // Step 1 of the work (the base statement) for substitue and met_a_jour_menus.
    r.option("base", "TEXTE", [](const std::string &v) { partage.expression_base = v; });
    r.option("mode-vecteurs", "0|1", [](const std::string &v) { partage.mode_vecteurs = entier(v) != 0; });

    // The new statement, or the text given when the operation refuses.
    r.operation("ajoute_aux_membres", {"TEXTE", "T"}, [](const Arguments &a) {
        const Issue issue = ajoute_aux_membres(EnonceLu(a[0]), a[1], options_calcul());
        return issue ? issue->texte : a[0];
    });
    r.operation("multiplie_membres", {"TEXTE", "K"}, [](const Arguments &a) {
        const Issue issue = multiplie_membres(EnonceLu(a[0]), a[1], options_calcul());
        return issue ? issue->texte : a[0];
    });
    r.operation("combine_systeme", {"TEXTE", "OP"}, [](const Arguments &a) {
        const Issue issue = a[1].size() == 1 ? combine_systeme(EnonceLu(a[0]), a[1][0]) : refuse();
        return issue ? issue->texte : a[0];
    });
    // Prints the code (0, 1 for x, 2 for y), the text, then the value remembered.
    r.operation("substitue", {"TEXTE", "ETAPE", "CIBLE"}, [](const Arguments &a) {
        const std::optional<Substitution> s =
            substitue(EnonceLu(a[0]), entier(a[1]), entier(a[2]), EnonceLu(partage.expression_base));
        if (!s)
            return champs({"0", a[0], ""});
        retient_substitution(*s);
        return champs({std::to_string(s->isolee.variable), s->systeme, s->isolee.valeur});
    });
    r.operation("remplace_x", {"TEXTE", "VALEUR"}, [](const Arguments &a) {
        const Issue issue = remplace_x(EnonceLu(a[0]), a[1]);
        return champs({issue ? issue->texte : a[0], issue ? "oui" : "non"});
    });
    r.operation("ecriture_scientifique", {"TEXTE"}, sur_l_enonce(ecriture_scientifique));
    r.operation("contient_i", {"TEXTE"}, [](const Arguments &a) { return std::to_string(contient_i(a[0])); });
    r.operation("est_calculable", {"TEXTE"}, [](const Arguments &a) { return vrai_faux(est_calculable(EnonceLu(a[0]))); });
    r.operation("est_produit_de_fractions", {"TEXTE"},
                [](const Arguments &a) { return vrai_faux(est_produit_de_fractions(EnonceLu(a[0]))); });
}

} // namespace cli
