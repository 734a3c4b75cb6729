#include "algebra/solutions.h"
#include "algebra/tableau_signes.h"
#include "app/travail/contexte.h"
#include "cli/registre.h"
#include "core/partage.h"

namespace cli {

namespace {

// A row of a sign table on one line: its formula, then the cell of each
// interval and the mark of each column in turn.
std::string ligne_de_signes(const LigneSignes &ligne)
{
    std::string texte = ligne.formule;
    for (std::size_t i = 0; i < ligne.signes.size(); ++i)
        texte += "\t" + ligne.signes[i] + (i < ligne.marques.size() ? "\t" + ligne.marques[i] : "");
    return texte;
}

// The sign table, "false" when it cannot be drawn: the row of x (the roots
// between empty interval cells), a row per factor, the row of the member.
std::string tableau_de_signes(const Arguments &a)
{
    const TableauSignes t = calcule_tableau_signes(EnonceLu(a[0]));
    if (!t.valide)
        return "false";
    std::string texte = "x";
    for (const std::string &racine : t.racines)
        texte += "\t\t" + racine;
    texte += "\t";
    for (const LigneSignes &ligne : t.facteurs)
        texte += "\n" + ligne_de_signes(ligne);
    return texte + "\n" + ligne_de_signes(t.resultat);
}

} // namespace

void enregistre_solutions(Registre &r)
{
    r.option("base-systeme", "0|1", [](const std::string &v) { partage.base_systeme = entier(v) != 0; });
    r.option("expression-x", "TEXTE", [](const std::string &v) { partage.expression_x = v; });
    r.option("expression-y", "TEXTE", [](const std::string &v) { partage.expression_y = v; });

    r.operation("mise_en_facteurs", {"TEXTE"}, sur_le_texte(mise_en_facteurs));
    r.operation("racine_lineaire", {"FACTEUR"}, [](const Arguments &a) {
        const std::optional<std::string> racine = racine_lineaire(EnonceLu(a[0]));
        return drapeau(racine.has_value(), racine.value_or(""));
    });
    // Four fields, the roots found first.
    r.operation("resout", {"TEXTE"}, [](const Arguments &a) {
        const std::optional<Racines> racines = resout(EnonceLu(a[0]), contexte_resolution());
        Racines quatre = racines.value_or(Racines{});
        quatre.resize(4);
        return drapeau(racines.has_value(), champs({quatre[0], quatre[1], quatre[2], quatre[3]}));
    });
    r.operation("coefficient_de_tete", {"TERME"}, sur_le_texte(coefficient_de_tete));
    r.operation("forme_canonique", {"TEXTE"}, sur_l_enonce(forme_canonique));
    r.operation("arrondit_nombre", {"TEXTE"}, sur_le_texte(arrondit_nombre));
    r.operation("formate_solutions", {"TEXTE", "SEPARATEUR"}, [](const Arguments &a) {
        std::string t = a[0];
        formate_solutions(t, entier(a[1]));
        return t;
    });
    r.operation("texte_intervalle",
                {"L1", "U1", "L2", "NATURE", "TEST_U2", "TEST_L2", "TEST_U1", "TEST_L1", "U2"},
                [](const Arguments &a) {
                    return texte_intervalle(a[0], a[1], a[2], entier(a[3]), a[4], a[5], a[6], a[7], a[8]);
                });
    r.operation("tableau_signes", {"INEQUATION"}, tableau_de_signes);
    r.operation("intervalle_solutions", {"TEXTE"},
                [](const Arguments &a) { return intervalle_solutions(EnonceLu(a[0])).value_or(""); });
}

} // namespace cli
