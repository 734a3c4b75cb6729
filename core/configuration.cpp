#include "core/configuration.h"

#include <string_view>
#include <system_error>

#include "core/algebre.h"
#include "core/encodage.h"

namespace {

constexpr const char *NOM_CONFIGURATION = "Vivezezi.ini";
constexpr const char *NOM_TEMPORAIRE = "xxx.ini";

std::string en_majuscules(std::string ligne)
{
    majuscules(ligne);
    return ligne;
}

bool est_section(const std::string &ligne, std::string_view mot)
{
    return en_majuscules(ligne).find(mot) != std::string::npos;
}

// What follows the first "=", or the whole line.
std::string valeur_de(const std::string &ligne)
{
    const std::size_t egal = ligne.find('=');
    return egal == std::string::npos ? ligne : ligne.substr(egal + 1);
}

// Reads up to and including the header line of a section, or to the end.
void passe_section(LecteurLignes &lecteur, std::string_view mot)
{
    while (!lecteur.fin())
        if (est_section(lecteur.lit(), mot))
            return;
}

// Reads the line that follows the header of a section; `defaut` when the
// header or that line is missing.
std::string ligne_apres_section(std::string_view mot, std::string defaut)
{
    LecteurLignes lecteur(chemin_de(partage.chemin_config));
    passe_section(lecteur, mot);
    return lecteur.fin() ? defaut : lecteur.lit();
}

// Copies the lines of the old file, upper-cased, up to and including the
// header of a section. False when the header is missing.
bool copie_jusqu_a_section(LecteurLignes &lecteur, EcritureSure &ecriture, std::string_view mot)
{
    while (!lecteur.fin()) {
        const std::string ligne = en_majuscules(lecteur.lit());
        ecriture.ecrit_ligne(ligne);
        if (ligne.find(mot) != std::string::npos)
            return true;
    }
    return false;
}

void saute_lignes(LecteurLignes &lecteur, int n)
{
    for (int i = 0; i < n && !lecteur.fin(); ++i)
        lecteur.lit();
}

void copie_le_reste(LecteurLignes &lecteur, EcritureSure &ecriture)
{
    while (!lecteur.fin())
        ecriture.ecrit_ligne(lecteur.lit());
}

// Rewrites the configuration file through "xxx.ini": `reecrit` copies the
// old lines with its changes. The old file stays when anything fails.
template <typename Reecriture>
bool reecrit_configuration(Reecriture reecrit)
{
    const std::filesystem::path chemin = chemin_de(partage.chemin_config);
    LecteurLignes lecteur(chemin);
    if (!lecteur.ouvert())
        return false;
    EcritureSure ecriture(chemin, chemin.parent_path() / NOM_TEMPORAIRE);
    if (!ecriture.ouverte())
        return false;
    reecrit(lecteur, ecriture);
    copie_le_reste(lecteur, ecriture);
    return ecriture.termine();
}

} // namespace

std::filesystem::path chemin_executable()
{
    std::error_code erreur;
    std::filesystem::path chemin = std::filesystem::read_symlink("/proc/self/exe", erreur);
    if (erreur || chemin.empty())
        chemin = std::filesystem::current_path(erreur) / "vivezezi";
    return chemin;
}

void calcule_chemins() { fixe_dossier_programme(chemin_executable().parent_path()); }

void fixe_dossier_programme(const std::filesystem::path &dossier)
{
    std::error_code erreur;
    std::filesystem::path absolu = std::filesystem::absolute(dossier, erreur);
    if (erreur)
        absolu = dossier;
    partage.dossier_programme = texte_de(absolu);
    partage.chemin_config = texte_de(absolu / NOM_CONFIGURATION);
}

void lit_configuration()
{
    LecteurLignes lecteur(chemin_de(partage.chemin_config));
    if (!lecteur.ouvert())
        return;
    passe_section(lecteur, "OPTIONS");
    // Read by position; a file that ends early gives its last option line to
    // the options after it.
    std::string ligne;
    for (const CleOption &cle : options_par_cle) {
        if (!lecteur.fin())
            ligne = lecteur.lit();
        partage.*cle.option = valeur_de(ligne) == "VRAI";
    }
    passe_section(lecteur, "PASSE");
    if (!lecteur.fin())
        partage.mot_de_passe = lecteur.lit();
    majuscules(partage.mot_de_passe);
}

std::string lit_dossier_frere()
{
    std::string ligne = DOSSIER_FRERE_DEFAUT;
    LecteurLignes lecteur(chemin_de(partage.chemin_config));
    passe_section(lecteur, "CONFIG");
    for (int i = 0; i < 2 && !lecteur.fin(); ++i)
        ligne = lecteur.lit();
    return valeur_de(ligne);
}

std::string lit_adresse_web() { return valeur_de(ligne_apres_section("WEB", ADRESSE_WEB_DEFAUT)); }

bool ecrit_dossier_frere(const std::string &dossier)
{
    return reecrit_configuration([&](LecteurLignes &lecteur, EcritureSure &ecriture) {
        if (!copie_jusqu_a_section(lecteur, ecriture, "CONFIG") || lecteur.fin())
            return;
        ecriture.ecrit_ligne(lecteur.lit());
        if (lecteur.fin())
            return;
        ecriture.ecrit_ligne("KORV2D=" + dossier);
        saute_lignes(lecteur, 1);
    });
}

bool ecrit_options()
{
    return reecrit_configuration([](LecteurLignes &lecteur, EcritureSure &ecriture) {
        if (copie_jusqu_a_section(lecteur, ecriture, "OPTIONS") && !lecteur.fin()) {
            for (const CleOption &cle : options_par_cle)
                ecriture.ecrit_ligne(std::string(cle.cle) + "=" +
                                     (partage.*cle.option ? "VRAI" : "FAUX"));
            saute_lignes(lecteur, static_cast<int>(options_par_cle.size()));
        }
        if (copie_jusqu_a_section(lecteur, ecriture, "PASSE") && !lecteur.fin()) {
            ecriture.ecrit_ligne(en_majuscules(partage.mot_de_passe));
            saute_lignes(lecteur, 1);
        }
    });
}
