// Every engine action run on statements written as pupils write them, and
// each result checked by ordinary rules: an expression keeps its value and
// its domain, a solution set holds every root once and nothing else, a
// statement operation changes both members alike, a sum of vectors keeps its
// sum. An action that declines is counted apart; a result that cannot be
// read, or that is wrong, is a failure.
//   bench_proprietes_eleves [--action NAME] [--nombre N] [--graine G] [--lineaire]
// Prints one line per action and the first failing inputs; exits with 1 when
// there is any failure.

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "bench/outils/actions_eleves.h"
#include "formula/lecteur.h"
#include "tests/outils/oracle.h"

namespace {

using namespace outils;

// ---------------------------------------------------------------- statements

struct Relation {
    std::string gauche, signe, droite;
};

// The two members and the relation of a statement, split at the first
// relation sign outside brackets.
std::optional<Relation> coupe_relation(const std::string &t)
{
    int profondeur = 0;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const char c = t[i];
        profondeur += c == '(' ? 1 : c == ')' ? -1 : 0;
        if (profondeur != 0 || (c != '=' && c != '<' && c != '>'))
            continue;
        const std::size_t n = i + 1 < t.size() && t[i + 1] == '=' ? 2 : 1;
        return Relation{t.substr(0, i), t.substr(i, n), t.substr(i + n)};
    }
    return std::nullopt;
}

std::string sans_blancs(std::string t)
{
    std::erase_if(t, [](char c) { return c == ' ' || c == '\r' || c == '\n'; });
    return t;
}

// The lines of a system '{l1\r\nl2}'.
std::vector<std::string> lignes(const std::string &systeme)
{
    std::string t = systeme;
    if (!t.empty() && t.front() == '{')
        t.erase(0, 1);
    if (!t.empty() && t.back() == '}')
        t.pop_back();
    std::vector<std::string> r;
    std::size_t debut = 0;
    while (debut <= t.size()) {
        const std::size_t fin = t.find("\r\n", debut);
        const std::string ligne = t.substr(debut, fin == std::string::npos ? std::string::npos : fin - debut);
        if (!ligne.empty())
            r.push_back(ligne);
        if (fin == std::string::npos)
            break;
        debut = fin + 2;
    }
    return r;
}

bool lisible(const std::string &t) { return lis_formule(t).has_value(); }

std::string verdict(const testing::AssertionResult &r) { return r ? "" : r.message(); }

// ---------------------------------------------------------------- checks

// The value of a text without x; NaN when it has one or has no value.
double constante(const std::string &t)
{
    if (t.find('x') != std::string::npos)
        return NAN;
    const Valeur v = valeur_ordinaire(t, 0);
    return v.lecture == Lecture::definie ? v.nombre : NAN;
}

bool proches(double a, double b) { return std::fabs(a - b) <= 1e-6 * std::max(1.0, std::fabs(a)); }

std::vector<std::string> coupe_liste(const std::string &liste)
{
    std::vector<std::string> r;
    std::size_t debut = 0;
    while (true) {
        const std::size_t fin = liste.find("*et*", debut);
        r.push_back(liste.substr(debut, fin == std::string::npos ? std::string::npos : fin - debut));
        if (fin == std::string::npos)
            return r;
        debut = fin + 4;
    }
}

std::string controle_solutions(const Texte &enonce, const std::string &liste)
{
    const std::optional<Relation> rel = coupe_relation(enonce.texte);
    const std::string difference = "(" + rel->gauche + ")-(" + rel->droite + ")";
    std::vector<double> trouvees;
    if (!liste.empty()) {
        for (const std::string &r : coupe_liste(liste)) {
            const double v = constante(r);
            if (std::isnan(v))
                return "solution '" + r + "' is not a number";
            const Valeur d = valeur_ordinaire(difference, v);
            if (d.lecture != Lecture::definie || std::fabs(d.nombre) > 1e-6)
                return "'" + r + "' is no root";
            for (double t : trouvees)
                if (proches(t, v))
                    return "'" + r + "' listed twice";
            trouvees.push_back(v);
        }
    }
    if (!enonce.racines_connues)
        return "";
    for (double attendue : enonce.racines)
        if (std::none_of(trouvees.begin(), trouvees.end(), [&](double t) { return proches(t, attendue); }))
            return "root " + ecrit_nombre(attendue) + " missed";
    return "";
}

