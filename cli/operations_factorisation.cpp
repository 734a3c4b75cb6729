#include "algebra/factorisation.h"
#include "algebra/intervalle.h"
#include "algebra/trinome.h"
#include "app/travail/contexte.h"
#include "cli/registre.h"
#include "core/partage.h"

namespace cli {

namespace {

// A factoring that does not apply prints "Erreur", as the command always has.
std::string ou_erreur(const std::optional<std::string> &resultat) { return resultat.value_or("Erreur"); }

} // namespace

void enregistre_factorisation(Registre &r)
{
    r.option("domaine", "\"domain(x,INF,SUP,CODE)\"",
             [](const std::string &v) { lit_intervalles(v, partage.domaine); });

    r.operation("factorise", {"TEXTE"}, [](const Arguments &a) {
        const Issue issue = factorise(EnonceLu(a[0]), options_calcul());
        return issue ? champs({issue->texte, issue->complement}) : champs({"Erreur", ""});
    });
    r.operation("facteur_commun", {"TEXTE"}, [](const Arguments &a) {
        const std::optional<FacteurCommun> commun = facteur_commun(EnonceLu(a[0]));
        return commun ? champs({drapeau(true, commun->texte), "(" + commun->facteur + ")"})
                      : champs({drapeau(false, a[0]), ""});
    });
    r.operation("difference_de_carres", {"A", "B"},
                [](const Arguments &a) { return ou_erreur(difference_de_carres(a[0], a[1])); });
    r.operation("carre_parfait", {"TEXTE"}, [](const Arguments &a) {
        const Issue issue = carre_parfait(EnonceLu(a[0]), true);
        return issue ? issue->texte : "Erreur";
    });
    r.operation("factorise_trinome", {"TEXTE"}, [](const Arguments &a) {
        std::string discriminant;
        const std::string resultat = ou_erreur(factorise_trinome(a[0], discriminant));
        return champs({resultat, discriminant});
    });
    r.operation("racine_de", {"TEXTE"}, [](const Arguments &a) { return racine_de(a[0]); });
    r.operation("signe_sur_domaine", {"TEXTE"},
                [](const Arguments &a) { return nombre(signe_sur_domaine(a[0], partage.domaine)); });
}

} // namespace cli
