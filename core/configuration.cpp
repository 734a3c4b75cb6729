#include "core/configuration.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <system_error>
#include <vector>

#include "core/emplacements.h"
#include "core/encodage.h"

namespace {

constexpr const char *NOM_CONFIGURATION = "Vivezezi.ini";

using Lignes = std::vector<std::string>;

// The section words, in the order a line holding two of them is read.
constexpr std::array<std::string_view, 5> MOTS = {"OPTIONS", "PASSE", "CONFIG", "WEB", SECTION_TRINOMES};

std::string en_majuscules(std::string ligne)
{
    majuscules(ligne);
    return ligne;
}

std::size_t rang_du_mot(std::string_view mot)
{
    return static_cast<std::size_t>(std::find(MOTS.begin(), MOTS.end(), mot) - MOTS.begin());
}

// The section word a header line holds; empty for any other line.
std::string_view mot_d_entete(const std::string &ligne)
{
    if (ligne.find('=') != std::string::npos)
        return {};
    const std::string haut = en_majuscules(ligne);
    for (std::string_view mot : MOTS)
        if (haut.find(mot) != std::string::npos)
            return mot;
    return {};
}

// Where the sections of a file are: the first header of each word, and the
// lines that end a section (headers, and any other bracketed line). The line
// after the "PASSE" header is the password even when it holds a section word,
// unless it is itself a bracketed header.
struct Plan {
    std::array<std::size_t, MOTS.size()> entetes;
    std::vector<bool> limites;

    explicit Plan(const Lignes &lignes) : limites(lignes.size(), false)
    {
        entetes.fill(std::string::npos);
        for (std::size_t i = 0; i < lignes.size(); ++i) {
            const std::string_view mot = mot_d_entete(lignes[i]);
            const bool crochet = lignes[i].starts_with('[');
            if (mot.empty()) {
                limites[i] = crochet;
                continue;
            }
            limites[i] = true;
            std::size_t &entete = entetes[rang_du_mot(mot)];
            if (entete == std::string::npos)
                entete = i;
            const bool entete_suit =
                i + 1 < lignes.size() && lignes[i + 1].starts_with('[') && !mot_d_entete(lignes[i + 1]).empty();
            if (mot == "PASSE" && !entete_suit)
                ++i;
        }
    }

    std::size_t entete(std::string_view mot) const { return entetes[rang_du_mot(mot)]; }

