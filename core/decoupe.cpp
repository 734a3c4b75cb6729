#include "core/decoupe.h"

#include <algorithm>
#include <array>
#include <vector>

#include "core/algebre.h"
#include "core/encodage.h"
#include "core/partage.h"

namespace {

// Marks a hidden group in table_groupes: this byte followed by the group's
// letter. The pieces themselves are cut from the positions of the groups, so
// a member text holding this byte, or a point named "Y", cannot be mistaken
// for a group.
constexpr char MARQUE_GROUPE = '\x01';
constexpr int GROUPES_MAX = 17;
constexpr int MORCEAUX_MAX = 17;

// The member of the last isole_groupes and its hidden groups (1..nb_groupes,
// numbered in the order their ")" comes), with the groups listed by their "(".
struct Scission {
    std::string texte;
    int nb_groupes = 0;
    std::array<std::size_t, GROUPES_MAX + 1> ouvre{};
    std::array<std::size_t, GROUPES_MAX + 1> ferme{};
    std::array<int, GROUPES_MAX> par_ouverture{};
};
Scission scission;

// Calls visite(position, character) for each character of texte[debut, fin)
// outside the hidden groups; a group starting there is passed as its "(" and
// its end is skipped.
template <typename Visite>
void parcourt_visibles(std::size_t debut, std::size_t fin, Visite visite)
{
    const Scission &s = scission;
    int g = 0;
    std::size_t p = debut;
    while (p < fin) {
        while (g < s.nb_groupes && s.ouvre[s.par_ouverture[g]] < p)
            ++g;
        if (g < s.nb_groupes && s.ouvre[s.par_ouverture[g]] == p &&
            s.ferme[s.par_ouverture[g]] < fin) {
            const int j = s.par_ouverture[g];
            if (!visite(p, j))
                return;
            p = s.ferme[j] + 1;
            continue;
        }
        if (!visite(p, 0))
            return;
        ++p;
    }
}

// texte[debut, fin) with each outermost hidden group inside written as its
// placeholder.
void ecrit_masque(std::string &sortie, std::size_t debut, std::size_t fin)
{
    const std::string &t = scission.texte;
    std::size_t copie = debut;
    parcourt_visibles(debut, fin, [&](std::size_t p, int groupe) {
        if (groupe != 0) {
            sortie.append(t, copie, p - copie);
            sortie += MARQUE_GROUPE;
            sortie += static_cast<char>('A' + groupe - 1);
            copie = scission.ferme[groupe] + 1;
        }
        return true;
    });
    sortie.append(t, copie, fin - copie);
}

// A "+" or "-" at pos separates two terms, unless it opens the text or the
// piece, or stands right after "*", "/" or "^", where it is the sign of the
// next factor ('x/-2' is one term).
bool coupe_deux_termes(const std::string &t, std::size_t pos, std::size_t debut)
{
    const char c = t[pos];
    if (c != '+' && (c != '-' || pos == debut))
        return false;
    return pos == 0 || (t[pos - 1] != '*' && t[pos - 1] != '/' && t[pos - 1] != '^');
}

struct Coupe {
    std::size_t debut = 0, fin = 0;
    char operateur = 0;
};

// Cuts the top-level member into terms or factors; returns the description.
std::string coupe_haut_niveau()
{
    Partage &p = partage;
    const std::string &t = scission.texte;
    const std::size_t n = t.size();

    bool termes = false, facteurs = false;
    parcourt_visibles(0, n, [&](std::size_t pos, int groupe) {
        if (groupe == 0) {
            const char c = t[pos];
            termes = termes || coupe_deux_termes(t, pos, 0);
            facteurs = facteurs || c == '*' || c == '/';
        }
        return !termes;
    });

    std::array<Coupe, MORCEAUX_MAX + 1> morceaux{};
    int b = 1;
    std::size_t debut = 0;
    bool limite = false;   // the last piece takes the whole rest
    if (termes || facteurs) {
        parcourt_visibles(0, n, [&](std::size_t pos, int groupe) {
            if (groupe != 0)
                return true;
            const char c = t[pos];
            const bool coupure = termes ? coupe_deux_termes(t, pos, debut) : c == '*' || c == '/';
            if (!coupure)
                return true;
            if (b == MORCEAUX_MAX) {
                limite = true;
                return false;
            }
            morceaux[b] = {debut, pos, c};
            ++b;
            debut = pos + 1;
            return true;
        });
    }
    morceaux[b] = {debut, n, 0};

    for (int k = 1; k <= 20; ++k) {
        if (k <= b) {
            p.table_morceaux[k].assign(t, morceaux[k].debut, morceaux[k].fin - morceaux[k].debut);
            if (morceaux[k].operateur != 0)
                p.table_operateurs[k].assign(1, morceaux[k].operateur);
            else
                p.table_operateurs[k].clear();
        } else {
            p.table_morceaux[k].clear();
            p.table_operateurs[k].clear();
        }
    }
    if (!termes && !facteurs)
        return {};
    const std::string compte = limite ? "n" : std::to_string(b);
    return compte + (termes ? " termes :" : " facteurs :");
}

} // namespace

