// The wrong rules of developing, reducing, factoring, fractions, roots,
// powers and vector sums: each rewrites one place of the statement's tree.

#include <cmath>
#include <optional>

#include "algebra/ecriture_arbre.h"
#include "algebra/mecaniques.h"

namespace {

using Resultats = std::vector<Application>;

std::string texte(const Arbre &a, int n) { return ecrit_lineaire(a, n); }
std::string texte(const Arbre &a, TermeSigne t) { return signe(texte(a, t.noeud), t.moins); }

// The statement with one node rewritten.
void propose(const Enonce &e, int noeud, const std::string &apres, Resultats &r)
{
    r.push_back({ecrit_lineaire(e.arbre, e.arbre.racine, {{noeud, apres}}), texte(e.arbre, noeud), apres, {}, {}});
}

// The statement with terms i and j of a sum replaced by one signed text.
void propose_termes(const Enonce &e, const std::vector<TermeSigne> &t, std::size_t i, std::size_t j,
                    const std::string &apres, Resultats &r)
{
    const Arbre &a = e.arbre;
    const std::string avant = texte(a, t[i]) + (t[j].moins ? "-(" : "+(") + texte(a, t[j].noeud) + ")";
    r.push_back({ecrit_lineaire(a, a.racine,
                                {{t[i].noeud, signe(apres, t[i].moins)}, {t[j].noeud, "", Retouche::Genre::omis}}),
                 avant, apres, {}, {}});
}

// Every node of a kind.
template <typename F>
void pour_chaque(const Enonce &e, Genre genre, F f)
{
    for (int i = 0; i < static_cast<int>(e.arbre.noeuds.size()); ++i)
        if (e.arbre[i].genre == genre)
            f(i);
}

// The sums of the statement with their terms, at least two.
template <typename F>
void pour_chaque_paire(const Enonce &e, bool voisins, F f)
{
    pour_chaque(e, Genre::somme, [&](int s) {
        const std::vector<TermeSigne> t = termes(e.arbre, s);
        for (std::size_t i = 0; i < t.size(); ++i)
            for (std::size_t j = i + 1; j < t.size() && (!voisins || j == i + 1); ++j)
                f(t, i, j);
    });
}

std::optional<std::string> exposant_numerique(const Arbre &a, int puissance)
{
    const int e = sans_groupe(a, a.enfant(a[puissance], 1));
    if (a[e].genre != Genre::nombre)
        return std::nullopt;
    return std::string(a.mot(a[e]));
}

std::optional<double> valeur_constante(const Arbre &a, int n)
{
    if (!sans_lettre(a, n))
        return std::nullopt;
    return valeur_en(texte(a, n), 0);
}

// A power of a sum of terms: its base's terms and its exponent.
bool carre_de_somme(const Arbre &a, int n, std::vector<TermeSigne> &t)
{
    if (exposant_numerique(a, n) != "2" || !est_somme(a, a.enfant(a[n], 0)))
        return false;
    t = termes(a, a.enfant(a[n], 0));
    return true;
}

void carres_sans_double_produit(const Enonce &e, Resultats &r)
{
    pour_chaque(e, Genre::puissance, [&](int n) {
        std::vector<TermeSigne> t;
        if (!carre_de_somme(e.arbre, n, t))
            return;
        std::string s;
        for (const TermeSigne &terme : t)
            s += (s.empty() ? "(" : "+(") + texte(e.arbre, terme) + ")^2";
        propose(e, n, s, r);
    });
}

void carre_difference(const Enonce &e, Resultats &r)
{
    pour_chaque(e, Genre::puissance, [&](int n) {
        std::vector<TermeSigne> t;
        if (!carre_de_somme(e.arbre, n, t) || t.size() != 2 || !t[1].moins)
            return;
        propose(e, n, "(" + texte(e.arbre, t[0]) + ")^2-(" + texte(e.arbre, t[1].noeud) + ")^2", r);
    });
}

// (a + b)² with a double product written with the given factor: none for ab,
// "(-2)*" for -2ab.
void double_produit(const Enonce &e, Resultats &r, const char *facteur)
{
    pour_chaque(e, Genre::puissance, [&](int n) {
        std::vector<TermeSigne> t;
        if (!carre_de_somme(e.arbre, n, t) || t.size() != 2)
            return;
        const std::string p = texte(e.arbre, t[0]), q = texte(e.arbre, t[1]);
        propose(e, n, "(" + p + ")^2+" + facteur + "(" + p + ")*(" + q + ")+(" + q + ")^2", r);
    });
}
void double_produit_sans_2(const Enonce &e, Resultats &r) { double_produit(e, r, ""); }
void double_produit_mauvais_signe(const Enonce &e, Resultats &r) { double_produit(e, r, "(-2)*"); }

// The constant factors of a product and the others, as two texts; a sign in
// front goes with the constant.
bool coefficient_et_reste(const Arbre &a, int n, std::string &k, std::string &reste)
{
    n = sans_groupe(a, n);
    bool moins = false;
    if (a[n].genre == Genre::signe) {
        moins = a.mot(a[n]) == "-";
        n = sans_groupe(a, a.enfant(a[n], 0));
    }
    k.clear();
    reste.clear();
    for (int f : facteurs_produit(a, n))
        (sans_lettre(a, f) ? k : reste) += (sans_lettre(a, f) ? k : reste).empty() ? "(" + texte(a, f) + ")"
                                                                                    : "*(" + texte(a, f) + ")";
    if (k.empty() && moins)
        k = "1";
    if (moins)
        k = "-(" + k + ")";
    return !k.empty() && !reste.empty();
}

void carre_produit_coefficient_oublie(const Enonce &e, Resultats &r)
{
    pour_chaque(e, Genre::puissance, [&](int n) {
        const std::optional<std::string> exposant = exposant_numerique(e.arbre, n);
        std::string k, reste;
        if (!exposant || e.arbre[e.arbre.enfant(e.arbre[n], 0)].genre != Genre::groupe ||
            !coefficient_et_reste(e.arbre, e.arbre.enfant(e.arbre[n], 0), k, reste))
            return;
        propose(e, n, k + "*(" + reste + ")^" + *exposant, r);
    });
}

void puissance_comme_produit(const Enonce &e, Resultats &r)
{
    pour_chaque(e, Genre::puissance, [&](int n) {
        const std::optional<std::string> exposant = exposant_numerique(e.arbre, n);
        if (exposant && *exposant != "1" && *exposant != "0")
            propose(e, n, *exposant + "*(" + texte(e.arbre, e.arbre.enfant(e.arbre[n], 0)) + ")", r);
    });
}

// A factor as base and numeric exponent (a letter alone has exponent 1).
struct BaseExposant {
    std::string base;
    double exposant;
};
std::optional<BaseExposant> base_exposant(const Arbre &a, int f)
{
    if (a[f].genre != Genre::puissance)
        return BaseExposant{texte(a, f), 1};
    const std::optional<std::string> e = exposant_numerique(a, f);
    if (!e)
        return std::nullopt;
    return BaseExposant{texte(a, sans_groupe(a, a.enfant(a[f], 0))), std::stod(*e)};
}

// Two factors of one product with the same base: their exponents combined
// by `combine` in place of their sum.
void memes_bases(const Enonce &e, Resultats &r)
{
    pour_chaque(e, Genre::produit, [&](int n) {
        const std::vector<int> f = facteurs_produit(e.arbre, n);
        for (std::size_t i = 0; i < f.size(); ++i)
            for (std::size_t j = i + 1; j < f.size(); ++j) {
                const std::optional<BaseExposant> p = base_exposant(e.arbre, f[i]), q = base_exposant(e.arbre, f[j]);
                if (!p || !q || p->base != q->base || sans_lettre(e.arbre, f[i]) != sans_lettre(e.arbre, f[j]) ||
                    (p->exposant == 1 && q->exposant == 1))
                    continue;
                std::string s = "(" + p->base + ")^(" + std::to_string(p->exposant * q->exposant) + ")";
                for (std::size_t k = 0; k < f.size(); ++k)
                    if (k != i && k != j)
                        s += "*(" + texte(e.arbre, f[k]) + ")";
                propose(e, n, s, r);
            }
    });
}

void puissance_de_puissance(const Enonce &e, Resultats &r)
{
    pour_chaque(e, Genre::puissance, [&](int n) {
        const int interieur = sans_groupe(e.arbre, e.arbre.enfant(e.arbre[n], 0));
        const std::optional<std::string> m = e.arbre[interieur].genre == Genre::puissance
                                                 ? exposant_numerique(e.arbre, interieur)
                                                 : std::nullopt;
        const std::optional<std::string> p = exposant_numerique(e.arbre, n);
        if (!m || !p)
            return;
        propose(e, n, "(" + texte(e.arbre, e.arbre.enfant(e.arbre[interieur], 0)) + ")^(" + *m + "+" + *p + ")", r);
    });
}

// The factors of a product written in front of what follows, without a
// factor 1 when there are none.
std::string facteurs_devant(const std::string &facteurs) { return facteurs.empty() ? facteurs : facteurs + "*"; }

// A product of sums and other factors: the sums and the other factors' text
// (empty when there are none).
struct ProduitDeSommes {
    std::vector<int> sommes;
    std::string autres;
    bool autres_constants = true;
};
std::optional<ProduitDeSommes> produit_de_sommes(const Arbre &a, int n)
{
    const std::vector<int> f = facteurs_produit(a, n);
    if (f.size() < 2)
        return std::nullopt;
    ProduitDeSommes p;
    for (int x : f) {
        if (est_somme(a, x))
            p.sommes.push_back(x);
        else {
            p.autres = facteurs_devant(p.autres) + "(" + texte(a, x) + ")";
            p.autres_constants &= sans_lettre(a, x);
        }
    }
    if (p.sommes.empty())
        return std::nullopt;
    return p;
}

void distributivite_partielle(const Enonce &e, Resultats &r)
{
    pour_chaque(e, Genre::produit, [&](int n) {
        const std::optional<ProduitDeSommes> p = produit_de_sommes(e.arbre, n);
        if (!p || p->sommes.size() != 1 || p->autres.empty())
            return;
        const std::vector<TermeSigne> t = termes(e.arbre, p->sommes[0]);
        std::string s = p->autres + "*" + texte(e.arbre, t[0]);
        for (std::size_t i = 1; i < t.size(); ++i)
            s += "+" + texte(e.arbre, t[i]);
        propose(e, n, s, r);
    });
}

void double_distributivite_incomplete(const Enonce &e, Resultats &r)
{
    pour_chaque(e, Genre::produit, [&](int n) {
        const std::optional<ProduitDeSommes> p = produit_de_sommes(e.arbre, n);
        if (!p || p->sommes.size() != 2)
            return;
        const std::vector<TermeSigne> u = termes(e.arbre, p->sommes[0]), v = termes(e.arbre, p->sommes[1]);
        if (u.size() != 2 || v.size() != 2)
            return;
        propose(e, n,
                facteurs_devant(p->autres) + "(" + texte(e.arbre, u[0]) + "*" + texte(e.arbre, v[0]) + "+" + texte(e.arbre, u[1]) +
                    "*" + texte(e.arbre, v[1]) + ")",
                r);
    });
}

// The nodes written with a minus in front: a term after "-", the operand of
// a sign "-".
bool precede_d_un_moins(const Enonce &e, int noeud)
{
    const Arbre &a = e.arbre;
    for (int p = 0; p < static_cast<int>(a.noeuds.size()); ++p) {
        const Noeud &n = a[p];
        for (int k = 0; k < n.nombre_enfants; ++k)
            if (a.enfant(n, k) == noeud)
                return (n.genre == Genre::somme && a.operateur(n, k) == '-') ||
                       (n.genre == Genre::signe && a.mot(n) == "-");
    }
    return false;
}

// A minus, or a negative factor, in front of a bracket, that changes the
// sign of its first term only: k(a - b) negated written -ka - kb. The kind
// of k tells the rule: none (a bracket alone), a number, or an expression.
enum class Devant { rien, nombre, expression };
void moins_premier_terme(const Enonce &e, Resultats &r, Devant devant)
{
    const Arbre &a = e.arbre;
    for (int n = 0; n < static_cast<int>(a.noeuds.size()); ++n) {
        const Genre g = a[n].genre;
        if ((g != Genre::groupe || !est_somme(a, n)) && g != Genre::produit)
            continue;
        const std::vector<int> f = g == Genre::groupe ? std::vector<int>{n} : facteurs_produit(a, n);
        for (std::size_t i = 0; i < f.size(); ++i) {
            if (!est_somme(a, f[i]))
                continue;
            std::string k;
            bool constant = true;
            for (std::size_t j = 0; j < f.size(); ++j)
                if (j != i) {
                    k += (k.empty() ? "(" : "*(") + texte(a, f[j]) + ")";
                    constant &= sans_lettre(a, f[j]);
                }
            const Devant d = k.empty() ? Devant::rien : constant ? Devant::nombre : Devant::expression;
            if (k.empty())
                k = "1";
            const std::optional<double> vk = constant ? valeur_en(k, 0) : std::nullopt;
            // A minus before a bracket times an expression: in developing, the
            // bracket's first term only changes sign; in factoring, the
            // common factor's bracket.
            if ((d != devant && !(devant == Devant::rien && d == Devant::expression)) ||
                precede_d_un_moins(e, n) == (vk && *vk < 0))
                continue;
            const std::vector<TermeSigne> t = termes(a, f[i]);
            std::string s = k + "*" + texte(a, t[0]);
            for (std::size_t m = 1; m < t.size(); ++m)
                s += "-" + k + "*" + texte(a, t[m]);
            propose(e, n, s, r);
        }
    }
}
// A product of brackets after a minus, developed right, then the minus
// given to its first term only: -(x + 1)(x - 1) written -x² - 1.
void moins_devant_produit_developpe(const Enonce &e, Resultats &r)
{
    const Arbre &a = e.arbre;
    for (int n = 0; n < static_cast<int>(a.noeuds.size()); ++n) {
        const std::optional<ProduitDeSommes> p = a[n].genre == Genre::produit ? produit_de_sommes(a, n) : std::nullopt;
        const std::optional<Polynome> d = p ? polynome(texte(a, n)) : std::nullopt;
        if (!d || !precede_d_un_moins(e, n))
            continue;
        std::vector<std::string> t;
        for (const auto &[k, puissance] : {std::pair{d->a, "*x^2"}, std::pair{d->b, "*x"}, std::pair{d->c, ""}})
            if (k != 0)
                t.push_back("(" + nombre_lisible(k) + ")" + puissance);
        if (t.size() < 2)
            continue;
        std::string s = t[0] + "-(" + t[1];
        for (std::size_t i = 2; i < t.size(); ++i)
            s += "+" + t[i];
        propose(e, n, s + ")", r);
    }
}

void moins_devant_parenthese(const Enonce &e, Resultats &r)
{
    moins_premier_terme(e, r, Devant::rien);
    moins_devant_produit_developpe(e, r);
}
void signe_second_produit(const Enonce &e, Resultats &r) { moins_premier_terme(e, r, Devant::nombre); }
void factorisation_moins(const Enonce &e, Resultats &r) { moins_premier_terme(e, r, Devant::expression); }

// A term k·x (one letter to the power 1): its coefficient and letter.
struct Monome {
    std::string coefficient;
    char lettre;
};
std::optional<Monome> monome(const Arbre &a, TermeSigne t)
{
    std::string k, reste;
    const int n = sans_groupe(a, t.noeud);
    if (a[n].genre == Genre::lettre)
        return Monome{signe("1", t.moins), a.mot(a[n])[0]};
    if (!coefficient_et_reste(a, n, k, reste) && !(a[n].genre == Genre::signe))
        return std::nullopt;
    const std::vector<int> f = facteurs_produit(a, a[n].genre == Genre::signe ? sans_groupe(a, a.enfant(a[n], 0)) : n);
    int lettres = 0;
    char l = 0;
    for (int x : f)
        if (a[x].genre == Genre::lettre) {
            ++lettres;
            l = a.mot(a[x])[0];
        } else if (!sans_lettre(a, x)) {
            return std::nullopt;
        }
    if (lettres != 1)
        return std::nullopt;
    if (k.empty())
        k = "-(1)";
    return Monome{signe(k, t.moins), l};
}

bool est_nombre(const Arbre &a, TermeSigne t) { return sans_lettre(a, t.noeud) && a[sans_groupe(a, t.noeud)].genre != Genre::fonction; }

void concatenation_terme_constant(const Enonce &e, Resultats &r)
{
    pour_chaque_paire(e, false, [&](const std::vector<TermeSigne> &t, std::size_t i, std::size_t j) {
        for (auto [m, c] : {std::pair{i, j}, std::pair{j, i}}) {
            const std::optional<Monome> x = monome(e.arbre, t[m]);
            if (x && est_nombre(e.arbre, t[c]))
                propose_termes(e, t, i, j, "(" + x->coefficient + "+" + texte(e.arbre, t[c]) + ")*" + x->lettre, r);
        }
    });
}

void conjonction_lettres_differentes(const Enonce &e, Resultats &r)
{
    pour_chaque_paire(e, false, [&](const std::vector<TermeSigne> &t, std::size_t i, std::size_t j) {
        const std::optional<Monome> p = monome(e.arbre, t[i]), q = monome(e.arbre, t[j]);
        if (p && q && p->lettre != q->lettre)
            propose_termes(e, t, i, j,
                           "(" + p->coefficient + "+" + q->coefficient + ")*" + p->lettre + "*" + q->lettre, r);
    });
}

void somme_prise_pour_carre(const Enonce &e, Resultats &r)
{
    pour_chaque_paire(e, false, [&](const std::vector<TermeSigne> &t, std::size_t i, std::size_t j) {
        const std::optional<Monome> p = monome(e.arbre, t[i]), q = monome(e.arbre, t[j]);
        if (!p || !q || p->lettre != q->lettre)
            return;
        propose_termes(e, t, i, j, "(" + p->coefficient + "+" + q->coefficient + ")*" + p->lettre + "^2", r);
        // x + x written x².
        if (e.arbre[t[i].noeud].genre == Genre::lettre && e.arbre[t[j].noeud].genre == Genre::lettre && !t[j].moins)
            propose_termes(e, t, i, j, std::string(1, p->lettre) + "^2", r);
    });
}

void detachement_signe_moins(const Enonce &e, Resultats &r)
{
    pour_chaque_paire(e, true, [&](const std::vector<TermeSigne> &t, std::size_t i, std::size_t j) {
        if (i == 0 || !t[i].moins || t[j].moins)
            return;
        const std::optional<Monome> p = monome(e.arbre, {t[i].noeud, false}), q = monome(e.arbre, t[j]);
        if (p && q && p->lettre == q->lettre)
            propose_termes(e, t, i, j, "-(" + p->coefficient + "+" + q->coefficient + ")*" + p->lettre, r);
    });
}

void produit_pris_pour_double(const Enonce &e, Resultats &r)
{
    pour_chaque(e, Genre::produit, [&](int n) {
        const std::vector<int> f = facteurs_produit(e.arbre, n);
        for (char l = 'a'; l <= 'z'; ++l) {
            int fois = 0;
            std::string autres;
            for (int x : f) {
                if (e.arbre[x].genre == Genre::lettre && e.arbre.mot(e.arbre[x])[0] == l)
                    ++fois;
                else
                    autres = facteurs_devant(autres) + "(" + texte(e.arbre, x) + ")";
            }
            if (fois >= 2)
                propose(e, n, facteurs_devant(autres) + std::to_string(fois) + "*" + l, r);
        }
    });
}

void oppose_du_carre(const Enonce &e, Resultats &r)
{
    pour_chaque(e, Genre::puissance, [&](int n) {
        const std::optional<std::string> exposant = exposant_numerique(e.arbre, n);
        if (!exposant || std::stod(*exposant) != 2 || !precede_d_un_moins(e, n))
            return;
        propose(e, n, "-(" + texte(e.arbre, n) + ")", r);
    });
}

// A quotient n/d written as a product of two factors.
bool quotient(const Arbre &a, int noeud, int &n, int &d)
{
    noeud = sans_groupe(a, noeud);
    const Noeud &q = a[noeud];
    if (q.genre != Genre::produit || q.nombre_enfants != 2 || a.operateur(q, 1) != '/')
        return false;
    n = a.enfant(q, 0);
    d = a.enfant(q, 1);
    return true;
}

void somme_fractions_num_den(const Enonce &e, Resultats &r)
{
    pour_chaque_paire(e, true, [&](const std::vector<TermeSigne> &t, std::size_t i, std::size_t j) {
        int n1, d1, n2, d2;
        if (!quotient(e.arbre, t[i].noeud, n1, d1) || !quotient(e.arbre, t[j].noeud, n2, d2))
            return;
        const std::string numerateur = "(" + signe(texte(e.arbre, n1), t[i].moins) + "+" +
                                       signe(texte(e.arbre, n2), t[j].moins) + ")";
        propose_termes(e, t, i, j, numerateur + "/(" + texte(e.arbre, d1) + "+" + texte(e.arbre, d2) + ")", r);
        if (t[j].moins)
            propose_termes(e, t, i, j, numerateur + "/(" + texte(e.arbre, d1) + "-" + texte(e.arbre, d2) + ")", r);
    });
}

void somme_inverses_inverse_somme(const Enonce &e, Resultats &r)
{
    pour_chaque_paire(e, true, [&](const std::vector<TermeSigne> &t, std::size_t i, std::size_t j) {
        int n1, d1, n2, d2;
        if (!quotient(e.arbre, t[i].noeud, n1, d1) || !quotient(e.arbre, t[j].noeud, n2, d2) ||
            texte(e.arbre, n1) != texte(e.arbre, n2) || t[i].moins)
            return;
        propose_termes(e, t, i, j,
                       texte(e.arbre, n1) + "/(" + texte(e.arbre, d1) + (t[j].moins ? "-" : "+") +
                           texte(e.arbre, d2) + ")",
                       r);
    });
}

// The terms of a sum but one, as a signed text; "0" when none is left.
std::string sauf(const Arbre &a, const std::vector<TermeSigne> &t, std::size_t exclu)
{
    std::string s;
    for (std::size_t k = 0; k < t.size(); ++k)
        if (k != exclu)
            s += (s.empty() ? "" : "+") + texte(a, t[k]);
    return s.empty() ? "0" : s;
}

void simplification_terme_commun(const Enonce &e, Resultats &r)
{
    pour_chaque(e, Genre::produit, [&](int q) {
        int n, d;
        if (!quotient(e.arbre, q, n, d) || !est_somme(e.arbre, n))
            return;
        const std::vector<TermeSigne> tn = termes(e.arbre, n), td = termes(e.arbre, d);
        for (std::size_t i = 0; i < tn.size(); ++i)
            for (std::size_t j = 0; j < td.size(); ++j)
                if (texte(e.arbre, tn[i]) == texte(e.arbre, td[j]))
                    propose(e, q, td.size() == 1 ? sauf(e.arbre, tn, i) : "(" + sauf(e.arbre, tn, i) + ")/(" + sauf(e.arbre, td, j) + ")", r);
    });
}

void simplification_partielle_numerateur(const Enonce &e, Resultats &r)
{
    pour_chaque(e, Genre::produit, [&](int q) {
        int n, d;
        if (!quotient(e.arbre, q, n, d) || !est_somme(e.arbre, n) || est_somme(e.arbre, d))
            return;
        const std::vector<TermeSigne> tn = termes(e.arbre, n);
        for (std::size_t i = 0; i < tn.size(); ++i)
            propose(e, q, "(" + texte(e.arbre, tn[i]) + ")/(" + texte(e.arbre, d) + ")+" + sauf(e.arbre, tn, i), r);
    });
}

void division_fractions_sans_inverse(const Enonce &e, Resultats &r)
{
    pour_chaque(e, Genre::produit, [&](int p) {
        const Noeud &n = e.arbre[p];
        for (int k = 1; k < n.nombre_enfants; ++k) {
            int a, b;
            if (e.arbre.operateur(n, k) != '/' || !quotient(e.arbre, e.arbre.enfant(n, k), a, b))
                continue;
            std::string s;
            for (int i = 0; i < n.nombre_enfants; ++i)
                s += (i == 0 ? "" : i == k || e.arbre.operateur(n, i) != '/' ? "*" : "/") + std::string("(") +
                     texte(e.arbre, e.arbre.enfant(n, i)) + ")";
            propose(e, p, s, r);
        }
    });
}

bool est_racine(const Arbre &a, int n) { return a[n].genre == Genre::fonction && a.mot(a[n]) == "sqrt"; }

void racine_de_somme(const Enonce &e, Resultats &r)
{
    pour_chaque(e, Genre::fonction, [&](int n) {
        if (!est_racine(e.arbre, n) || !est_somme(e.arbre, e.arbre.enfant(e.arbre[n], 0)))
            return;
        // A square comes out as its base: the pupil who splits the root
        // takes the root of x² for x.
        std::string s;
        for (const TermeSigne &t : termes(e.arbre, e.arbre.enfant(e.arbre[n], 0))) {
            const int c = sans_groupe(e.arbre, t.noeud);
            const bool carre = e.arbre[c].genre == Genre::puissance && exposant_numerique(e.arbre, c) == "2";
            s += std::string(t.moins ? "-" : s.empty() ? "" : "+") +
                 (carre ? "(" + texte(e.arbre, e.arbre.enfant(e.arbre[c], 0)) + ")" : "sqrt(" + texte(e.arbre, t.noeud) + ")");
        }
        propose(e, n, s, r);
    });
}

void somme_de_racines(const Enonce &e, Resultats &r)
{
    pour_chaque_paire(e, true, [&](const std::vector<TermeSigne> &t, std::size_t i, std::size_t j) {
        const int p = sans_groupe(e.arbre, t[i].noeud), q = sans_groupe(e.arbre, t[j].noeud);
        if (!est_racine(e.arbre, p) || !est_racine(e.arbre, q) || t[i].moins)
            return;
        propose_termes(e, t, i, j,
                       "sqrt(" + texte(e.arbre, e.arbre.enfant(e.arbre[p], 0)) + (t[j].moins ? "-(" : "+(") +
                           texte(e.arbre, e.arbre.enfant(e.arbre[q], 0)) + "))",
                       r);
    });
}

void extraction_carre_sans_racine(const Enonce &e, Resultats &r)
{
    pour_chaque(e, Genre::fonction, [&](int n) {
        const int arg = sans_groupe(e.arbre, e.arbre.enfant(e.arbre[n], 0));
        if (!est_racine(e.arbre, n) || e.arbre[arg].genre != Genre::nombre)
            return;
        const std::optional<double> v = valeur_en(texte(e.arbre, arg), 0);
        if (!v || *v != std::floor(*v) || *v > 1e6)
            return;
        const long entier = static_cast<long>(*v);
        for (long s = 2; s * s < entier; ++s)
            if (entier % (s * s) == 0)
                propose(e, n, std::to_string(s * s) + "*sqrt(" + std::to_string(entier / (s * s)) + ")", r);
    });
}

void racine_du_carre(const Enonce &e, Resultats &r)
{
    pour_chaque(e, Genre::fonction, [&](int n) {
        const int arg = sans_groupe(e.arbre, e.arbre.enfant(e.arbre[n], 0));
        if (est_racine(e.arbre, n) && e.arbre[arg].genre == Genre::puissance && exposant_numerique(e.arbre, arg) == "2")
            propose(e, n, texte(e.arbre, e.arbre.enfant(e.arbre[arg], 0)), r);
    });
}

// Two vectors PQ and RS, one after the other in a sum, without coefficient.
void vecteurs(const Enonce &e, Resultats &r, bool soustraction,
              std::string (*ecrit)(const std::string &pq, const std::string &rs))
{
    pour_chaque_paire(e, true, [&](const std::vector<TermeSigne> &t, std::size_t i, std::size_t j) {
        const int p = sans_groupe(e.arbre, t[i].noeud), q = sans_groupe(e.arbre, t[j].noeud);
        if (e.arbre[p].genre != Genre::vecteur || e.arbre[q].genre != Genre::vecteur || t[i].moins ||
            t[j].moins != soustraction)
            return;
        const std::string pq(e.arbre.mot(e.arbre[p])), rs(e.arbre.mot(e.arbre[q]));
        if (pq.size() != 2 || rs.size() != 2)
            return;
        const std::string v = ecrit(pq, rs);
        if (!v.empty() && v[0] != v[1])
            propose_termes(e, t, i, j, v + "..arrow", r);
    });
}
void chasles_sans_point_commun(const Enonce &e, Resultats &r)
{
    vecteurs(e, r, false, [](const std::string &pq, const std::string &rs) {
        return pq[1] != rs[0] ? std::string{pq[0], rs[1]} : std::string();
    });
}
void chasles_sens_inverse(const Enonce &e, Resultats &r)
{
    vecteurs(e, r, false, [](const std::string &pq, const std::string &rs) {
        return pq[1] == rs[0] ? std::string{rs[1], pq[0]} : std::string();
    });
}
void soustraction_comme_addition(const Enonce &e, Resultats &r)
{
    vecteurs(e, r, true, [](const std::string &pq, const std::string &rs) {
        return pq[1] == rs[0] ? std::string{pq[0], rs[1]} : std::string();
    });
}
void difference_meme_origine(const Enonce &e, Resultats &r)
{
    vecteurs(e, r, true, [](const std::string &pq, const std::string &rs) {
        return pq[0] == rs[0] ? std::string{pq[1], rs[1]} : std::string();
    });
}

// The factors of a term (a power counts as its base), as texts.
std::vector<std::string> textes_facteurs(const Arbre &a, int n)
{
    n = sans_groupe(a, n);
    if (a[n].genre == Genre::signe)
        n = sans_groupe(a, a.enfant(a[n], 0));
    std::vector<std::string> t;
    for (int f : facteurs_produit(a, n)) {
        t.push_back(texte(a, sans_groupe(a, f)));
        if (a[f].genre == Genre::puissance)
            t.push_back(texte(a, sans_groupe(a, a.enfant(a[f], 0))));
    }
    return t;
}

void facteur_commun_terme_1_oublie(const Enonce &e, Resultats &r)
{
    pour_chaque(e, Genre::somme, [&](int s) {
        const std::vector<TermeSigne> t = termes(e.arbre, s);
        for (std::size_t j = 0; j < t.size(); ++j) {
            const std::string facteur = texte(e.arbre, sans_groupe(e.arbre, t[j].noeud));
            bool commun = true;
            for (std::size_t i = 0; i < t.size() && commun; ++i) {
                const std::vector<std::string> f = textes_facteurs(e.arbre, t[i].noeud);
                commun = i == j || (f.size() > 1 && std::find(f.begin(), f.end(), facteur) != f.end());
            }
            if (commun)
                r.push_back({ecrit_lineaire(e.arbre, e.arbre.racine, {{t[j].noeud, "", Retouche::Genre::omis}}),
                             texte(e.arbre, s), sauf(e.arbre, t, j), {}, {}});
        }
    });
}

// The square roots a pupil sees in a term: A for A², √k·x for k·x².
std::optional<std::string> racine_terme(const Arbre &a, int n, bool prend_la_racine)
{
    n = sans_groupe(a, n);
    if (a[n].genre == Genre::puissance && exposant_numerique(a, n) == "2")
        return texte(a, a.enfant(a[n], 0));
    if (const std::optional<double> v = valeur_constante(a, n)) {
        const double s = std::round(std::sqrt(*v));
        if (*v > 0 && s * s == *v)
            return prend_la_racine ? std::to_string(static_cast<long>(s)) : texte(a, n);
        return std::nullopt;
    }
    std::string k, reste;
    if (!coefficient_et_reste(a, n, k, reste))
        return std::nullopt;
    const std::optional<double> vk = valeur_en(k, 0);
    if (!vk || *vk <= 0)
        return std::nullopt;
    const double s = std::round(std::sqrt(*vk));
    const std::string racine_k = prend_la_racine ? (s * s == *vk ? std::to_string(static_cast<long>(s)) : "sqrt(" + k + ")") : k;
    // reste must be a square: x^2 and the like.
    const std::optional<double> r1 = valeur_en(reste, 1.7), r2 = valeur_en(reste, -1.7);
    if (!r1 || !r2 || !proches(*r1, *r2) || !proches(*r1, 1.7 * 1.7))
        return std::nullopt;
    return racine_k + "*x";
}

void difference_carres(const Enonce &e, Resultats &r, bool en_carre)
{
    pour_chaque(e, Genre::somme, [&](int s) {
        const std::vector<TermeSigne> t = termes(e.arbre, s);
        if (t.size() != 2 || t[0].moins || !t[1].moins)
            return;
        if (en_carre) {
            const std::optional<std::string> p = racine_terme(e.arbre, t[0].noeud, true),
                                             q = racine_terme(e.arbre, t[1].noeud, true);
            if (p && q)
                propose(e, s, "((" + *p + ")-(" + *q + "))^2", r);
            return;
        }
        for (bool racine_p : {true, false})
            for (bool racine_q : {true, false}) {
                const std::optional<std::string> p = racine_terme(e.arbre, t[0].noeud, racine_p);
                const std::string q = racine_q ? racine_terme(e.arbre, t[1].noeud, true).value_or("")
                                               : texte(e.arbre, t[1].noeud);
                if (p && !q.empty())
                    propose(e, s, "((" + *p + ")+(" + q + "))*((" + *p + ")-(" + q + "))", r);
            }
    });
}
void difference_carres_en_carre(const Enonce &e, Resultats &r) { difference_carres(e, r, true); }
void difference_carres_sans_racines(const Enonce &e, Resultats &r)
{
    pour_chaque(e, Genre::somme, [&](int s) {
        const std::vector<TermeSigne> t = termes(e.arbre, s);
        if (t.size() != 2 || t[0].moins || !t[1].moins)
            return;
        std::string k, reste;
        const bool monome_carre = coefficient_et_reste(e.arbre, t[0].noeud, k, reste);
        const std::string q = texte(e.arbre, t[1].noeud);
        const std::optional<std::string> rq = racine_terme(e.arbre, t[1].noeud, true);
        const std::vector<std::string> premiers = monome_carre ? std::vector<std::string>{k + "*x", "sqrt(" + k + ")*x"}
                                                               : std::vector<std::string>{};
        for (const std::string &p : premiers)
            for (const std::string &b : {q, rq.value_or(q)})
                propose(e, s, "((" + p + ")+(" + b + "))*((" + p + ")-(" + b + "))", r);
        if (!monome_carre && rq && rq != q)
            if (const std::optional<std::string> p = racine_terme(e.arbre, t[0].noeud, true))
                propose(e, s, "((" + *p + ")+(" + q + "))*((" + *p + ")-(" + q + "))", r);
    });
}

void carre_parfait_mauvais_signe(const Enonce &e, Resultats &r)
{
    pour_chaque(e, Genre::somme, [&](int s) {
        const std::vector<TermeSigne> t = termes(e.arbre, s);
        if (t.size() != 3 || t[0].moins || t[2].moins)
            return;
        const std::optional<std::string> p = racine_terme(e.arbre, t[0].noeud, true),
                                         q = racine_terme(e.arbre, t[2].noeud, true);
        if (!p || !q)
            return;
        const std::string somme = "((" + *p + ")+(" + *q + "))^2", difference = "((" + *p + ")-(" + *q + "))^2";
        const Sens v = sens_expression(texte(e.arbre, s));
        if (meme_sens(v, sens_expression(somme)))
            propose(e, s, difference, r);
        else if (meme_sens(v, sens_expression(difference)))
            propose(e, s, somme, r);
    });
}

} // namespace

