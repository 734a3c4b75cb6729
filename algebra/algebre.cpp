#include "algebra/algebre.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "algebra/decoupe.h"
#include "formula/normalise.h"

namespace {

// Above this size the power of a piece is not written out as a product.
constexpr std::size_t TAILLE_MAX_DEVELOPPE = 100000;
// Exponents are read up to this value; longer digit runs saturate.
constexpr int EXPOSANT_MAX = 1000000;

// True when s begins with "(" whose ")" is the last character.
bool entre_parentheses(std::string_view s)
{
    return s.size() >= 2 && s.front() == '(' && parenthese_fermante(s, 0) == s.size() - 1;
}

bool est_nombre_decimal(std::string_view s)
{
    if (!s.empty() && (s[0] == '-' || s[0] == '+'))
        s.remove_prefix(1);
    bool chiffre = false, point = false;
    for (char c : s) {
        if (c >= '0' && c <= '9')
            chiffre = true;
        else if (c == '.' && !point)
            point = true;
        else
            return false;
    }
    return chiffre;
}

// Parts 8 onwards of a member folded into one parenthesised piece. When the
// operator in front of the fold is "-" or "/", the operators inside are
// inverted so that the member keeps its value; the fold is the last piece, so
// no operator follows it.
std::string pli(const EnonceLu &enonce, const std::vector<Partie> &parties)
{
    const char avant = parties[6].operateur;
    const bool inverse = avant == '-' || avant == '/';
    std::string r = "(";
    for (std::size_t k = 7; k < parties.size(); ++k) {
        r += enonce.ecrit(parties[k].etendue);
        if (k + 1 < parties.size()) {
            std::string op(1, parties[k].operateur);
            if (inverse)
                inverse_operateur(op);
            r += op;
        }
    }
    r += ')';
    return r;
}

// One of the operators stands in the piece outside its own brackets (a
// sign in first place or after "^" is no operator).
bool operateur_hors_parentheses(std::string_view piece, std::string_view operateurs)
{
    int profondeur = 0;
    for (std::size_t i = 0; i < piece.size(); ++i) {
        const char c = piece[i];
        if (c == '(')
            ++profondeur;
        else if (c == ')')
            --profondeur;
        else if (profondeur == 0 && i > 0 && piece[i - 1] != '^' && operateurs.find(c) != std::string_view::npos)
            return true;
    }
    return false;
}

// A factor of a product as its piece holds it: without the brackets written
// around it, unless a power stands inside them ('(x+1)' gives 'x+1',
// '(x^2+1)' stays).
std::string_view facteur_sans_parentheses(std::string_view facteur)
{
    if (entre_parentheses(facteur) && facteur.find('^') == std::string_view::npos)
        return facteur.substr(1, facteur.size() - 2);
    return facteur;
}

} // namespace

std::size_t parenthese_fermante(std::string_view s, std::size_t ouvrante)
{
    if (ouvrante >= s.size() || s[ouvrante] != '(')
        return std::string_view::npos;
    int profondeur = 0;
    for (std::size_t i = ouvrante; i < s.size(); ++i) {
        if (s[i] == '(')
            ++profondeur;
        else if (s[i] == ')' && --profondeur == 0)
            return i;
    }
    return std::string_view::npos;
}

void remplace_chaque(std::string &t, std::string_view ancien, std::string_view nouveau)
{
    if (ancien.empty() || t.find(ancien) == std::string::npos)
        return;
    std::string r;
    r.reserve(t.size() + t.size() / 2);
    std::size_t debut = 0;
    for (std::size_t p = t.find(ancien); p != std::string::npos; p = t.find(ancien, debut)) {
        r.append(t, debut, p - debut);
        r.append(nouveau);
        debut = p + ancien.size();
    }
    r.append(t, debut, std::string::npos);
    t = std::move(r);
}

// ---------------------------------------------------------------- members

