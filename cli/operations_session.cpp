// "session": a script on standard input, one command a line, played on the
// work of the main window as the pupil or the teacher would, in a program
// folder of its own. "etat" prints what the window holds as key=value lines.

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "app/travail/copie.h"
#include "app/travail/intervalles.h"
#include "app/travail/menus.h"
#include "app/travail/regles_nommees.h"
#include "app/travail/reponse.h"
#include "app/travail/travail.h"
#include "cli/pdf_texte.h"
#include "cli/registre.h"
#include "algebra/algebre.h"
#include "core/configuration.h"
#include "core/emplacements.h"
#include "core/partage.h"
#include "exercise/preparation.h"
#include "formula/lineaire.h"

namespace fs = std::filesystem;

namespace cli {

namespace {

std::string remplace(std::string texte, std::string_view ancien, std::string_view nouveau)
{
    remplace_chaque(texte, ancien, nouveau);
    return texte;
}

// Line breaks written "@", in either order of CR and LF.
std::string sur_une_ligne(std::string texte)
{
    texte = remplace(std::move(texte), "\r\n", "@");
    texte = remplace(std::move(texte), "\n\r", "@");
    for (char &c : texte)
        if (c == '\r' || c == '\n')
            c = '@';
    return texte;
}

// The program folder of the session: the given one, or a fresh copy of the
// program's data files (beside it, or in the installed data folder).
class Dossier {
public:
    explicit Dossier(const std::string &demande)
    {
        if (!demande.empty()) {
            chemin_ = demande;
            return;
        }
        std::random_device hasard;
        const fs::path source = choisit_emplacements(chemin_executable().parent_path(), {}).donnees;
        std::error_code erreur;
        chemin_ = fs::temp_directory_path(erreur) / ("vivezezi-session-" + std::to_string(hasard()));
        fs::create_directories(chemin_, erreur);
        temporaire_ = true;
        for (const fs::directory_entry &f : fs::directory_iterator(source, erreur)) {
            const fs::path nom = f.path().filename();
            if (nom == "Vivezezi.ini" || nom == FICHIER_REGLES_ERRONEES || nom.extension() == ".alp")
                fs::copy_file(f.path(), chemin_ / nom, fs::copy_options::overwrite_existing, erreur);
        }
    }
    ~Dossier()
    {
        std::error_code erreur;
        if (temporaire_)
            fs::remove_all(chemin_, erreur);
    }
    Dossier(const Dossier &) = delete;
    Dossier &operator=(const Dossier &) = delete;

