#include <iostream>

#include "app/travail/menus.h"
#include "cli/registre.h"
#include "algebra/algebre.h"
#include "core/partage.h"

namespace cli {

namespace {
// What the main window would hold; the options set it for every call.
EtatMenus etat_cli;
int etape_cli = 1;
} // namespace

// met_a_jour_menus prints one line per panel, "PanelN<TAB>caption<TAB>1|0", in
// the window's order, and returns the last line "nature_expression<TAB>k".
// Step 1 is --base when given, else the text itself; mode_vecteurs follows
// step 1 as in the window, and at a later step nature_exercice is the kind of
// the base statement.
void enregistre_menus(Registre &r)
{
    r.option("etape", "N", [](const std::string &v) { etape_cli = entier(v); });
    r.option("partie-source", "N", [](const std::string &v) { etat_cli.partie_source_etape = entier(v); });
    r.option("partie-source-2", "N", [](const std::string &v) { etat_cli.partie_source_2 = entier(v); });
    r.option("autre-en-cours", "0|1", [](const std::string &v) { etat_cli.autre_en_cours = entier(v) != 0; });

    r.operation("met_a_jour_menus", {"TEXTE"}, [](const Arguments &a) {
        EtatMenus etat = etat_cli;
        etat.base = partage.expression_base.empty() ? a[0] : partage.expression_base;
        partage.etape = etape_cli < 1 ? 1 : etape_cli;
        partage.mode_vecteurs = partage.mode_vecteurs || etat.base.find("arrow") != std::string::npos;
        if (partage.etape > 1)
            partage.nature_exercice = EnonceLu(etat.base).nature;
        const Menus m = met_a_jour_menus(a[0], etat);
        for (int p = 0; p < NB_PANNEAUX; ++p) {
            const EtatPanneau &panneau = m[static_cast<Panneau>(p)];
            std::cout << nom_panneau(static_cast<Panneau>(p)) << '\t' << panneau.libelle << '\t'
                      << (panneau.actif ? 1 : 0) << '\n';
        }
        return "nature_expression\t" + std::to_string(partage.nature_expression);
    });
}

} // namespace cli