bool isole_groupes(std::string_view membre)
{
    Partage &p = partage;
    for (int k = 1; k <= 20; ++k) {
        p.table_groupes[k].clear();
        p.table_morceaux[k].clear();
        p.table_operateurs[k].clear();
    }
    Scission &s = scission;
    s.texte.assign(membre);
    nettoie_membre(s.texte);

    // Groups in the order of their ")", each with the nearest "(" before it;
    // a ")" with no "(" left before it stays in the text.
    static std::vector<std::size_t> pile;
    pile.clear();
    s.nb_groupes = 0;
    for (std::size_t i = 0; i < s.texte.size() && s.nb_groupes < GROUPES_MAX; ++i) {
        if (s.texte[i] == '(') {
            pile.push_back(i);
        } else if (s.texte[i] == ')' && !pile.empty()) {
            ++s.nb_groupes;
            s.ouvre[s.nb_groupes] = pile.back();
            s.ferme[s.nb_groupes] = i;
            pile.pop_back();
        }
    }
    for (int j = 1; j <= s.nb_groupes; ++j)
        s.par_ouverture[j - 1] = j;
    std::sort(s.par_ouverture.begin(), s.par_ouverture.begin() + s.nb_groupes,
              [&](int a, int b) { return s.ouvre[a] < s.ouvre[b]; });

    for (int j = 1; j <= s.nb_groupes; ++j) {
        std::string &entree = p.table_groupes[j];
        entree += MARQUE_GROUPE;
        entree += static_cast<char>('A' + j - 1);
        entree += "=(";
        const std::size_t longueur = entree.size();
        ecrit_masque(entree, s.ouvre[j] + 1, s.ferme[j]);
        if (entree.size() == longueur)
            entree += ' ';
        entree += ')';
    }
    ecrit_masque(p.table_groupes[s.nb_groupes + 1], 0, s.texte.size());
    return true;
}

std::string decoupe(int i)
{
    Partage &p = partage;
    if (i < 1 || i > 20 || p.table_groupes[i].empty())
        return "...";
    std::string &entree = p.table_groupes[i];
    if (i < 20 && !p.table_groupes[i + 1].empty()) {
        // A group entry: it keeps "(" content ")".
        if (entree.size() >= 3 && entree[0] == MARQUE_GROUPE && entree[1] >= 'A' && entree[1] < 'T') {
            const int cible = entree[1] - 'A' + 1;
            if (cible == i)
                entree.erase(0, 3);
            else
                p.table_groupes[cible] = entree.substr(3);
        }
        for (int k = 1; k <= 20; ++k)
            p.table_morceaux[k].clear();
        return {};
    }
    return coupe_haut_niveau();
}

void nettoie_membre(std::string &t)
{
    sans_blancs(t);
    if (!t.empty() && (t[0] == '/' || t[0] == '*'))
        t.erase(0, 1);
}

int pos_apres_premier(char c, std::string_view t)
{
    const std::size_t p = t.size() < 2 ? std::string_view::npos : t.find(c, 1);
    return p == std::string_view::npos ? 0 : static_cast<int>(p) + 1;
}

int pos_depuis(char c, std::string_view t, int debut)
{
    const std::size_t depart = debut < 1 ? 0 : static_cast<std::size_t>(debut) - 1;
    const std::size_t p = depart >= t.size() ? std::string_view::npos : t.find(c, depart);
    return p == std::string_view::npos ? 0 : static_cast<int>(p) + 1;
}

void inverse_signes(std::string &t)
{
    for (char &c : t) {
        if (c == '+')
            c = '-';
        else if (c == '-')
            c = '+';
    }
}

void sans_parentheses(std::string &t)
{
    t.erase(std::remove_if(t.begin(), t.end(), [](char c) { return c == '(' || c == ')'; }),
            t.end());
}

std::string extrait_terme(std::string &polynome)
{
    if (polynome.empty())
        return "0";
    const std::size_t fin = polynome.find_first_of("+-", polynome[0] == '-' ? 1 : 0);
    if (fin == std::string::npos) {
        std::string terme = std::move(polynome);
        polynome.clear();
        return terme;
    }
    std::string terme = polynome.substr(0, fin);
    polynome.erase(0, polynome[fin] == '+' ? fin + 1 : fin);
    return terme;
}