// Is x in the set 'domain(x,l,u,code)', '(A)or(B)', '([v])', '([])'?
std::optional<bool> appartient(const std::string &ensemble, double x)
{
    bool dedans = false;
    std::size_t p = 0;
    bool lu = false;
    while ((p = ensemble.find("domain(x,", p)) != std::string::npos) {
        p += 9;
        int profondeur = 0;
        std::vector<std::string> champs(1);
        for (; p < ensemble.size(); ++p) {
            const char c = ensemble[p];
            if (c == '(')
                ++profondeur;
            if (c == ')' && profondeur-- == 0)
                break;
            if (c == ',' && profondeur == 0)
                champs.emplace_back();
            else
                champs.back() += c;
        }
        if (champs.size() != 3)
            return std::nullopt;
        const auto borne = [](const std::string &b) {
            return b == "inf" ? INFINITY : b == "-inf" ? -INFINITY : constante(b);
        };
        const double l = borne(champs[0]), u = borne(champs[1]);
        if (std::isnan(l) || std::isnan(u))
            return std::nullopt;
        const bool bas_ouvert = champs[2] == "12" || champs[2] == "14";
        const bool haut_ouvert = champs[2] == "12" || champs[2] == "15";
        dedans = dedans || ((bas_ouvert ? x > l : x >= l) && (haut_ouvert ? x < u : x <= u));
        lu = true;
    }
    for (std::size_t q = 0; (q = ensemble.find("([", q)) != std::string::npos; q += 2) {
        const std::size_t fin = ensemble.find("])", q);
        lu = true;
        if (fin != q + 2 && proches(constante(ensemble.substr(q + 2, fin - q - 2)), x))
            dedans = true;
    }
    if (!lu)
        return std::nullopt;
    return dedans;
}

std::string controle_intervalle(const Texte &enonce, const std::string &ensemble)
{
    const std::optional<Relation> rel = coupe_relation(enonce.texte);
    std::vector<double> points = points_echantillon();
    points.insert(points.end(), enonce.racines.begin(), enonce.racines.end());
    for (double x : points) {
        const Valeur g = valeur_ordinaire(rel->gauche, x), d = valeur_ordinaire(rel->droite, x);
        const bool defini = g.lecture == Lecture::definie && d.lecture == Lecture::definie;
        const double e = defini ? g.nombre - d.nombre : 0;
        const bool vrai = defini && (rel->signe == "<" ? e < -1e-9 : rel->signe == ">" ? e > 1e-9
                                     : rel->signe == "<=" ? e <= 1e-9 : e >= -1e-9);
        const std::optional<bool> dedans = appartient(ensemble, x);
        if (!dedans)
            return "the set cannot be read";
        if (*dedans != vrai)
            return "x = " + ecrit_nombre(x) + (vrai ? " is a solution left out" : " is no solution but is in the set");
    }
    return "";
}

// Each member m of the statement became operation(m): the relation is kept,
// or reversed when the factor is a negative number on an inequation. (A
// factor holding x is the pupil's choice, which the work shows as made.)
std::string controle_membres(const Entree &e, const std::string &apres, bool produit)
{
    const std::optional<Relation> avant = coupe_relation(e.enonce.texte), resultat = coupe_relation(apres);
    if (!resultat)
        return "the statement lost its relation";
    const auto transforme = [&](const std::string &m) {
        return produit ? "(" + m + ")*(" + e.argument + ")" : "(" + m + ")+(" + e.argument + ")";
    };
    const double k = constante(e.argument);
    if (produit && !std::isnan(k) && k == 0)
        return "both members multiplied by zero";
    std::string signe = avant->signe;
    if (produit && k < 0 && signe != "=")
        signe = signe[0] == '<' ? ">" + signe.substr(1) : "<" + signe.substr(1);
    if (resultat->signe != signe)
        return "relation " + avant->signe + " became " + resultat->signe;
    const std::string gauche = verdict(meme_valeur_et_domaine(transforme(avant->gauche), resultat->gauche, 3));
    return gauche.empty() ? verdict(meme_valeur_et_domaine(transforme(avant->droite), resultat->droite, 3)) : gauche;
}

