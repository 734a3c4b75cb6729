// The writings a pupil may give of one right answer, as the checker plays them.

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/operations_verifie.h"
#include "formula/lecteur.h"
#include "formula/rationnel.h"

namespace cli {

namespace {

bool chiffre(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }
bool lettre(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

// "2*x" as "2x", "(x+1)*(x-1)" as "(x+1)(x-1)", "5*sqrt(3)" as "5sqrt(3)";
// a "*" after a quotient or an exponent stays ("1/2*x", "x^2*y").
std::string produits_implicites(const std::string &texte)
{
    std::string r;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        if (texte[i] == '*' && i > 0 && i + 1 < texte.size() && texte.compare(i, 4, "*et*") != 0 &&
            (i < 3 || texte.compare(i - 3, 4, "*et*") != 0) && (lettre(texte[i + 1]) || texte[i + 1] == '(') &&
            (chiffre(texte[i - 1]) || texte[i - 1] == ')' || lettre(texte[i - 1]))) {
            std::size_t j = i;
            while (j > 0 && (std::isalnum(static_cast<unsigned char>(texte[j - 1])) || texte[j - 1] == '.'))
                --j;
            const bool garde = j > 0 && (texte[j - 1] == '/' || texte[j - 1] == '^');
            const bool vecteur = texte.compare(i + 1, 1, "o") == 0 || std::isupper(static_cast<unsigned char>(texte[i + 1]));
            if (!garde && !vecteur)
                continue;
        }
        r += texte[i];
    }
    return r;
}

// Each fraction of two whole numbers written as its exact decimal, with a
// point or with the French comma; the text unchanged where none has one.
std::string en_decimales(const std::string &texte, char virgule)
{
    std::string r;
    for (std::size_t i = 0; i < texte.size();) {
        if (!chiffre(texte[i]) || (i > 0 && (chiffre(texte[i - 1]) || texte[i - 1] == '.' || texte[i - 1] == '/'))) {
            r += texte[i++];
            continue;
        }
        std::size_t j = i;
        while (j < texte.size() && chiffre(texte[j]))
            ++j;
        std::size_t k = j + 1;
        while (j < texte.size() && texte[j] == '/' && k < texte.size() && chiffre(texte[k]))
            ++k;
        const bool fraction = k > j + 1 && (k >= texte.size() || (texte[k] != '.' && texte[k] != '^' && texte[k] != '('));
        if (fraction) {
            const auto p = Rationnel::depuis_decimal(texte.substr(i, j - i));
            const auto q = Rationnel::depuis_decimal(texte.substr(j + 1, k - j - 1));
            const auto v = p && q ? p->divise(*q) : std::nullopt;
            if (const auto d = v ? v->en_decimal() : std::nullopt) {
                std::string e = *d;
                std::replace(e.begin(), e.end(), '.', virgule);
                r += e;
                i = k;
                continue;
            }
        }
        r.append(texte, i, j - i);
        i = j;
    }
    return r;
}

// Each decimal number written as its fraction, in brackets ("0.5*x" as
// "(1/2)*x"); the text unchanged where none has one.
std::string en_fractions(const std::string &texte)
{
    std::string r;
    for (std::size_t i = 0; i < texte.size();) {
        const bool nombre_seul = chiffre(texte[i]) && (i == 0 || !(lettre(texte[i - 1]) || chiffre(texte[i - 1])));
        if (!nombre_seul) {
            r += texte[i++];
            continue;
        }
        std::size_t j = i;
        while (j < texte.size() && (chiffre(texte[j]) || texte[j] == '.'))
            ++j;
        const std::string nombre = texte.substr(i, j - i);
        const auto valeur = Rationnel::depuis_decimal(nombre);
        r += valeur && nombre.find('.') != std::string::npos ? "(" + valeur->en_texte() + ")" : nombre;
        i = j;
    }
    return r;
}

// The terms of a sum, or the factors of a product, in the reverse order.
std::string autre_ordre(const std::string &texte)
{
    const auto arbre = lis_formule(texte);
    if (!arbre || arbre->texte != texte)
        return texte;
    const Noeud &n = (*arbre)[arbre->racine];
    if (n.genre != Genre::somme && n.genre != Genre::produit)
        return texte;
    std::string r;
    for (int k = n.nombre_enfants - 1; k >= 0; --k) {
        const Noeud &e = (*arbre)[arbre->enfant(n, k)];
        const char op = arbre->operateur(n, k);
        if (op == '/')
            return texte;
        const std::string partie = texte.substr(static_cast<std::size_t>(e.debut), static_cast<std::size_t>(e.fin - e.debut));
        if (n.genre == Genre::produit)
            r += (r.empty() ? "" : "*") + partie;
        else
            r += (op == '-' ? "-" : r.empty() ? "" : "+") + partie;
    }
    return r;
}

std::string remplace(std::string texte, const std::string &avant, const std::string &apres)
{
    for (std::size_t p = texte.find(avant); p != std::string::npos; p = texte.find(avant, p + apres.size()))
        texte.replace(p, avant.size(), apres);
    return texte;
}

// Blanks around every operator, relation and bracket ("x <= 2", "( x - 3 ) ^ 2").
std::string blancs(const std::string &texte)
{
    std::string r;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        const char c = texte[i];
        if (std::string_view("+-*/^()<>=").find(c) == std::string_view::npos) {
            r += c;
            continue;
        }
        const bool double_signe = (c == '<' || c == '>') && i + 1 < texte.size() && texte[i + 1] == '=';
        r += std::string(" ") + c + (double_signe ? "=" : "") + " ";
        i += double_signe ? 1 : 0;
    }
    return r;
}

std::string joint(const std::vector<std::string> &valeurs, const std::string &separateur)
{
    std::string r;
    for (const std::string &v : valeurs)
        r += (r.empty() ? "" : separateur) + v;
    return r;
}

std::string borne_ecrite(const std::string &borne, const std::string &infini)
{
    if (borne == "inf")
        return "+" + infini;
    if (borne == "-inf")
        return "-" + infini;
    return borne;
}

std::string intervalle_ecrit(const Intervalle &i, const std::string &infini, const std::string &separateur)
{
    if (i.bas == i.haut)
        return "{" + i.bas + "}";
    return std::string(i.bas_ouvert ? "]" : "[") + borne_ecrite(i.bas, infini) + separateur +
           borne_ecrite(i.haut, infini) + (i.haut_ouvert ? "[" : "]");
}

// "x<2", "-2<=x<=1", "x=3": the relations of one interval, or nothing for
// the whole line.
std::string relation_ecrite(const Intervalle &i, bool large_unicode)
{
    const std::string inferieur = large_unicode ? "≤" : "<=";
    if (i.bas == i.haut)
        return "x=" + i.bas;
    const std::string bas = i.bas_ouvert ? "<" : inferieur, haut = i.haut_ouvert ? "<" : inferieur;
    if (i.bas == "-inf")
        return i.haut == "inf" ? std::string() : "x" + haut + i.haut;
    if (i.haut == "inf")
        return "x" + std::string(i.bas_ouvert ? ">" : large_unicode ? "≥" : ">=") + i.bas;
    return i.bas + bas + "x" + haut + i.haut;
}

std::vector<std::string> ecritures_valeurs(std::vector<std::string> v)
{
    if (v.empty())
        return {"pas de solution", "Aucune solution", "S=∅", "S = ∅", "∅", "S={}", "{}", "pas de solution "};
    std::vector<std::string> x;
    for (const std::string &valeur : v)
        x.push_back("x=" + valeur);
    std::vector<std::string> r = {joint(v, "*et*"), joint(x, " ou "), "S={" + joint(v, ";") + "}",
                                  "S = { " + joint(v, " ; ") + " }", joint(v, " et "), joint(x, " et "),
                                  joint(v, " ou "), "{" + joint(v, ";") + "}"};
    r.push_back("x = " + joint(v, " ou x = ") + " ");
    r.push_back("S={ " + joint(v, " ; ") + " }");
    std::vector<std::string> entre_parentheses;
    for (const std::string &valeur : v)
        entre_parentheses.push_back("x=(" + valeur + ")");
    r.push_back(joint(entre_parentheses, " ou "));
    r.push_back(v[0] + "=x" + (v.size() > 1 ? " ou x=" + joint({v.begin() + 1, v.end()}, " ou x=") : ""));
    std::reverse(v.begin(), v.end());
    r.push_back(joint(v, " ; "));
    r.push_back("x = " + joint(v, " ou x = "));
    return r;
}

std::vector<std::string> ecritures_intervalles(std::vector<Intervalle> v)
{
    if (v.empty())
        return {"pas de solution", "aucune solution", "S=∅", "∅", "S = ∅", "{}", "([])", "S={}"};
    std::vector<std::string> r = {ecrit_sens(Sens{Sens::Genre::intervalles, {}, false, v, {}})};
    const auto ensemble = [&](const std::string &infini, const std::string &sep, const std::string &reunion) {
        std::string t;
        for (const Intervalle &i : v)
            t += (t.empty() ? "" : reunion) + intervalle_ecrit(i, infini, sep);
        return t;
    };
    r.push_back(ensemble("∞", ";", "∪"));
    r.push_back("S=" + ensemble("∞", " ; ", " ∪ "));
    r.push_back(ensemble("inf", " ; ", " U "));
    r.push_back("S = " + ensemble("inf", ";", " ou "));
    std::vector<std::string> relations, unicode;
    for (const Intervalle &i : v) {
        relations.push_back(relation_ecrite(i, false));
        unicode.push_back(relation_ecrite(i, true));
    }
    if (std::none_of(relations.begin(), relations.end(), [](const std::string &t) { return t.empty(); })) {
        r.push_back(joint(relations, " ou "));
        r.push_back(joint(unicode, " ou "));
        r.push_back(blancs(joint(relations, " ou ")));
    }
    if (v.size() == 1 && (v[0].bas == "-inf") != (v[0].haut == "inf")) {
        // The bound first: "2>x" for "x<2".
        const bool haut = v[0].bas == "-inf";
        const bool ouvert = haut ? v[0].haut_ouvert : v[0].bas_ouvert;
        r.push_back((haut ? v[0].haut : v[0].bas) + (haut ? ">" : "<") + (ouvert ? "" : "=") + "x");
    }
    r.push_back("x∈" + ensemble("∞", ";", "∪"));
    r.push_back(remplace(ensemble("∞", ";", "∪"), "+∞", "∞"));
    std::reverse(v.begin(), v.end());
    r.push_back(ensemble("∞", ";", " ∪ "));
    return r;
}

std::vector<std::string> ecritures_couple(const std::vector<std::string> &v)
{
    const std::string &x = v[0], &y = v[1];
    return {x + "*et*" + y, "x=" + x + " et y=" + y, "y=" + y + " et x=" + x, "(" + x + ";" + y + ")",
            "( " + x + " ; " + y + " )", "S={(" + x + ";" + y + ")}", "x = " + x + " ; y = " + y,
            "{x=" + x + "\r\ny=" + y + "}", x + " et " + y};
}

std::vector<std::string> ecritures_expression(const std::string &e)
{
    const std::string implicite = produits_implicites(e);
    std::vector<std::string> r = {e, implicite, autre_ordre(e), produits_implicites(autre_ordre(e)),
                                  remplace(implicite, "^2", "²"), remplace(remplace(e, "+", " + "), "*", " * "),
                                  remplace(e, "*", "×"), " " + e + " ", remplace(e, "*", "·"), "(" + e + ")",
                                  blancs(e), remplace(e, "/", "÷"), "+(" + e + ")", "((" + e + "))"};
    if (e[0] != '-')
        r.push_back("+" + e);
    if (e == "o..arrow")
        for (const char *zero : {"0", " 0 ", "(0)", "+0"})
            r.push_back(zero);
    else if (e.find("..arrow") != std::string::npos)
        for (const std::string &autre : {"1*" + e, "(+" + e + ")"})
            r.push_back(autre);
    return r;
}

} // namespace