    // Number of lines of the section whose header is at `entete`.
    std::size_t longueur(std::size_t entete) const
    {
        std::size_t n = 0;
        while (entete + 1 + n < limites.size() && !limites[entete + 1 + n])
            ++n;
        return n;
    }
};

// What follows the first "=", or the whole line.
std::string valeur_de(const std::string &ligne)
{
    const std::size_t egal = ligne.find('=');
    return egal == std::string::npos ? ligne : ligne.substr(egal + 1);
}

Lignes lit_lignes(LecteurLignes &&lecteur)
{
    Lignes lignes;
    while (!lecteur.fin())
        lignes.push_back(lecteur.lit());
    return lignes;
}

// Line `rang` (from 1) of a section; `defaut` when the section is missing,
// and the section's last line when it is shorter.
std::string ligne_de_section(const Lignes &lignes, std::string_view mot, std::size_t rang, std::string defaut)
{
    const Plan plan(lignes);
    const std::size_t h = plan.entete(mot);
    if (h == std::string::npos)
        return defaut;
    const std::size_t n = std::min(rang, plan.longueur(h));
    return n == 0 ? defaut : lignes[h + n];
}

std::string ligne_de_configuration(std::string_view mot, std::size_t rang, std::string defaut)
{
    return ligne_de_section(lit_lignes(LecteurLignes(chemin_de(partage.chemin_config))), mot, rang,
                            std::move(defaut));
}

// Puts `valeurs` in place of the lines of a section from its line `premiere`
// (from 1) on, as many as there are values, adding those it lacks; a
// section the file lacks is added at `place` with `avant` before the values.
void pose_lignes(Lignes &lignes, std::string_view mot, std::size_t place, const Lignes &avant,
                 std::size_t premiere, const Lignes &valeurs)
{
    const Plan plan(lignes);
    std::size_t h = plan.entete(mot);
    std::size_t longueur = 0;
    if (h == std::string::npos) {
        h = std::min(place, lignes.size());
        lignes.insert(lignes.begin() + static_cast<std::ptrdiff_t>(h), "[" + std::string(mot) + "]");
        lignes.insert(lignes.begin() + static_cast<std::ptrdiff_t>(h) + 1, avant.begin(), avant.end());
        longueur = avant.size();
    } else {
        longueur = plan.longueur(h);
    }
    for (std::size_t k = longueur + 1; k < premiere; ++k, ++longueur)
        lignes.insert(lignes.begin() + static_cast<std::ptrdiff_t>(h + k), avant.size() >= k ? avant[k - 1] : "");
    const std::size_t debut = h + premiere;
    const std::size_t anciennes = std::min(valeurs.size(), longueur + 1 - premiere);
    const auto position = lignes.begin() + static_cast<std::ptrdiff_t>(debut);
    lignes.erase(position, position + static_cast<std::ptrdiff_t>(anciennes));
    lignes.insert(lignes.begin() + static_cast<std::ptrdiff_t>(debut), valeurs.begin(), valeurs.end());
}

std::string vrai_faux(bool valeur) { return valeur ? "VRAI" : "FAUX"; }

// The lines of the shipped configuration, for a file that is gone and has no
// shared default to be copied from.
Lignes configuration_integree()
{
    Lignes lignes{"[OPTIONS]"};
    for (const CleOption &cle : options_par_cle)
        lignes.push_back(std::string(cle.cle) + "=VRAI");
    for (const char *ligne : {"[PASSE]", "", "[CONFIG]", "VERSION=1", "KORV2D=C:\\KORV96", "[WEB]", "ADRESSE="})
        lignes.emplace_back(ligne);
    return lignes;
}

// Rewrites the configuration file: `reecrit` changes its lines. A missing
// file is made again from the shared default; a file that exists but cannot
// be read is left alone.
template <typename Reecriture>
Enregistrement reecrit_configuration(HorsFormat hors_format, Reecriture reecrit)
{
    const std::filesystem::path chemin = chemin_de(partage.chemin_config);
    LecteurLignes lecteur(chemin);
    Lignes lignes;
    if (lecteur.etat() == EtatLecture::introuvable) {
        const std::filesystem::path defaut = configuration_par_defaut();
        LecteurLignes partagee(defaut);
        lignes = partagee.ouvert() && defaut != chemin ? lit_lignes(std::move(partagee)) : configuration_integree();
    } else if (!lecteur.ouvert()) {
        Enregistrement echec;
        echec.message = lecteur.message() + " Les paramètres n'ont pas été enregistrés.";
        return echec;
    } else {
        lignes = lit_lignes(std::move(lecteur));
    }
    reecrit(lignes);
    return ecrit_fichier_texte(chemin, lignes, hors_format);
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

std::string lit_configuration()
{
    LecteurLignes lecteur(chemin_de(partage.chemin_config));
    if (!lecteur.ouvert())
        return lecteur.etat() == EtatLecture::introuvable ? std::string() : lecteur.message();
    const Lignes lignes = lit_lignes(std::move(lecteur));
    const Plan plan(lignes);
    // Read by position; a section that ends early gives its last option line
    // to the options after it, and without the section every option is off.
    const std::size_t options = plan.entete("OPTIONS");
    const std::size_t nombre = options == std::string::npos ? 0 : plan.longueur(options);
    for (std::size_t k = 0; k < options_par_cle.size(); ++k) {
        const std::string ligne = nombre == 0 ? std::string() : lignes[options + std::min(k + 1, nombre)];
        partage.*options_par_cle[k].option = valeur_de(ligne) == "VRAI";
    }
    const std::size_t passe = plan.entete("PASSE");
    if (passe != std::string::npos && passe + 1 < lignes.size() && !plan.limites[passe + 1])
        partage.mot_de_passe = lignes[passe + 1];
    majuscules(partage.mot_de_passe);
    // Files written before this setting existed have no such line: it is on.
    partage.option_trinomes = valeur_de(ligne_de_section(lignes, SECTION_TRINOMES, 1, "")) != "FAUX";
    return {};
}

std::string lit_dossier_frere() { return valeur_de(ligne_de_configuration("CONFIG", 2, DOSSIER_FRERE_DEFAUT)); }

std::string lit_adresse_web() { return valeur_de(ligne_de_configuration("WEB", 1, ADRESSE_WEB_DEFAUT)); }

bool mot_de_passe_enregistrable(std::string_view mot_de_passe)
{
    const bool sans_controle = std::none_of(mot_de_passe.begin(), mot_de_passe.end(),
                                            [](char c) { return static_cast<unsigned char>(c) < 0x20; });
    return sans_controle && depuis_windows_1252(vers_windows_1252(mot_de_passe)) == mot_de_passe;
}

Enregistrement ecrit_dossier_frere(const std::string &dossier, HorsFormat hors_format)
{
    return reecrit_configuration(hors_format, [&](Lignes &lignes) {
        // The line after the header is kept as it is; a new section gets one.
        pose_lignes(lignes, "CONFIG", lignes.size(), {"VERSION=1"}, 2, {"KORV2D=" + dossier});
    });
}

Enregistrement ecrit_options(HorsFormat hors_format)
{
    return reecrit_configuration(hors_format, [](Lignes &lignes) {
        Lignes valeurs;
        for (const CleOption &cle : options_par_cle)
            valeurs.push_back(std::string(cle.cle) + "=" + vrai_faux(partage.*cle.option));
        // The options open the file when it has none, the password follows them.
        pose_lignes(lignes, "OPTIONS", 0, {}, 1, valeurs);
        const std::size_t apres_options = Plan(lignes).entete("OPTIONS") + 1 + valeurs.size();
        pose_lignes(lignes, "PASSE", apres_options, {}, 1, {en_majuscules(partage.mot_de_passe)});
        pose_lignes(lignes, SECTION_TRINOMES, lignes.size(), {}, 1,
                    {std::string(CLE_TRINOMES) + "=" + vrai_faux(partage.option_trinomes)});
    });
}
