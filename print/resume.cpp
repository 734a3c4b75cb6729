#include "print/resume.h"

#include <algorithm>

#include "app/travail/regles_nommees.h"
#include "core/partage.h"
#include "exercise/grilles.h"
#include "exercise/preparation.h"

namespace {

std::string vrai_faux(bool b) { return b ? "VRAI" : "FAUX"; }
std::string actif(bool b) { return b ? "ACTIF" : "DESACTIVE"; }

// `debut` is the first section shown (1 file, 2 variables, 3 options,
// 4 answers, 5 helps); `reponses` tells whether the answers are listed.
std::vector<LigneResume> resume(int debut, bool reponses, const std::vector<std::string> &titres_aides)
{
    std::vector<LigneResume> l;
    auto titre = [&l](std::string t) { l.push_back({GenreLigneResume::titre, std::move(t)}); };
    auto texte = [&l](std::string t) { l.push_back({GenreLigneResume::texte, std::move(t)}); };
    auto formule = [&l](std::string t) { l.push_back({GenreLigneResume::formule, std::move(t)}); };

    if (debut <= 1) {
        titre("FICHIER : " + (partage.fichier_exercice.empty() ? std::string("SANS_NOM")
                                                                : partage.fichier_exercice));
        titre("ENONCE  : " + partage.consigne);
        formule(partage.expression_base);
    }
    if (debut <= 2) {
        titre("LES VARIABLES");
        for (std::size_t i = 1; i < partage.lignes_parametres.size(); ++i)
            if (!partage.lignes_parametres[i].empty())
                texte(partage.lignes_parametres[i]);
    }
    if (debut <= 3) {
        titre("PARAMETRES :");
        texte("Réduction automatique : " + vrai_faux(partage.option_reduire));
        texte("Même dénominateur automatique : " + vrai_faux(partage.option_fractions));
        texte("Réduction des racines carrées automatique : " + vrai_faux(partage.option_racines));
        texte("Menu simplifier : " + actif(partage.option_simplif));
        texte("Menu factoriser : " + actif(partage.option_factoriz));
    }
    if (debut <= 4) {
        titre("ANALYSE DE REPONSES");
        if (reponses)
            for (const TDsolu &s : partage.liste_solutions) {
                formule(s.solution);
                texte("COMMENT : " + s.commentaire);
                texte("NOTE : " + note_affichee(s.penalite));
            }
        // The mistakes the program named while the pupil worked.
        if (!partage.regles_nommees.empty())
            titre("ERREURS RECONNUES");
        for (const std::string &id : partage.regles_nommees) {
            const TexteRegle *t = bibliotheque_regles().trouve(id);
            texte(t ? t->nom + " : " + t->juste : id);
        }
    }
    titre("LES AIDES");
    for (int i = 1; i <= AIDES_RESUMEES && !partage.aides[i].empty(); ++i) {
        const std::string titre_aide =
            static_cast<std::size_t>(i) <= titres_aides.size() ? titres_aides[i - 1] : std::string();
        texte(titre_aide + " : " + aide_lisible(partage.aides[i]));
        texte("NOTE : " + note_affichee(partage.penalites_aides[i]));
    }
    return l;
}

}  // namespace

std::vector<LigneResume> resume_ecran(int page, const std::vector<std::string> &titres_aides)
{
    return resume(std::clamp(page, 1, PAGES_RESUME), partage.aides_a_imprimer, titres_aides);
}

std::vector<LigneResume> resume_papier(const std::vector<std::string> &titres_aides)
{
    return resume(1, true, titres_aides);
}