std::vector<std::string> morceaux_du_membre(const EnonceLu &enonce, const Membre &membre)
{
    const std::size_t n = membre.parties.size();
    std::vector<std::string> r;
    r.reserve(std::min<std::size_t>(n, 8));
    for (std::size_t k = 0; k < std::min<std::size_t>(n, n > 8 ? 7 : 8); ++k)
        r.emplace_back(enonce.ecrit(membre.parties[k].etendue));
    if (n > 8)
        r.push_back(pli(enonce, membre.parties));
    return r;
}

std::string_view morceau_sans_parentheses(const Membre &membre, std::size_t k, std::string_view piece)
{
    const bool produit = !membre.termes && membre.parties.size() > 1;
    return produit && k < 6 ? facteur_sans_parentheses(piece) : piece;
}

std::string operateur_apres(const Membre &membre, std::size_t k)
{
    if (k >= 7 || k >= membre.parties.size() || membre.parties[k].operateur == '\0')
        return {};
    return std::string(1, membre.parties[k].operateur);
}

std::vector<std::string> pieces_affichees(const EnonceLu &enonce, const Membre &membre)
{
    std::vector<std::string> pieces = morceaux_du_membre(enonce, membre);
    for (std::size_t k = 0; k < pieces.size(); ++k)
        pieces[k] = std::string(morceau_sans_parentheses(membre, k, pieces[k]));
    return pieces;
}