std::string controle_systeme(const std::string &systeme, const std::string &apres)
{
    const std::vector<std::string> l = lignes(systeme);
    const std::optional<Relation> a = coupe_relation(l.at(0)), b = coupe_relation(l.at(1)), r = coupe_relation(apres);
    if (!r)
        return "the combined statement has no relation";
    const std::string gauche = verdict(meme_valeur_et_domaine("(" + a->gauche + ")+(" + b->gauche + ")", r->gauche));
    return gauche.empty() ? verdict(meme_valeur_et_domaine("(" + a->droite + ")+(" + b->droite + ")", r->droite))
                          : gauche;
}

// ---------------------------------------------------------------- vectors

struct Vecteur {
    double x = 0, y = 0;
};

Vecteur position(char point)
{
    const int k = point - 'A';
    return {1.3 * k * k - 2.1 * k + 0.7, 0.9 * k - 0.17 * k * k * k};
}

// The sum of a text of vectors '2*AB..arrow-CD..arrow+o..arrow'.
std::optional<Vecteur> somme_vecteurs(std::string t)
{
    t = sans_blancs(t);
    Vecteur total;
    std::size_t i = 0;
    while (i < t.size()) {
        double signe = 1, coefficient = 1;
        while (i < t.size() && (t[i] == '+' || t[i] == '-'))
            signe *= t[i++] == '-' ? -1 : 1;
        std::size_t fin = i;
        while (fin < t.size() && (std::isdigit(static_cast<unsigned char>(t[fin])) || t[fin] == '.'))
            ++fin;
        if (fin > i) {
            coefficient = std::stod(t.substr(i, fin - i));
            i = fin;
            if (i < t.size() && t[i] == '*')
                ++i;
            else if (i == t.size() || t[i] == '+' || t[i] == '-') {
                if (coefficient != 0)
                    return std::nullopt;   // a plain number among vectors
                continue;
            }
        }
        if (i < t.size() && t[i] == '(') {   // a coefficient times a bracketed sum
            const std::size_t ferme = parenthese_fermante(t, i);
            const std::optional<Vecteur> dedans =
                ferme == std::string::npos ? std::nullopt : somme_vecteurs(t.substr(i + 1, ferme - i - 1));
            if (!dedans)
                return std::nullopt;
            total.x += signe * coefficient * dedans->x;
            total.y += signe * coefficient * dedans->y;
            i = ferme + 1;
            continue;
        }
        if (t.compare(i, 8, "o..arrow") == 0) {
            i += 8;
            continue;
        }
        if (i + 9 > t.size() || !std::isupper(static_cast<unsigned char>(t[i])) ||
            !std::isupper(static_cast<unsigned char>(t[i + 1])) || t.compare(i + 2, 7, "..arrow") != 0)
            return std::nullopt;
        const Vecteur a = position(t[i]), b = position(t[i + 1]);
        total.x += signe * coefficient * (b.x - a.x);
        total.y += signe * coefficient * (b.y - a.y);
        i += 9;
    }
    return total;
}

std::string controle_vecteurs(const std::string &avant, const std::string &apres)
{
    const std::optional<Vecteur> a = somme_vecteurs(avant), b = somme_vecteurs(apres);
    if (!b)
        return "the result is no sum of vectors";
    if (!proches(a->x, b->x) || !proches(a->y, b->y))
        return "the sum of the vectors changed";
    return "";
}

// ---------------------------------------------------------------- the run

