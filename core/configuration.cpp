#include "core/configuration.h"

#include <algorithm>
#include <string_view>
#include <system_error>
#include <vector>

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

using Lignes = std::vector<std::string>;

// The header line of a section at or after `depuis`; `npos` when it is missing.
std::size_t section(const Lignes &lignes, std::string_view mot, std::size_t depuis = 0)
{
    for (std::size_t i = depuis; i < lignes.size(); ++i)
        if (est_section(lignes[i], mot))
            return i;
    return std::string::npos;
}

// The lines a writer passes on its way to a header come out upper-cased.
void majuscules_jusqu_a(Lignes &lignes, std::size_t debut, std::size_t entete)
{
    for (std::size_t i = debut; i <= entete && i < lignes.size(); ++i)
        majuscules(lignes[i]);
}

// The header of a section: found at or after `depuis`, or added at `place`
// when the file lacks it. The sections the program always had upper-case the
// lines from `depuis` to their header, as they always did; a newer section
// leaves the lines before it alone.
struct Section {
    std::size_t entete;
    bool ajoutee;
};
Section entete(Lignes &lignes, std::string_view mot, std::size_t depuis, std::size_t place,
               bool en_majuscules = true)
{
    const std::size_t i = section(lignes, mot, depuis);
    if (i != std::string::npos) {
        if (en_majuscules)
            majuscules_jusqu_a(lignes, depuis, i);
        return {i, false};
    }
    place = std::min(place, lignes.size());
    lignes.insert(lignes.begin() + static_cast<std::ptrdiff_t>(place), "[" + std::string(mot) + "]");
    return {place, true};
}

// Puts `valeurs` after the line `apres` of a section, in place of as many old
// lines as there are left before the next bracketed header; a section cut
// short gets the missing lines added, and a section just added replaces nothing.
void remplace_apres(Lignes &lignes, Section s, std::size_t apres, const Lignes &valeurs)
{
    const std::size_t debut = apres + 1;
    std::size_t anciennes = 0;
    while (!s.ajoutee && anciennes < valeurs.size() && debut + anciennes < lignes.size() &&
           !lignes[debut + anciennes].starts_with('['))
        ++anciennes;
    const auto position = lignes.begin() + static_cast<std::ptrdiff_t>(debut);
    lignes.erase(position, position + static_cast<std::ptrdiff_t>(anciennes));
    lignes.insert(lignes.begin() + static_cast<std::ptrdiff_t>(debut), valeurs.begin(), valeurs.end());
}

std::string vrai_faux(bool valeur) { return valeur ? "VRAI" : "FAUX"; }

// Rewrites the configuration file through "xxx.ini": `reecrit` changes its
// lines. The old file stays when anything fails; a missing file is not made.
template <typename Reecriture>
bool reecrit_configuration(Reecriture reecrit)
{
    const std::filesystem::path chemin = chemin_de(partage.chemin_config);
    LecteurLignes lecteur(chemin);
    if (!lecteur.ouvert())
        return false;
    Lignes lignes;
    while (!lecteur.fin())
        lignes.push_back(lecteur.lit());
    reecrit(lignes);
    EcritureSure ecriture(chemin, chemin.parent_path() / NOM_TEMPORAIRE);
    if (!ecriture.ouverte())
        return false;
    for (const std::string &ligne : lignes)
        ecriture.ecrit_ligne(ligne);
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
    // Files written before this setting existed have no such line: it is on.
    passe_section(lecteur, SECTION_TRINOMES);
    partage.option_trinomes = lecteur.fin() || valeur_de(lecteur.lit()) != "FAUX";
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

bool mot_de_passe_enregistrable(std::string_view mot_de_passe)
{
    const bool sans_controle = std::none_of(mot_de_passe.begin(), mot_de_passe.end(),
                                            [](char c) { return static_cast<unsigned char>(c) < 0x20; });
    return sans_controle && depuis_windows_1252(vers_windows_1252(mot_de_passe)) == mot_de_passe;
}

bool ecrit_dossier_frere(const std::string &dossier)
{
    return reecrit_configuration([&](Lignes &lignes) {
        const Section config = entete(lignes, "CONFIG", 0, lignes.size());
        // The line after the header is kept as it is; a new section gets one.
        if (config.ajoutee || config.entete + 1 == lignes.size())
            lignes.insert(lignes.begin() + static_cast<std::ptrdiff_t>(config.entete) + 1, "VERSION=1");
        remplace_apres(lignes, config, config.entete + 1, {"KORV2D=" + dossier});
    });
}

bool ecrit_options()
{
    return reecrit_configuration([](Lignes &lignes) {
        // The options open the file when it has none: the password is looked
        // for after them.
        const Section options = entete(lignes, "OPTIONS", 0, 0);
        Lignes valeurs;
        for (const CleOption &cle : options_par_cle)
            valeurs.push_back(std::string(cle.cle) + "=" + vrai_faux(partage.*cle.option));
        remplace_apres(lignes, options, options.entete, valeurs);
        const std::size_t apres_options = options.entete + 1 + valeurs.size();
        const Section passe = entete(lignes, "PASSE", apres_options, apres_options);
        remplace_apres(lignes, passe, passe.entete, {en_majuscules(partage.mot_de_passe)});
        // Older readers stop at the sections above and never see this one.
        const Section trinomes = entete(lignes, SECTION_TRINOMES, passe.entete + 2, lignes.size(), false);
        remplace_apres(lignes, trinomes, trinomes.entete,
                       {std::string(CLE_TRINOMES) + "=" + vrai_faux(partage.option_trinomes)});
    });
}