std::optional<PieceSeule> piece_seule(const EnonceLu &enonce, const Membre &membre)
{
    if (!enonce.arbre || membre.noeud < 0 || membre.parties.size() != 1)
        return std::nullopt;
    const Arbre &arbre = *enonce.arbre;
    const Noeud &n = arbre[membre.noeud];
    const auto ecrit = [&](int k) {
        const Noeud &e = arbre[arbre.enfant(n, k)];
        return arbre.texte.substr(static_cast<std::size_t>(e.debut), static_cast<std::size_t>(e.fin - e.debut));
    };
    if (n.genre == Genre::fonction)
        return PieceSeule{ecrit(0), 0, fonction_nommee(arbre.mot(n))};
    if (n.genre != Genre::puissance)
        return std::nullopt;
    const Noeud &exposant = arbre[arbre.enfant(n, 1)];
    const std::string_view chiffres = arbre.mot(exposant);
    if (exposant.genre != Genre::nombre || chiffres.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    int e = 0;
    for (char c : chiffres)
        e = std::min(e * 10 + (c - '0'), EXPOSANT_MAX);
    if (e < 2)
        return std::nullopt;
    return PieceSeule{ecrit(0), e, std::nullopt};
}

std::string libelle_des_parties(const EnonceLu &enonce, const Membre &membre)
{
    static constexpr const char *fonctions[] = {"Sinus de...", "Cosinus de...", "Tangente de...",
                                                "Valeur absolue de...", "Log. népérien de...",
                                                "Racine carrée de...", "Exponentielle de..."};
    const std::size_t n = membre.parties.size();
    if (n > 1)
        return (n > PIECES_COMPTEES ? "n" : std::to_string(n)) + (membre.termes ? " termes :" : " facteurs :");
    const std::optional<PieceSeule> seule = piece_seule(enonce, membre);
    if (!seule)
        return {};
    if (seule->fonction)
        return fonctions[static_cast<std::size_t>(*seule->fonction)];
    if (seule->exposant == 2)
        return "Carré de...";
    if (seule->exposant == 3)
        return "Cube de...";
    return seule->exposant <= 999 ? "Puissance " + std::to_string(seule->exposant) + " de..." : std::string();
}

// ---------------------------------------------------------------- text tools

constexpr int DEGRE_MAX = 1000000;

int degre(std::string_view s)
{
    if (s.empty())
        return 0;
    int resultat = 0;
    bool lettre_x = false;
    for (std::size_t i = s.find('x'); i != std::string_view::npos; i = s.find('x', i + 1)) {
        lettre_x = true;
        if (i + 2 >= s.size() || s[i + 1] != '^')
            continue;
        // The whole run of digits is the exponent ('x^1000' has degree 1000,
        // not 10); it saturates where an exponent stops meaning anything.
        int d = 0;
        for (std::size_t k = i + 2; k < s.size() && s[k] >= '0' && s[k] <= '9'; ++k)
            d = std::min(DEGRE_MAX, d * 10 + (s[k] - '0'));
        resultat = std::max(resultat, d);
    }
    if (resultat == 0 && lettre_x)
        return 1;
    return resultat;
}

Puissance separe_puissance(std::string_view s)
{
    Puissance r;
    if (const std::optional<Fonction> f = fonction_en(s, 0)) {
        const std::size_t nom = nom_de(*f).size();
        if (s.size() > nom && s[nom] == '(' && s.back() == ')' && parenthese_fermante(s, nom) == s.size() - 1) {
            r.base = s.substr(nom + 1, s.size() - nom - 2);
            r.exposant = code_de(*f);
            r.developpe = s;
            return r;
        }
    }

    const std::size_t c = s.find_last_of("^)");
    if (c == std::string_view::npos || s[c] != '^') {
        r.base = s;
        r.developpe = s;
        return r;
    }

    std::size_t fin_chiffres = c + 1;
    int exposant = 0;
    while (fin_chiffres < s.size() && s[fin_chiffres] >= '0' && s[fin_chiffres] <= '9') {
        exposant = std::min(exposant * 10 + (s[fin_chiffres] - '0'), EXPOSANT_MAX);
        ++fin_chiffres;
    }
    r.exposant = exposant;

    // The group raised to the power: a parenthesised group or one character.
    std::size_t debut_groupe = c;
    if (c > 0 && s[c - 1] == ')') {
        int profondeur = 0;
        debut_groupe = 0;
        for (std::size_t i = c; i-- > 0;) {
            if (s[i] == ')')
                ++profondeur;
            else if (s[i] == '(' && --profondeur == 0) {
                debut_groupe = i;
                break;
            }
        }
        // A function's bracket carries its name: 'sin(x)^2' raises sin(x).
        for (std::string_view nom : NOMS_DE_FONCTIONS) {
            if (debut_groupe >= nom.size() && s.substr(debut_groupe - nom.size(), nom.size()) == nom) {
                debut_groupe -= nom.size();
                break;
            }
        }
    } else if (c > 0) {
        debut_groupe = c - 1;   // the whole character before "^", never its last byte alone
        while (debut_groupe > 0 && (static_cast<unsigned char>(s[debut_groupe]) & 0xC0) == 0x80)
            --debut_groupe;
    }
    const std::string_view groupe = s.substr(debut_groupe, c - debut_groupe);

    r.base.reserve(s.size());
    r.base.append(s.substr(0, c)).append(s.substr(fin_chiffres));
    if (exposant <= 1) {
        r.developpe = r.base;
        return r;
    }
    if (static_cast<std::size_t>(exposant - 1) * (groupe.size() + 1) > TAILLE_MAX_DEVELOPPE) {
        r.developpe = s;   // too long to write out: the power stays as written
        return r;
    }
    r.developpe.reserve(r.base.size() + (exposant - 1) * (groupe.size() + 1));
    r.developpe.append(s.substr(0, c));
    for (int k = 1; k < exposant; ++k)
        r.developpe.append(1, '*').append(groupe);
    r.developpe.append(s.substr(fin_chiffres));
    return r;
}

void sans_blancs(std::string &t)
{
    t.erase(std::remove(t.begin(), t.end(), ' '), t.end());
}

std::string sans_blancs(std::string_view t)
{
    std::string r;
    r.reserve(t.size());
    for (char c : t)
        if (c != ' ')
            r += c;
    return r;
}

void compacte_systeme(std::string &t)
{
    if (t.size() >= 3 && t[1] == '\r' && t[2] == '\n')
        t.erase(1, 2);
    const std::size_t n = t.size();
    if (n >= 3 && t[n - 3] == '\r' && t[n - 2] == '\n')
        t.erase(n - 3, 2);
}

std::string piece_ecrite(std::string_view piece, std::string_view operateur_avant, bool somme)
{
    const bool signe = !piece.empty() && (piece[0] == '-' || piece[0] == '+');
    const bool parentheses = (!operateur_avant.empty() && signe) ||
                             operateur_hors_parentheses(piece, somme ? "+-" : "+-*/");
    return parentheses ? "(" + std::string(piece) + ")" : std::string(piece);
}

void groupe_fractions_numeriques(std::string &t)
{
    const EnonceLu enonce(t);
    const Membre &membre = enonce.membres[0];
    if (enonce.nature != EXPRESSION || membre.termes || membre.parties.size() <= 2)
        return;
    std::vector<std::string> morceaux = pieces_affichees(enonce, membre), operateurs;
    for (std::size_t k = 0; k < morceaux.size(); ++k)
        operateurs.push_back(operateur_apres(membre, k));
    for (std::size_t k = 0; k + 1 < morceaux.size(); ++k) {
        if (operateurs[k] == "/" && est_nombre_decimal(morceaux[k]) && est_nombre_decimal(morceaux[k + 1])) {
            morceaux[k] += "/" + morceaux[k + 1];
            morceaux[k + 1].clear();
            operateurs[k] = operateurs[k + 1];
        }
    }
    // Brackets go around the numeric fractions and the factors that need
    // them, as a teacher writes a product: '2/3*x' gives '(2/3)*x', and
    // '3*x*(x+2)' stays as it is.
    std::string r, avant;
    for (std::size_t k = 0; k < morceaux.size(); ++k) {
        if (morceaux[k].empty())
            continue;
        r.append(piece_ecrite(morceaux[k], avant, false)).append(operateurs[k]);
        avant = operateurs[k];
    }
    if (!r.empty())
        t = std::move(r);
}

void separe_fraction(std::string &t, std::string &denominateur)
{
    denominateur = "1";
    const EnonceLu enonce(t);
    const Membre &membre = enonce.membres[0];
    if (membre.termes || membre.parties.size() != 2 || membre.parties[0].operateur != '/')
        return;
    std::vector<std::string> morceaux = pieces_affichees(enonce, membre);
    t = std::move(morceaux[0]);
    denominateur = std::move(morceaux[1]);
}

std::string forme_lisible(std::string_view entree)
{
    std::string t;
    t.reserve(entree.size() + 8);
    // A square or a cube is written raised, right after its base; a longer
    // exponent ('x^23') stays as it is.
    for (std::size_t i = 0; i < entree.size(); ++i) {
        const char suivant = i + 2 < entree.size() ? entree[i + 2] : ' ';
        const bool chiffre_suit = (suivant >= '0' && suivant <= '9') || suivant == '.';
        if (entree[i] == '^' && i + 1 < entree.size() && (entree[i + 1] == '2' || entree[i + 1] == '3') &&
            !chiffre_suit) {
            t += entree[i + 1] == '2' ? "²" : "³";
            ++i;
        } else {
            t += entree[i];
        }
    }
    remplace_chaque(t, "*", "·");
    remplace_chaque(t, "sqrt", "racine");

    static constexpr std::string_view marque = "..arrow";
    if (t.find(marque) == std::string::npos)
        return t;
    std::string r;
    r.reserve(t.size() + 16);
    std::size_t debut = 0;
    for (std::size_t p = t.find(marque); p != std::string::npos; p = t.find(marque, debut)) {
        // The vector's name is the one or two characters before the marker.
        std::size_t nom = p;
        if (p >= 1)
            nom = p >= 2 && t[p - 2] >= 'A' && t[p - 2] <= 'Z' ? p - 2 : p - 1;
        // A name character of several bytes is taken whole.
        while (nom > debut && (static_cast<unsigned char>(t[nom]) & 0xC0) == 0x80)
            --nom;
        nom = std::max(nom, debut);
        r.append(t, debut, nom - debut);
        r.append("vecteur");
        if (p >= 1 && t[p - 1] == 'o' && nom <= p - 1) {
            r.append(t, nom, p - 1 - nom);
            r.append("Nul");
        } else {
            r.append(t, nom, p - nom);
        }
        debut = p + marque.size();
    }
    r.append(t, debut, std::string::npos);
    return r;
}

void echange(std::string &a, std::string &b) { std::swap(a, b); }