// Empty when the result is right, else what is wrong with it.
std::string controle(const Action &action, const Entree &e, const Sortie &s)
{
    const std::string &avant = e.enonce.texte;
    if (lisible(avant) && action.controle != Controle::solutions && action.controle != Controle::vecteurs &&
        !lisible(s.texte))
        return "the result cannot be read";
    switch (action.controle) {
    case Controle::valeur:
        return verdict(meme_valeur_et_domaine(avant, s.texte, 1));
    case Controle::remplace: {
        const double attendu = valeur_ordinaire(avant, constante(e.argument)).nombre;
        const double obtenu = constante(s.texte);
        return proches(attendu, obtenu) ? "" : "value " + ecrit_nombre(obtenu) + ", expected " + ecrit_nombre(attendu);
    }
    case Controle::solutions:
        return controle_solutions(e.enonce, s.texte);
    case Controle::intervalle:
        return controle_intervalle(e.enonce, s.texte);
    case Controle::ajout:
        return controle_membres(e, s.texte, false);
    case Controle::produit:
        return controle_membres(e, s.texte, true);
    case Controle::systeme:
        return controle_systeme(avant, s.texte);
    case Controle::vecteurs:
        return controle_vecteurs(avant, s.texte);
    }
    return "";
}

// Failures of one kind: the problem with its quoted texts and numbers left out.
std::string classe(const std::string &probleme)
{
    std::string r;
    bool cite = false;
    for (char c : probleme) {
        if (c == '\'')
            cite = !cite;
        else if (!cite && !std::isdigit(static_cast<unsigned char>(c)) && c != '.' && c != '-')
            r += c;
    }
    return r;
}

struct Bilan {
    int entrees = 0, reussites = 0, refus = 0, echecs = 0;
    // Per kind of failure: how many, and the first three inputs.
    std::map<std::string, std::pair<int, std::vector<std::string>>> classes;
};

// With `lineaire`, the engine receives the explicit linear form of the
// formula box ('3*(x-2)' for '3(x-2)'); the result is checked against the
// text as the pupil wrote it.
Bilan essaie(const Action &action, int nombre, unsigned graine, bool lineaire)
{
    remet_a_zero_complet();
    Generateurs g(graine);
    Bilan b;
    for (int i = 0; i < nombre; ++i) {
        const Entree e = action.genere(g);
        Entree donnee = e;
        if (lineaire)
            donnee.enonce.texte = normalise_brut(e.enonce.texte);
        const Sortie s = action.applique(donnee);
        ++b.entrees;
        if (s.refus) {
            ++b.refus;
            continue;
        }
        const std::string probleme = controle(action, e, s);
        if (probleme.empty()) {
            ++b.reussites;
            continue;
        }
        ++b.echecs;
        auto &[compte, exemples] = b.classes[classe(probleme)];
        if (++compte <= 3)
            exemples.push_back("'" + e.enonce.texte + "'" + (e.argument.empty() ? "" : " [" + e.argument + "]") +
                                 " -> '" + s.texte + "': " + probleme);
    }
    return b;
}

} // namespace

int main(int argc, char **argv)
{
    std::string seule;
    int nombre = 10000;
    unsigned graine = 2024;
    bool lineaire = false;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        const char *valeur = i + 1 < argc ? argv[i + 1] : "";
        if (option == "--lineaire") {
            lineaire = true;
            continue;
        }
        if (option == "--action")
            seule = valeur;
        else if (option == "--nombre")
            nombre = std::atoi(valeur);
        else if (option == "--graine")
            graine = static_cast<unsigned>(std::atoi(valeur));
        else {
            std::fprintf(stderr, "usage: %s [--action NAME] [--nombre N] [--graine G] [--lineaire]\n", argv[0]);
            return 2;
        }
        ++i;
    }
    int echecs = 0;
    bool trouvee = seule.empty();
    std::printf("%-26s %8s %9s %7s %7s\n", "action", "entrees", "reussites", "refus", "echecs");
    for (const Action &action : actions_eleves()) {
        if (!seule.empty() && action.nom != seule)
            continue;
        trouvee = true;
        const Bilan b = essaie(action, nombre, graine, lineaire);
        std::printf("%-26s %8d %9d %7d %7d\n", action.nom.c_str(), b.entrees, b.reussites, b.refus, b.echecs);
        for (const auto &[nom, classe_] : b.classes) {
            std::printf("  %d x%s\n", classe_.first, nom.c_str());
            for (const std::string &exemple : classe_.second)
                std::printf("    %s\n", exemple.c_str());
        }
        std::fflush(stdout);
        echecs += b.echecs;
    }
    if (!trouvee) {
        std::fprintf(stderr, "unknown action: %s\n", seule.c_str());
        return 2;
    }
    return echecs > 0 ? 1 : 0;
}