std::vector<Mecanique> mecaniques_expressions()
{
    using enum Tache;
    return {
        {"carre_difference_sans_double_produit", {developper, reduire}, carre_difference},
        {"carre_somme_sans_double_produit", {developper, reduire}, carres_sans_double_produit},
        {"double_produit_sans_2", {developper, reduire}, double_produit_sans_2},
        {"double_produit_mauvais_signe", {developper, reduire}, double_produit_mauvais_signe},
        {"double_distributivite_incomplete", {developper, reduire}, double_distributivite_incomplete},
        {"signe_second_produit_facteur_negatif", {developper, reduire}, signe_second_produit},
        {"factorisation_moins_premier_terme", {factoriser}, factorisation_moins},
        {"moins_devant_parenthese_premier_terme", {}, moins_devant_parenthese},
        {"distributivite_partielle", {developper, reduire}, distributivite_partielle},
        {"carre_produit_coefficient_oublie", {}, carre_produit_coefficient_oublie},
        {"puissance_de_puissance_exposants_additionnes", {}, puissance_de_puissance},
        {"produit_puissances_exposants_multiplies", {}, memes_bases},
        {"oppose_du_carre", {}, oppose_du_carre},
        {"puissance_comme_produit", {}, puissance_comme_produit},
        {"produit_pris_pour_double", {}, produit_pris_pour_double},
        {"detachement_signe_moins", {developper, reduire, simplifier}, detachement_signe_moins},
        {"somme_prise_pour_carre", {developper, reduire, simplifier}, somme_prise_pour_carre},
        {"conjonction_lettres_differentes", {developper, reduire, simplifier}, conjonction_lettres_differentes},
        {"concatenation_terme_constant", {developper, reduire, simplifier}, concatenation_terme_constant},
        {"facteur_commun_terme_1_oublie", {factoriser}, facteur_commun_terme_1_oublie},
        {"difference_carres_en_carre", {factoriser}, difference_carres_en_carre},
        {"difference_carres_sans_racines", {factoriser}, difference_carres_sans_racines},
        {"carre_parfait_mauvais_signe", {factoriser}, carre_parfait_mauvais_signe},
        {"somme_inverses_inverse_somme", {}, somme_inverses_inverse_somme},
        {"somme_fractions_num_den", {}, somme_fractions_num_den},
        {"simplification_terme_commun", {}, simplification_terme_commun},
        {"simplification_partielle_numerateur", {}, simplification_partielle_numerateur},
        {"division_fractions_sans_inverse", {}, division_fractions_sans_inverse},
        {"racine_du_carre_sans_valeur_absolue", {}, racine_du_carre},
        {"racine_de_somme", {}, racine_de_somme},
        {"somme_de_racines", {}, somme_de_racines},
        {"extraction_carre_sans_racine", {}, extraction_carre_sans_racine},
        {"chasles_sans_point_commun", {}, chasles_sans_point_commun},
        {"chasles_sens_inverse", {}, chasles_sens_inverse},
        {"soustraction_vecteurs_comme_addition", {}, soustraction_comme_addition},
        {"difference_meme_origine_inversee", {}, difference_meme_origine},
    };
}
