#include "app/travail/intervalles.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "algebra/algebre.h"
#include "core/partage.h"
#include "formula/lineaire.h"
#include "formula/reponse.h"
#include "formula/valeur.h"

namespace {

constexpr double MOINS_INFINI = -999999.0;
constexpr double PLUS_INFINI = 999999.0;
constexpr int TOUCHE_ENTREE = 13;
// After these a "(" stays alone; after anything else it becomes "*(": an
// opening bracket, a sign, a closing interval bracket, a power, a comma or a
// relation is no factor.
constexpr std::string_view AVANT_PARENTHESE = "(*+-/]^,=<>{;[ ";

std::optional<double> valeur_borne(const std::string &borne)
{
    if (borne == "-inf")
        return MOINS_INFINI;
    if (borne == "inf")
        return PLUS_INFINI;
    return valeur(borne, 0.0);
}

std::string intervalle(const std::string &inf, const std::string &sup, bool ouvert_bas, bool ouvert_haut)
{
    return "domain(x," + inf + "," + sup + "," + code_intervalle(ouvert_bas, ouvert_haut) + ")";
}

bool second_present(const BornesIntervalles &b) { return !b.borne_inf_2.empty() && !b.borne_sup_2.empty(); }

// The argument window's rules for one message: a "(" after a factor becomes
// "*(", the other keys as in the input box of the main window, except the
// key that types a root after a "*", which this box does not have.
Message filtre_argument(Saisie &saisie, Message message, bool mode_vecteurs, std::vector<Message> &postes)
{
    if (message.genre == GenreMessage::caractere && message.code == '(') {
        const std::size_t curseur =
            static_cast<std::size_t>(std::clamp(saisie.curseur, 0, static_cast<int>(saisie.texte.size())));
        // Not after a function's name: "sqrt(" typed key by key stays a root.
        if (curseur > 0 && AVANT_PARENTHESE.find(saisie.texte[curseur - 1]) == std::string_view::npos &&
            produit_avant_parenthese(std::string_view(saisie.texte).substr(0, curseur))) {
            message.code = '*';
            postes.push_back({GenreMessage::caractere, '('});
        }
        return message;
    }
    if (message.code == CARACTERE_RACINE_PRODUIT)
        return message;
    return filtre_message(saisie, message, mode_vecteurs, postes);
}

// The intervals typed with brackets ("[-2;1]", "]-inf;0]∪[2;inf[") in the
// interval text the domain is read from; any other text as it is.
std::string texte_d_intervalles(const std::string &texte)
{
    if (texte.find("domain") != std::string::npos)
        return texte;
    const LectureReponse lue = lis_reponse(texte, NatureEnonce::inequation);
    if (!lue.sens || lue.sens->genre != Sens::Genre::intervalles || lue.sens->intervalles.empty())
        return texte;
    return ecrit_sens(*lue.sens);
}

} // namespace

std::string texte_domaine(const BornesIntervalles &b)
{
    const std::optional<double> inf_1 = valeur_borne(b.borne_inf_1), sup_1 = valeur_borne(b.borne_sup_1);
    if (!inf_1 || !sup_1 || *inf_1 > *sup_1)
        return {};
    const std::string premier = intervalle(b.borne_inf_1, b.borne_sup_1, b.crochet_1a, b.crochet_1b);
    if (!second_present(b))
        return premier;
    const std::optional<double> inf_2 = valeur_borne(b.borne_inf_2), sup_2 = valeur_borne(b.borne_sup_2);
    if (!inf_2 || !sup_2 || *inf_2 > *sup_2 || *sup_1 > *inf_2)
        return {};
    std::string texte = "(" + premier + ")or(" + intervalle(b.borne_inf_2, b.borne_sup_2, b.crochet_2a, b.crochet_2b) + ")";
    std::optional<double> avant = sup_2;
    for (const Intervalle &i : b.suivants) {
        const std::optional<double> bas = valeur_borne(i.bas), haut = valeur_borne(i.haut);
        if (!bas || !haut || *bas > *haut || *avant > *bas)
            return {};
        texte += "or(" + intervalle(i.bas, i.haut, i.bas_ouvert, i.haut_ouvert) + ")";
        avant = haut;
    }
    return texte;
}

