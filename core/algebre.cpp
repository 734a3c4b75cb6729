#include "core/algebre.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <utility>

#include "core/decoupe.h"
#include "core/partage.h"
#include "formula/normalise.h"

namespace {

// Above this size the power of a piece is not written out as a product.
constexpr std::size_t TAILLE_MAX_DEVELOPPE = 100000;
// Exponents are read up to this value; longer digit runs saturate.
constexpr int EXPOSANT_MAX = 1000000;

bool commence_par(std::string_view s, std::string_view debut)
{
    return s.substr(0, debut.size()) == debut;
}

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

// Caption of a member made of a single piece under a power or a function;
// empty when the exponent gives none.
std::string libelle_piece_seule(int exposant)
{
    switch (exposant) {
    case 2: return "Carré de...";
    case 3: return "Cube de...";
    case CODE_SIN: return "Sinus de...";
    case CODE_COS: return "Cosinus de...";
    case CODE_TAN: return "Tangente de...";
    case CODE_ABS: return "Valeur absolue de...";
    case CODE_LN: return "Log. népérien de...";
    case CODE_SQRT: return "Racine carrée de...";
    case CODE_EXP: return "Exponentielle de...";
    default:
        if (exposant >= 4 && exposant <= 999)
            return "Puissance " + std::to_string(exposant) + " de...";
        return {};
    }
}

// Pieces 8 onwards of a split folded into one parenthesised piece 8. When the
// operator in front of the fold is "-" or "/", the operators inside are
// inverted so that the member keeps its value; the fold is the last piece, so
// no operator follows it.
void replie_morceaux(std::array<std::string, 10> &morceaux,
                     std::array<std::string, 10> &operateurs, int nb_morceaux)
{
    const Partage &p = partage;
    const bool inverse = operateurs[7] == "-" || operateurs[7] == "/";
    std::string pli = "(";
    for (int k = 8; k <= nb_morceaux; ++k) {
        pli += p.table_morceaux[k];
        if (k < nb_morceaux) {
            std::string op = p.table_operateurs[k];
            if (inverse)
                inverse_operateur(op);
            pli += op;
        }
    }
    pli += ')';
    morceaux[8] = std::move(pli);
    operateurs[8].clear();
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

TDmembre::TDmembre(std::string_view t) { remplit(t); }

void TDmembre::remplit(std::string_view t)
{
    Partage &p = partage;
    texte = sans_blancs(t);

    isole_groupes(t);
    for (int i = 1; i <= 18; ++i) {
        std::string description = decoupe(i);
        if (description == "...") {
            if (i == 1)
                libelle = t;
            break;
        }
        libelle = std::move(description);
    }

    int nb_morceaux = 1;
    while (nb_morceaux < 20 && !p.table_operateurs[nb_morceaux].empty())
        ++nb_morceaux;
    for (int k = 1; k <= 8; ++k) {
        morceaux[k] = p.table_morceaux[k];
        operateurs_membre[k] = p.table_operateurs[k];
    }
    if (nb_morceaux >= 9)
        replie_morceaux(morceaux, operateurs_membre, nb_morceaux);

    for (int k = 1; k <= 8; ++k) {
        degres[k] = degre(morceaux[k]);
        Puissance puissance = separe_puissance(morceaux[k]);
        bases[k] = std::move(puissance.base);
        exposants[k] = puissance.exposant;
        developpes[k] = std::move(puissance.developpe);
    }

    if (morceaux[2].empty()) {
        std::string autre = libelle_piece_seule(exposants[1]);
        if (!autre.empty())
            libelle = std::move(autre);
    }

    for (int k = 1; k <= 7; ++k)
        degre_total += degres[k];
    for (int k = 1; k <= 8; ++k) {
        const std::string &op = operateurs_membre[k];
        if (op == "+" || op == "-")
            ++nb_additifs;
        else if (op == "*" || op == "/")
            ++nb_multiplicatifs;
    }

    // Factors written as one parenthesised group lose their parentheses.
    if (nb_multiplicatifs >= 1) {
        for (int k = 1; k <= std::min(nb_multiplicatifs + 1, 6); ++k) {
            std::string &m = morceaux[k];
            if (entre_parentheses(m) && m.find('^') == std::string::npos)
                m = m.substr(1, m.size() - 2);
        }
    }
    texte_initial = texte;
}

// ---------------------------------------------------------------- statements

TDalgebre::TDalgebre(std::string_view t)
{
    Partage &p = partage;
    texte = t;
    if (texte.size() >= 3) {
        sans_blancs(texte);
        if (entre_parentheses(texte))
            texte = texte.substr(1, texte.size() - 2);
    }

    // Position (0-based) of the relation sign or of the system's line break.
    std::size_t position = std::string::npos;
    std::size_t longueur_signe = 1;
    if (!texte.empty() && texte[0] == '{') {
        texte.erase(0, texte.size() >= 2 && texte[1] == '\r' ? 3 : 1);
        position = texte.find('\r');
        const std::size_t n = texte.size();
        std::size_t fin = n >= 3 && texte[n - 3] == '\r' ? n - 3 : (n >= 1 ? n - 1 : 0);
        // The last character goes whole, whatever its length in bytes.
        while (fin > 0 && (static_cast<unsigned char>(texte[fin]) & 0xC0) == 0x80)
            --fin;
        texte.erase(fin);
        nature = SYSTEME;
        longueur_signe = 2;
        p.mot_systeme = texte.find('=') != std::string::npos ? "équation" : "inéquation";
    } else {
        static constexpr std::pair<std::string_view, Nature> relations[] = {
            {"<=", INFERIEUR_OU_EGAL}, {">=", SUPERIEUR_OU_EGAL}, {"<", INFERIEUR},
            {">", SUPERIEUR},          {"=", EQUATION},
        };
        for (const auto &[signe, code] : relations) {
            position = texte.find(signe);
            if (position != std::string::npos) {
                nature = code;
                longueur_signe = signe.size();
                break;
            }
        }
    }
    p.position_relation = nature == EXPRESSION || position == std::string::npos
                              ? 0
                              : static_cast<int>(position) + 1;

    // A system without a line break is one line with no second member.
    if (nature == EXPRESSION || position == std::string::npos) {
        membre_gauche.remplit(texte);
        return;
    }
    membre_gauche.remplit(std::string_view(texte).substr(0, std::min(position, texte.size())));
    const std::size_t debut_droit = position + longueur_signe;
    if (position + 1 < texte.size() && debut_droit < texte.size())
        membre_droit.remplit(std::string_view(texte).substr(debut_droit));
}

TDpoly::TDpoly(std::string t) : texte(std::move(t)), degre_terme(degre(texte)) {}

TDsolu::TDsolu(std::string solution_, std::string_view texte_penalite, std::string commentaire_)
    : commentaire(std::move(commentaire_)), solution(std::move(solution_))
{
    const char *debut = texte_penalite.data();
    const char *fin = debut + texte_penalite.size();
    if (debut != fin && *debut == '+')
        ++debut;
    int valeur = 0;
    const auto [ptr, erreur] = std::from_chars(debut, fin, valeur);
    penalite = erreur == std::errc() && ptr == fin ? valeur : 0;
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

void majuscules(std::string &t)
{
    for (char &c : t)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
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
    TDalgebre enonce(t);
    TDmembre &m = enonce.membre_gauche;
    if (enonce.nature != EXPRESSION || m.nb_multiplicatifs <= 1)
        return;
    for (int i = 1; i <= m.nb_multiplicatifs && i < 9; ++i) {
        if (m.operateurs_membre[i] == "/" && est_nombre_decimal(m.morceaux[i]) &&
            est_nombre_decimal(m.morceaux[i + 1])) {
            m.morceaux[i] += "/" + m.morceaux[i + 1];
            m.morceaux[i + 1].clear();
            m.operateurs_membre[i] = m.operateurs_membre[i + 1];
        }
    }
    // Brackets go around the numeric fractions and the factors that need
    // them, as a teacher writes a product: '2/3*x' gives '(2/3)*x', and
    // '3*x*(x+2)' stays as it is.
    std::string r, avant;
    for (int i = 1; i <= 8; ++i) {
        if (m.morceaux[i].empty())
            continue;
        r.append(piece_ecrite(m.morceaux[i], avant, false)).append(m.operateurs_membre[i]);
        avant = m.operateurs_membre[i];
    }
    if (!r.empty())
        t = std::move(r);
}

void separe_fraction(std::string &t, std::string &denominateur)
{
    denominateur = "1";
    TDalgebre enonce(t);
    const TDmembre &m = enonce.membre_gauche;
    if (m.nb_multiplicatifs == 1 && m.operateurs_membre[1] == "/") {
        t = m.morceaux[1];
        denominateur = m.morceaux[2];
    }
}

std::string forme_lisible(std::string_view entree)
{
    std::string t(entree);
    remplace_chaque(t, "*", "·");
    remplace_chaque(t, "^3", " ³");
    remplace_chaque(t, "^2", " ²");
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