std::vector<std::string> ecritures(const std::string &reponse, NatureEnonce nature)
{
    const LectureReponse lue = lis_reponse(reponse, nature);
    if (!lue.sens)
        return {};
    const Sens &s = *lue.sens;
    std::vector<std::string> r;
    switch (s.genre) {
    case Sens::Genre::valeurs:
        r = s.tous_les_reels ? std::vector<std::string>{"tout réel", "S=ℝ", "ℝ", "S = ℝ", "Tout réel",
                                                         "tous les réels", "S=R", "tout réel "}
                             : ecritures_valeurs(s.valeurs);
        break;
    case Sens::Genre::intervalles:
        r = ecritures_intervalles(s.intervalles);
        break;
    case Sens::Genre::couple:
        r = s.tous_les_reels  ? std::vector<std::string>{"une infinité de solutions", "Une infinité de solutions",
                                                         "infinité de solutions", "une infinité", " infinité "}
            : s.valeurs.empty() ? ecritures_valeurs(s.valeurs)
                                : ecritures_couple(s.valeurs);
        break;
    case Sens::Genre::expression:
    case Sens::Genre::autre:
        r = ecritures_expression(s.expression);
        break;
    }
    // Every writing again with implicit products, with exact decimals and with
    // the fractions of its decimals.
    const std::size_t n = r.size();
    for (std::size_t k = 0; k < n; ++k) {
        r.push_back(produits_implicites(r[k]));
        r.push_back(en_decimales(r[k], '.'));
        r.push_back(en_fractions(r[k]));
        if (nature == NatureEnonce::equation || nature == NatureEnonce::expression)
            r.push_back(en_decimales(r[k], ','));
    }
    std::vector<std::string> uniques;
    for (const std::string &t : r)
        if (std::find(uniques.begin(), uniques.end(), t) == uniques.end())
            uniques.push_back(t);
    return uniques;
}