std::string texte_domaine() { return texte_domaine(partage.domaine); }

Saisie bouton_intervalle(int image, Saisie saisie)
{
    static constexpr std::string_view crochets[] = {"[;]", "];[", "[;[", "];]"};
    if (image < 9 || image > 12)
        return saisie;
    const std::size_t curseur =
        static_cast<std::size_t>(std::clamp(saisie.curseur, 0, static_cast<int>(saisie.texte.size())));
    std::string ajout(crochets[image - 9]);
    const std::string_view avant = std::string_view(saisie.texte).substr(0, curseur);
    if (!avant.empty() && (avant.back() == ']' || avant.back() == '[' || avant.back() == '}'))
        ajout = (partage.saisie_depuis_prof ? "U" : "∪") + ajout;
    saisie.texte.insert(curseur, ajout);
    saisie.curseur = static_cast<int>(curseur + ajout.size() - 2);
    return saisie;
}

Saisie bouton_reponse(SigneReponse signe, Saisie saisie)
{
    static constexpr std::string_view signes[] = {"∅", "ℝ", "ou", "∞"};
    const std::size_t curseur =
        static_cast<std::size_t>(std::clamp(saisie.curseur, 0, static_cast<int>(saisie.texte.size())));
    std::string ajout(signes[static_cast<int>(signe)]);
    if (signe == SigneReponse::ou) {
        if (curseur > 0 && saisie.texte[curseur - 1] != ' ')
            ajout = " " + ajout;
        if (curseur == saisie.texte.size() || saisie.texte[curseur] != ' ')
            ajout += ' ';
    }
    saisie.texte.insert(curseur, ajout);
    saisie.curseur = static_cast<int>(curseur + ajout.size());
    return saisie;
}

FrappeArgument frappe_argument(Saisie saisie, Message message, bool mode_vecteurs)
{
    const auto c = static_cast<std::size_t>(std::clamp(saisie.curseur, 0, static_cast<int>(saisie.texte.size())));
    if (message.genre == GenreMessage::caractere) {
        // The separator or the bracket of an interval typed where it already
        // stands passes over it: the pupil types the interval as he writes it.
        const bool de_l_intervalle = message.code == ';' || message.code == '[' || message.code == ']';
        if (de_l_intervalle && c < saisie.texte.size() && saisie.texte[c] == message.code) {
            ++saisie.curseur;
            return {saisie, false};
        }
        // An answer (or a set) is written with blanks, ";" and the signs of
        // sets, which statements and the arguments of actions do not take.
        const Partage &p = partage;
        const bool ensemble = p.action_en_cours == 10 || p.saisie_domaine || p.saisie_depuis_prof;
        const std::string signe = message.code == ' ' || message.code == ';'
                                      ? std::string(1, static_cast<char>(message.code))
                                      : signe_ensemble(message.code, p.saisie_depuis_prof);
        if (ensemble && !signe.empty()) {
            saisie.texte.insert(c, signe);
            saisie.curseur = static_cast<int>(c + signe.size());
            return {saisie, false};
        }
    }
    const Frappe f = frappe(std::move(saisie), message, mode_vecteurs, filtre_argument, TOUCHE_ENTREE);
    return {f.saisie, f.finie};
}

FrappeArgument frappe_sur_selection(Saisie saisie, Message message, bool mode_vecteurs, bool &selection)
{
    if (selection && !(message.genre == GenreMessage::touche && message.code == TOUCHE_ENTREE)) {
        selection = false;
        const bool efface = message.genre == GenreMessage::caractere || message.code == TOUCHE_EFFACE_ARRIERE ||
                            message.code == TOUCHE_SUPPRIME;
        if (efface)
            saisie = Saisie{};
        if (message.genre == GenreMessage::touche && efface)
            return {saisie, false};
    }
    return frappe_argument(std::move(saisie), message, mode_vecteurs);
}

