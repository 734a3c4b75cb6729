// "diagnostique": names the wrong rule behind a pupil's text, as the answer
// check and "Ecrire autrement..." do.

#include "app/travail/regles_nommees.h"
#include "cli/registre.h"
#include "core/configuration.h"

namespace cli {

void enregistre_diagnostic(Registre &r)
{
    r.operation("diagnostique", {"ENONCE", "REPONSE", "--tache?", "TACHE?"}, [](const Arguments &a) -> std::string {
        std::optional<Tache> tache = Tache::aucune;
        if (a.size() == 4 && a[2] == "--tache")
            tache = tache_de(a[3]);
        if (!tache || (a.size() > 2 && a.size() != 4))
            return "Erreur : --tache developper|factoriser|reduire|resoudre|simplifier";
        fixe_dossier_programme(chemin_executable().parent_path());
        const std::optional<Diagnostic> d = diagnostique(a[0], a[1], *tache, bibliotheque_regles());
        return d ? champs({d->identifiant, d->explication}) : std::string();
    });
}

} // namespace cli