    const fs::path &chemin() const { return chemin_; }
    fs::path fichier(const std::string &nom) const
    {
        const fs::path p(nom);
        return p.is_absolute() ? p : chemin_ / p;
    }

private:
    fs::path chemin_;
    bool temporaire_ = false;
};

// Items joined by commas.
std::string liste(const std::vector<std::string> &items)
{
    std::string r;
    for (const std::string &i : items)
        r += (r.empty() ? "" : ",") + i;
    return r;
}

// What the session's windows show besides the main one.
struct Fenetres {
    bool mot_de_passe = false;       // the password window is open
    std::string message_mot_de_passe;
    bool question = false;           // the yes/no window asks QUESTION_RECOMMENCER
};

void imprime_etat(const Travail &travail, bool reponse_donnee, const Fenetres &fenetres)
{
    const Partage &p = partage;
    std::cout << "etape=" << p.etape << '\n'
              << "mode=" << (p.mode_eleve ? "eleve" : "prof") << '\n'
              << "boutons=" << liste(travail.boutons_bas()) << '\n';
    if (fenetres.mot_de_passe)
        std::cout << "mot_de_passe=" << fenetres.message_mot_de_passe << '\n';
    if (fenetres.question)
        std::cout << "question=" << QUESTION_RECOMMENCER << '\n';
    std::cout
              << "nature_expression=" << p.nature_expression << '\n'
              << "nombre_historique=" << p.nombre_historique << '\n'
              << "note=" << p.note << '\n'
              << "consigne=" << sur_une_ligne(p.consigne) << '\n'
              << "derniere_expression=" << sur_une_ligne(p.derniere_expression) << '\n';
    for (int i = 1; i <= p.etape && i <= ETAPES_MAX; ++i)
        std::cout << "etape[" << i << "]=" << sur_une_ligne(travail.etapes[i]) << '\t'
                  << sur_une_ligne(travail.commentaires[i]) << '\n';
    for (int i = 1; i <= p.nombre_historique && i <= HISTORIQUE_MAX; ++i)
        std::cout << "historique[" << i << "]=" << sur_une_ligne(p.historique_expressions[i]) << '\t'
                  << sur_une_ligne(p.historique_commentaires[i]) << '\n';
    for (int k = 0; k < NB_PANNEAUX; ++k) {
        const EtatPanneau &e = travail.menus[static_cast<Panneau>(k)];
        std::cout << nom_panneau(static_cast<Panneau>(k)) << '=' << sur_une_ligne(e.libelle) << '\t'
                  << (e.actif ? 1 : 0) << '\n';
    }
    // The expected answers are the teacher's: a pupil never sees them.
    int i = 1;
    if (!p.mode_eleve)
        for (const TDsolu &s : p.liste_solutions)
            std::cout << "solution[" << i++ << "]=" << sur_une_ligne(s.solution) << '\t'
                      << sur_une_ligne(s.commentaire) << '\t' << s.penalite << '\n';
    if (reponse_donnee) {
        const FenetreResultat r = resultat();
        std::cout << "commentaire_final=" << sur_une_ligne(r.commentaire) << '\n'
                  << "felicitations=" << sur_une_ligne(r.felicitations) << '\n'
                  << "note_provisoire=" << r.note_provisoire << '\n'
                  << "retenues=" << liste(r.retenues) << '\n';
    }
}

bool lit_entier(const std::string &texte, int &valeur)
{
    char *fin = nullptr;
    const long v = std::strtol(texte.c_str(), &fin, 10);
    if (texte.empty() || *fin != '\0' || v < -1000000 || v > 1000000)
        return false;
    valeur = static_cast<int>(v);
    return true;
}

// The argument or answer window while it is open, with what is typed in it.
struct ArgumentOuvert {
    FenetreArgument fenetre;
    Saisie saisie;
    bool selection = false;   // the whole text, as the answer window opens
};

// Opens the argument window when the work asked for it.
std::optional<ArgumentOuvert> ouvre_argument(const Travail &travail)
{
    if (!travail.demande_argument)
        return std::nullopt;
    ArgumentOuvert ouvert;
    ouvert.saisie.texte = ouvert.fenetre.ouvre(partage.derniere_expression);
    ouvert.saisie.curseur = static_cast<int>(ouvert.saisie.texte.size());
    ouvert.selection = ouvert.fenetre.ouvre_selectionne() && !ouvert.saisie.texte.empty();
    return ouvert;
}

// Validates the open window with a text. True when that text was the pupil's answer.
bool valide_argument(Travail &travail, ArgumentOuvert &ouvert, const std::string &texte)
{
    const bool reponse = partage.action_en_cours == 10;
    if (ouvert.fenetre.terminer(texte).lance_affiche)
        travail.affiche(texte);
    else
        travail.annule_argument();
    return reponse && !texte.empty();
}

const std::map<std::string, ModeleArgument> MODELES = {{"racine", ModeleArgument::racine},
                                                        {"puissance", ModeleArgument::puissance},
                                                        {"fraction", ModeleArgument::fraction},
                                                        {"et", ModeleArgument::et}};

const std::map<std::string, int> INTERVALLES = {{"[;]", 9}, {"];[", 10}, {"[;[", 11}, {"];]", 12}};
const std::map<std::string, SigneReponse> SIGNES = {
    {"vide", SigneReponse::vide}, {"reels", SigneReponse::reels}, {"ou", SigneReponse::ou}};

std::vector<std::string> coupe_mots(const std::string &texte)
{
    std::vector<std::string> mots;
    std::size_t debut = 0;
    while (debut < texte.size()) {
        const std::size_t fin = std::min(texte.find(' ', debut), texte.size());
        if (fin > debut)
            mots.push_back(texte.substr(debut, fin - debut));
        debut = fin + 1;
    }
    return mots;
}

// Plays the script; 0, or 2 after a command it does not know.
int joue(std::istream &script, const std::string &dossier_demande)
{
    const Dossier dossier(dossier_demande);
    fixe_dossier_programme(dossier.chemin());
    Travail travail;
    travail.FormActivate("");
    // A session starts past the start-up password, in teacher mode.
    travail.mot_de_passe_demande = false;
    Fenetres fenetres;
    bool reponse_donnee = false;
    std::optional<ArgumentOuvert> ouvert;
    // Validates the window, opened now when the work asked for it and no key was typed.
    // A refused argument is said on the error output, as the window shows it.
    auto valide = [&](const std::optional<std::string> &texte) {
        if (!ouvert)
            ouvert = ouvre_argument(travail);
        travail.message.clear();
        if (ouvert)
            reponse_donnee = valide_argument(travail, *ouvert, texte.value_or(ouvert->saisie.texte)) ||
                             reponse_donnee;
        if (!travail.message.empty())
            std::cerr << travail.message << '\n';
        ouvert.reset();
    };

    // A command that failed (a file not read or not saved) makes the exit code 1.
    int code = 0;
    std::string ligne;
    for (int numero = 1; std::getline(script, ligne); ++numero) {
        if (!ligne.empty() && ligne.back() == '\r')
            ligne.pop_back();
        const std::size_t blanc = ligne.find(' ');
        const std::string commande = ligne.substr(0, blanc);
        const std::string texte =
            blanc == std::string::npos ? std::string() : remplace(ligne.substr(blanc + 1), "@", "\r\n");
        int n = 0;
        const bool nombre = lit_entier(texte, n);
        auto erreur = [&](const std::string &quoi) {
            std::cout.flush();
            std::cerr << "vivezezi-cli session : ligne " << numero << " : " << quoi << '\n';
            return 2;
        };

        // The password window and the yes/no window take nothing else, as
        // they take the main window's input.
        const bool sans_effet = commande.empty() || commande[0] == '#' || commande == "etat";
        if (fenetres.mot_de_passe && commande != "motdepasse" && !sans_effet)
            return erreur("la fenêtre du mot de passe est ouverte : « motdepasse » y répond.");
        if (fenetres.question && commande != "oui" && commande != "non" && !sans_effet)
            return erreur("une question attend « oui » ou « non ».");

        if (commande.empty() || commande[0] == '#') {
            continue;
        } else if (commande == "motdepasse") {
            if (!fenetres.mot_de_passe)
                return erreur("la fenêtre du mot de passe n'est pas ouverte.");
            const Passe r = travail.mot_de_passe(blanc == std::string::npos ? std::nullopt : std::optional(texte));
            fenetres.mot_de_passe = r == Passe::refusee;
            fenetres.message_mot_de_passe = fenetres.mot_de_passe ? MOT_DE_PASSE_INCORRECT : "";
        } else if (commande == "oui" || commande == "non") {
            if (!fenetres.question)
                return erreur("aucune question n'est posée.");
            travail.recommence(commande == "oui");
            fenetres.question = false;
        } else if (commande == "copie") {
            std::vector<LignePdf> lignes;
            for (const LignePage &l : copie_eleve(travail, date_du_jour()))
                lignes.push_back({l.genre == GenreLigne::titre     ? LignePdf::Style::titre
                                  : l.genre == GenreLigne::formule ? LignePdf::Style::formule
                                                                   : LignePdf::Style::texte,
                                  l.texte});
            if (texte.empty() || !ecrit_pdf_texte(dossier.fichier(texte), lignes))
                return erreur("« copie » attend un fichier PDF où écrire.");
        } else if (commande == "panneaux") {
            // The teacher's choice in "Paramètres": the panels the pupil may use, or "tous".
            if (partage.mode_eleve)
                return erreur("« panneaux » est réservé au professeur.");
            PanneauxPermis permis{};
            for (const std::string &nom : coupe_mots(remplace(texte, ",", " "))) {
                bool connu = nom == "tous";
                for (int k = 0; k < NB_PANNEAUX; ++k)
                    if (nom == "tous" || nom == nom_panneau(static_cast<Panneau>(k)))
                        connu = permis[static_cast<std::size_t>(k)] = true;
                if (!connu)
                    return erreur("panneau inconnu « " + nom + " ».");
            }
            partage.panneaux_permis = permis;
        } else if (commande == "ouvre") {
            if (!travail.ouvre_exercice(dossier.fichier(texte).string()))
                std::cerr << travail.message << '\n';
        } else if (commande == "tape") {
            if (travail.boite_active != MTHX1)
                travail.MthX1Enter();
            travail.MthX1Change(forme_lineaire(texte));
        } else if (commande == "clic") {
            if (!travail.clic_panneau(texte))
                return erreur("panneau inconnu « " + texte + " ».");
        } else if (commande == "argument") {
            valide(texte);
        } else if (commande == "annule") {
            if (travail.demande_argument) {
                (ouvert ? ouvert->fenetre : FenetreArgument()).annule();
                travail.annule_argument();
            }
            ouvert.reset();
        } else if (commande == "touches" || commande == "modele" || commande == "vide" || commande == "intervalle") {
            if (!ouvert)
                ouvert = ouvre_argument(travail);
            if (!ouvert)
                return erreur("aucune fenêtre d'argument ou de réponse n'est ouverte.");
            if (commande == "modele" || commande == "intervalle") {
                // A template button, the interval button pictured by those brackets,
                // the "∞" button or an answer button.
                const bool modele = commande == "modele", infini = texte == "infini";
                const auto nom = MODELES.find(texte);
                const auto bouton = INTERVALLES.find(texte);
                const auto signe = SIGNES.find(texte);
                if (modele ? nom == MODELES.end() : bouton == INTERVALLES.end() && signe == SIGNES.end() && !infini)
                    return erreur(modele ? "« modele » attend racine, puissance, fraction ou et."
                                         : "« intervalle » attend [;], ];[, [;[, ];], infini, vide, reels ou ou.");
                // A button replaces the selected text, as a typed character does.
                Saisie &saisie = ouvert->saisie;
                if (std::exchange(ouvert->selection, false))
                    saisie = Saisie{};
                if (modele)
                    saisie = modele_argument(saisie, nom->second, partage.mode_vecteurs);
                else if (bouton != INTERVALLES.end())
                    saisie = bouton_intervalle(bouton->second, saisie);
                else if (infini)
                    saisie = ouvert->fenetre.infini(saisie, partage.mode_vecteurs);
                else
                    saisie = bouton_reponse(signe->second, saisie);
                continue;
            }
            if (commande == "vide") {
                // The caret to the end, then Backspace until the box is empty.
                Saisie &saisie = ouvert->saisie;
                ouvert->selection = false;
                saisie.curseur = static_cast<int>(saisie.texte.size());
                for (std::size_t reste = saisie.texte.size(); reste > 0 && !saisie.texte.empty(); --reste)
                    saisie = frappe_argument(saisie, Message{GenreMessage::touche, TOUCHE_EFFACE_ARRIERE},
                                             partage.mode_vecteurs).saisie;
                continue;
            }
            // Each character is one key; a line break is the Enter key.
            for (const char c : texte) {
                if (c == '\n')
                    continue;
                const Message touche = c == '\r' ? Message{GenreMessage::touche, 13}
                                                 : Message{GenreMessage::caractere, static_cast<unsigned char>(c)};
                const FrappeArgument f =
                    frappe_sur_selection(ouvert->saisie, touche, partage.mode_vecteurs, ouvert->selection);
                ouvert->saisie = f.saisie;
                if (f.terminer) {
                    valide(std::nullopt);
                    break;
                }
            }
        } else if (commande == "valide") {
            valide(std::nullopt);
        } else if (commande == "partie") {
            if (!nombre)
                return erreur("« partie » attend un numéro.");
            travail.ComboBox1Click(n - 1);
        } else if (commande == "boite") {
            // "boite N [GAUCHE DROITE]": without carets the whole text is selected.
            const std::vector<std::string> mots = coupe_mots(texte);
            int numero_boite = 0, gauche = 0, droite = -1;
            if (mots.empty() || !lit_entier(mots[0], numero_boite) || numero_boite < 2 ||
                numero_boite > 4 || mots.size() == 2 || mots.size() > 3 ||
                (mots.size() == 3 && (!lit_entier(mots[1], gauche) || !lit_entier(mots[2], droite))))
                return erreur("« boite » attend 2, 3 ou 4, puis les deux positions du curseur.");
            const Boite boite = numero_boite == 2 ? MTHX2 : numero_boite == 3 ? MTHX3 : MTHX4;
            if (mots.size() == 1)
                droite = static_cast<int>(travail.boites[boite].texte.size());
            if (boite == MTHX2)
                travail.MthX2LMouseClicked(gauche, droite);
            else if (boite == MTHX3)
                travail.MthX3LMouseClicked(gauche, droite);
            else
                travail.MthX4LMouseClicked(gauche, droite);
        } else if (commande == "efface") {
            travail.Image17Click();
        } else if (commande == "fin") {
            travail.SpeedButton3Click();
        } else if (commande == "eleve") {
            travail.SpeedButton9Click();
        } else if (commande == "recommence") {
            travail.Image19Click();
        } else if (commande == "enonce") {
            if (partage.mode_eleve)
                return erreur("« enonce » est réservé au professeur.");
            travail.SpeedButton7Click(texte);
        } else if (commande == "reponse") {
            // Without a text the window stays open for "touches", "modele" and "valide".
            travail.demande_reponse();
            ouvert = ouvre_argument(travail);
            if (blanc != std::string::npos)
                valide(texte);
        } else if (commande == "aide") {
            if (!nombre)
                return erreur("« aide » attend un numéro.");
            travail.ComboBox2Click(n - 1);
        } else if (commande == "domaine") {
            valide_domaine(texte);
        } else if (commande == "charge") {
            if (!travail.charge_exercice(dossier.fichier(texte).string())) {
                std::cerr << travail.message << '\n';
                code = 1;
            }
        } else if (commande == "sauve") {
            if (!travail.sauve_exercice(dossier.fichier(texte).string())) {
                std::cerr << travail.message << '\n';
                code = 1;
            }
        } else if (commande == "graine") {
            if (!nombre)
                return erreur("« graine » attend un nombre.");
            travail.seme(static_cast<unsigned>(n));
        } else if (commande == "etat") {
            imprime_etat(travail, reponse_donnee, fenetres);
        } else {
            return erreur("commande inconnue « " + commande + " ».");
        }
        if (travail.mot_de_passe_demande) {
            travail.mot_de_passe_demande = false;
            fenetres.mot_de_passe = true;
            fenetres.message_mot_de_passe.clear();
        }
        if (travail.question_recommencer) {
            travail.question_recommencer = false;
            fenetres.question = true;
        }
    }
    return code;
}

} // namespace

int joue_session(std::istream &script, const std::string &dossier) { return joue(script, dossier); }

void enregistre_session(Registre &r)
{
    static std::string dossier;
    r.option("dossier", "DOSSIER", [](const std::string &v) { dossier = v; });
    r.commande("session", {"--dossier?", "DOSSIER?"}, [](const Arguments &a) {
        if (a.size() == 2 && a[0] == "--dossier")
            dossier = a[1];
        else if (!a.empty()) {
            std::cerr << "vivezezi-cli session : utilisation : session [--dossier DOSSIER]\n";
            return 2;
        }
        return joue(std::cin, dossier);
    });
}

} // namespace cli