std::optional<std::string> approchee(const std::string &reponse, NatureEnonce nature)
{
    const LectureReponse lue = lis_reponse(reponse, nature);
    if (!lue.sens)
        return std::nullopt;
    Sens s = *lue.sens;
    // A value with no finite decimal writing, rounded to the hundredth.
    const auto arrondit = [](std::string &texte) {
        const double v = position_reelle(texte);
        if (!std::isfinite(v))
            return false;
        char ecrit[32];
        std::snprintf(ecrit, sizeof ecrit, "%.2f", v);
        if (std::fabs(std::strtod(ecrit, nullptr) - v) < 1e-9)
            return false;
        texte = ecrit;
        return true;
    };
    bool une = false;
    if (s.genre == Sens::Genre::expression && s.expression.find_first_of("xy") == std::string::npos &&
        s.expression.find("..arrow") == std::string::npos)
        une = arrondit(s.expression);
    for (std::string &v : s.valeurs)
        une = arrondit(v) || une;
    for (Intervalle &i : s.intervalles)
        for (std::string *borne : {&i.bas, &i.haut})
            if (*borne != "inf" && *borne != "-inf")
                une = arrondit(*borne) || une;
    if (!une)
        return std::nullopt;
    return ecrit_sens(s);
}

} // namespace cli