Saisie modele_argument(Saisie saisie, ModeleArgument modele, bool mode_vecteurs)
{
    auto poste = [&](int caractere) {
        return frappe_argument(std::move(saisie), Message{GenreMessage::caractere, caractere}, mode_vecteurs).saisie;
    };
    switch (modele) {
    case ModeleArgument::racine:
        return partage.saisie_inequation ? saisie : poste(CARACTERE_RACINE);
    case ModeleArgument::puissance: return poste('^');
    case ModeleArgument::fraction: return poste('/');
    case ModeleArgument::et: {
        // The separator goes in at the caret and the caret after it: the value
        // typed next follows it, so that the answer check reads a list.
        const std::size_t ici = std::min(static_cast<std::size_t>(std::max(saisie.curseur, 0)), saisie.texte.size());
        saisie.texte.insert(ici, "*et*");
        saisie.curseur = static_cast<int>(ici) + 4;
        return saisie;
    }
    }
    return saisie;
}

std::string FenetreArgument::ouvre(const std::string &derniere_expression)
{
    const Partage &p = partage;
    std::string texte;
    if (p.saisie_domaine) {
        copie_ = p.domaine;
        texte = texte_domaine(copie_);
    } else if (p.action_en_cours == 10) {
        texte = derniere_expression;
    }
    if (p.saisie_depuis_prof)
        texte = p.texte_cellule;
    return texte;
}

bool FenetreArgument::ouvre_selectionne() const
{
    const Partage &p = partage;
    return p.action_en_cours == 10 && !p.saisie_domaine && !p.saisie_depuis_prof;
}

bool FenetreArgument::boutons_reponse_visibles() const
{
    const int nature = partage.nature_exercice;
    return ouvre_selectionne() && nature >= EQUATION && nature <= SUPERIEUR_OU_EGAL;
}

Saisie FenetreArgument::infini(Saisie saisie, bool mode_vecteurs) const
{
    if (boutons_reponse_visibles())
        return bouton_reponse(SigneReponse::infini, std::move(saisie));
    for (const char c : TEXTE_INFINI)
        saisie = frappe_argument(std::move(saisie), Message{GenreMessage::caractere, c}, mode_vecteurs).saisie;
    return saisie;
}

int FenetreArgument::taille_police() const { return partage.saisie_inequation ? 20 : 18; }

bool FenetreArgument::barre_intervalles_visible() const { return partage.saisie_inequation; }

SuiteArgument FenetreArgument::terminer(const std::string &texte)
{
    Partage &p = partage;
    const bool domaine = p.saisie_domaine;
    if (domaine && (!lit_intervalles(texte_d_intervalles(texte), p.domaine) || texte_domaine().empty()))
        remet_bornes();
    p.saisie_domaine = false;
    p.saisie_inequation = false;
    SuiteArgument suite;
    suite.active_grille = p.saisie_depuis_prof;
    suite.lance_affiche = !domaine && p.mode_grille == 0;
    suite.ecrit_cellule = p.saisie_depuis_prof;
    p.saisie_depuis_prof = false;
    return suite;
}

SuiteArgument FenetreArgument::annule()
{
    Partage &p = partage;
    SuiteArgument suite;
    suite.active_grille = p.saisie_depuis_prof;
    p.saisie_depuis_prof = false;
    if (p.saisie_domaine)
        remet_bornes();
    p.saisie_inequation = false;
    p.saisie_domaine = false;
    return suite;
}

void FenetreArgument::remet_bornes() const { partage.domaine = copie_; }

void valide_domaine(const std::string &texte)
{
    partage.saisie_domaine = true;
    partage.saisie_inequation = true;
    FenetreArgument fenetre;
    fenetre.ouvre(partage.derniere_expression);
    fenetre.terminer(texte);
}