namespace {

// Where the exponent starting at i ends: a run of digits, or else one whole
// character (never half of one).
std::size_t apres_exposant(std::string_view t, std::size_t i)
{
    if (i >= t.size())
        return i;
    if (t[i] >= '0' && t[i] <= '9') {
        while (i < t.size() && t[i] >= '0' && t[i] <= '9')
            ++i;
        return i;
    }
    return i + std::max<std::size_t>(1, longueur_caractere_utf8(t, i));
}

} // namespace

void extrait_coefficient(std::string &polynome, std::string &signe, std::string &coefficient)
{
    coefficient = "1";
    signe = "+";
    if (polynome.empty())
        return;
    std::string lu;
    std::size_t i = 0;
    if (polynome[0] == '-') {
        lu = "-";
        signe = "-";
        i = 1;
    }
    if (i < polynome.size() && polynome[i] == 'x')
        lu += '1';
    while (i < polynome.size() && polynome[i] != '-' && polynome[i] != '+') {
        const char c = polynome[i];
        if (c == '^')
            i = apres_exposant(polynome, i + 1);
        else {
            if (c != 'x' && c != '*')
                lu += c;
            ++i;
        }
    }
    i = std::min(i, polynome.size());
    if (i < polynome.size() && polynome[i] == '+')
        ++i;
    polynome.erase(0, i);
    if (!lu.empty())
        coefficient = std::move(lu);
}

void inverse_operateur(std::string &operateur)
{
    if (operateur == "+")
        operateur = "-";
    else if (operateur == "-")
        operateur = "+";
    else if (operateur == "*")
        operateur = "/";
    else if (operateur == "/")
        operateur = "*";
}

void oppose_termes(std::string &t)
{
    TDalgebre enonce(t);
    TDmembre &m = enonce.membre_gauche;
    const int c = m.nb_additifs;
    if (c <= 0)
        return;
    std::string r;
    for (int k = 1; k <= c + 1; ++k) {
        if (k <= c)
            inverse_operateur(m.operateurs_membre[k]);
        r.append(m.morceaux[k]).append(m.operateurs_membre[k]);
    }
    t = std::move(r);
}

namespace {

// Piece k of a member as the split gave it: a factor that lost its
// parentheses gets them back (its base kept them).
const std::string &morceau_ecrit(const TDmembre &m, int k)
{
    const std::string &base = m.bases[k];
    const std::string &morceau = m.morceaux[k];
    if (base.size() == morceau.size() + 2 && base.front() == '(' && base.back() == ')' &&
        base.compare(1, morceau.size(), morceau) == 0)
        return base;
    return morceau;
}

} // namespace

void regroupe(std::string &membre)
{
    Partage &p = partage;
    const TDalgebre enonce(membre);
    const TDmembre &m = enonce.membre_gauche;
    p.nb_formes = 0;
    for (int k = 1; k <= 7; ++k) {
        p.table_operateurs[k] = m.operateurs_membre[k];
        if (!m.operateurs_membre[k].empty())
            ++p.nb_formes;
    }

    const int a = p.autre_rang;
    const int n = p.autre_tour;
    const int nb_morceaux = m.morceaux[1].empty() ? 0 : m.nb_additifs + m.nb_multiplicatifs + 1;
    // The run must lie within the pieces, or its parentheses would not close
    // (compared without a sum that could overflow).
    if (a <= 0 || n < 0 || a > nb_morceaux || n > nb_morceaux - a)
        return;

    std::array<std::string, 10> morceaux;
    std::array<std::string, 10> operateurs = m.operateurs_membre;
    for (int k = 1; k <= 8; ++k)
        morceaux[k] = morceau_ecrit(m, k);
    // Behind a "-" (or a "/") the run's inner operators change, so that the
    // value stays. A parenthesised sum after an inner "+" is opened with its
    // signs changed; after an inner "-" it keeps its parentheses.
    if (a > 1 && (operateurs[a - 1] == "-" || operateurs[a - 1] == "/")) {
        for (int k = a; k < a + n; ++k) {
            const bool plus = operateurs[k] == "+";
            inverse_operateur(operateurs[k]);
            if (plus)
                oppose_termes(morceaux[k + 1]);
        }
    }
    std::string r;
    for (int k = 1; k <= 8; ++k) {
        if (k == a)
            r += '(';
        r += morceaux[k];
        if (k == a + n)
            r += ')';
        r += operateurs[k];
    }
    membre = std::move(r);
}
