#include "formula/reponse.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <utility>

#include "formula/lecteur.h"
#include "formula/valeur.h"

namespace {

// The signs a pupil types or pastes, in the formula language.
constexpr std::array<std::pair<std::string_view, std::string_view>, 15> SIGNES = {{
    {"≤", "<="}, {"≥", ">="}, {"∞", "inf"}, {"−", "-"}, {"×", "*"}, {"·", "*"}, {"÷", "/"},
    {"²", "^2"}, {"³", "^3"}, {"∪", " U "}, {"ℝ", " R "}, {"∅", "{}"}, {"\xC2\xA0", " "},
    {"\r\n", ";"}, {"@", ";"},
}};

constexpr std::array<std::string_view, 5> SANS_SOLUTION = {"pas de solution", "aucune solution", "ensemble vide",
                                                           "vide", "{}"};
constexpr std::array<std::string_view, 8> TOUS_LES_REELS = {"tout réel", "tous les réels", "tout reel",
                                                            "tous les reels", "tout nombre", "tous les nombres",
                                                            "r", "]-inf;inf["};

std::string remplace(std::string texte, std::string_view avant, std::string_view apres)
{
    for (std::size_t p = texte.find(avant); p != std::string::npos; p = texte.find(avant, p + apres.size()))
        texte.replace(p, avant.size(), apres);
    return texte;
}

std::string sans_blancs(std::string_view texte)
{
    std::string r;
    for (char c : texte)
        if (c != ' ' && c != '\t')
            r += c;
    return r;
}

std::string minuscules(std::string texte)
{
    for (char &c : texte)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return texte;
}

std::string rogne(std::string_view texte)
{
    std::size_t debut = 0, fin = texte.size();
    while (debut < fin && (texte[debut] == ' ' || texte[debut] == '*'))
        ++debut;
    while (fin > debut && (texte[fin - 1] == ' ' || texte[fin - 1] == '*'))
        --fin;
    return std::string(texte.substr(debut, fin - debut));
}

bool chiffre(char c) { return c >= '0' && c <= '9'; }

// A comma between two digits is a decimal comma ("0,5", "{2,5}"), except in the
// program's own interval text and in a pair or an interval written with a
// comma and no semicolon ("(3,2)", "[1,4]").
std::string virgules_decimales(std::string texte, bool couples)
{
    if (texte.find("domain(") != std::string::npos ||
        (couples && texte.find(';') == std::string::npos && texte.find_first_of("([]") != std::string::npos))
        return texte;
    for (std::size_t i = 1; i + 1 < texte.size(); ++i)
        if (texte[i] == ',' && chiffre(texte[i - 1]) && chiffre(texte[i + 1]))
            texte[i] = '.';
    return texte;
}

// The answer in the formula language's signs, without the "S =" that names
// a solution set.
std::string prepare(std::string_view texte)
{
    std::string t(texte);
    for (const auto &[avant, apres] : SIGNES)
        t = remplace(std::move(t), avant, apres);
    t = remplace(std::move(t), "+inf", "inf");
    t = rogne(t);
    if (t.size() >= 2 && t[0] == 'S') {
        std::size_t p = 1;
        while (p < t.size() && t[p] == ' ')
            ++p;
        if (p < t.size() && t[p] == '=' && (p + 1 >= t.size() || t[p + 1] != '='))
            t = rogne(std::string_view(t).substr(p + 1));
    }
    return t;
}

bool est_parmi(const std::string &texte, const auto &mots)
{
    const std::string t = minuscules(sans_blancs(texte));
    return std::any_of(mots.begin(), mots.end(), [&](std::string_view m) { return t == sans_blancs(m); });
}

// The text without one pair of brackets that enclose all of it.
std::string sans_entourage(const std::string &texte, char ouvre, char ferme)
{
    if (texte.size() < 2 || texte.front() != ouvre || texte.back() != ferme)
        return texte;
    int niveau = 0;
    for (std::size_t i = 0; i + 1 < texte.size(); ++i) {
        niveau += texte[i] == ouvre ? 1 : texte[i] == ferme ? -1 : 0;
        if (niveau == 0)
            return texte;
    }
    return rogne(std::string_view(texte).substr(1, texte.size() - 2));
}

bool lettre_ou_chiffre(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; }

// The pieces of a text between the given separators, outside brackets. A
// word separator ("et", "ou", "U") stands alone or between stars, blanks,
// digits and brackets; "et" and "ou" are also taken glued to letters ("x=2etx=3").
std::vector<std::string> decoupe(const std::string &texte, const std::vector<std::string_view> &separateurs)
{
    std::vector<std::string> pieces;
    std::string piece;
    int niveau = 0;
    for (std::size_t i = 0; i < texte.size();) {
        const char c = texte[i];
        if (c == '(' || c == '{')
            ++niveau;
        if (c == ')' || c == '}')
            --niveau;
        std::size_t longueur = 0;
        if (niveau == 0)
            for (std::string_view s : separateurs)
                if (texte.compare(i, s.size(), s) == 0) {
                    const bool mot = std::isalpha(static_cast<unsigned char>(s[0])) != 0;
                    const bool colle = mot && s == "U" &&
                                       ((i > 0 && lettre_ou_chiffre(texte[i - 1])) ||
                                        (i + 1 < texte.size() && lettre_ou_chiffre(texte[i + 1])));
                    if (!colle) {
                        longueur = s.size();
                        break;
                    }
                }
        if (longueur == 0) {
            piece += c;
            ++i;
            continue;
        }
        pieces.push_back(rogne(piece));
        piece.clear();
        i += longueur;
    }
    pieces.push_back(rogne(piece));
    return pieces;
}

bool contient_lettre(const Arbre &arbre, int i, char nom)
{
    const Noeud &n = arbre[i];
    if (n.genre == Genre::lettre && arbre.mot(n)[0] == nom)
        return true;
    for (int k = 0; k < n.nombre_enfants; ++k)
        if (contient_lettre(arbre, arbre.enfant(n, k), nom))
            return true;
    return false;
}

std::string illisible(std::string_view detail) { return std::string(REPONSE_ILLISIBLE) + std::string(detail); }

std::string illisible_formule(const std::string &piece)
{
    return illisible("« " + piece + " » n'est pas une formule.");
}

// One value of a list: "v", "x=v" or "v=x". The name is the letter isolated
// ('\0' when the value is unnamed); no value when it is not a solved form.
struct Valeur_nommee {
    char nom = '\0';
    std::string valeur;
};

std::optional<Valeur_nommee> valeur_nommee(const Arbre &arbre, const std::string &texte)
{
    const Noeud &r = arbre[arbre.racine];
    const auto texte_de = [&](int i) {
        const Noeud &n = arbre[i];
        return texte.substr(static_cast<std::size_t>(n.debut), static_cast<std::size_t>(n.fin - n.debut));
    };
    if (r.genre != Genre::relation) {
        if (contient_lettre(arbre, arbre.racine, 'x') || contient_lettre(arbre, arbre.racine, 'y'))
            return std::nullopt;
        return Valeur_nommee{'\0', arbre.texte};
    }
    if (arbre.mot(r) != "=")
        return std::nullopt;
    for (int cote = 0; cote < 2; ++cote) {
        const Noeud &seul = arbre[arbre.enfant(r, cote)];
        const int autre = arbre.enfant(r, 1 - cote);
        if (seul.genre == Genre::lettre && !contient_lettre(arbre, autre, arbre.mot(seul)[0]))
            return Valeur_nommee{arbre.mot(seul)[0], sans_blancs(texte_de(autre))};
    }
    return std::nullopt;
}

Sens autre(const std::string &texte)
{
    Sens s;
    s.genre = Sens::Genre::autre;
    s.expression = texte;
    return s;
}

// The values of an equation or the pair of a system.
Lecture lis_valeurs(const std::string &texte, NatureEnonce nature)
{
    Sens sens;
    sens.genre = nature == NatureEnonce::systeme ? Sens::Genre::couple : Sens::Genre::valeurs;
    if (nature == NatureEnonce::equation) {
        if (est_parmi(texte, SANS_SOLUTION) || sans_blancs(texte) == "([])")
            return {sens, {}};
        if (est_parmi(texte, TOUS_LES_REELS)) {
            sens.tous_les_reels = true;
            return {sens, {}};
        }
    }
    std::string liste = sans_entourage(texte, '{', '}');
    const bool ensemble = liste != texte;
    if (nature == NatureEnonce::systeme)
        liste = sans_entourage(liste, '(', ')');
    std::vector<std::string_view> separateurs = {";", "*et*", "et", "ou"};
    if (ensemble || nature == NatureEnonce::systeme)
        separateurs.push_back(",");
    std::vector<std::string> pieces = decoupe(liste, separateurs);
    if (pieces.size() == 1 && pieces[0].empty())
        return {std::nullopt, illisible("la réponse est vide.")};
    std::vector<Valeur_nommee> valeurs;
    for (const std::string &piece : pieces) {
        if (piece.empty())
            return {std::nullopt, illisible("une valeur manque entre deux séparateurs.")};
        const std::optional<Arbre> arbre = lis_formule(piece);
        if (!arbre)
            return {std::nullopt, illisible_formule(piece)};
        const std::optional<Valeur_nommee> v = valeur_nommee(*arbre, piece);
        if (!v)
            return {autre(texte), {}};
        valeurs.push_back(*v);
    }
    if (nature == NatureEnonce::systeme) {
        if (valeurs.size() != 2)
            return {autre(texte), {}};
        // A pair named the other way round ("y=2 et x=3") is put back in order.
        if (valeurs[0].nom == 'y' && valeurs[1].nom == 'x')
            std::swap(valeurs[0], valeurs[1]);
        else if ((valeurs[0].nom != '\0' && valeurs[0].nom != 'x') ||
                 (valeurs[1].nom != '\0' && valeurs[1].nom != 'y'))
            return {autre(texte), {}};
    } else if (std::any_of(valeurs.begin(), valeurs.end(),
                           [](const Valeur_nommee &v) { return v.nom != '\0' && v.nom != 'x'; })) {
        return {autre(texte), {}};
    }
    for (const Valeur_nommee &v : valeurs)
        sens.valeurs.push_back(v.valeur);
    return {sens, {}};
}

Intervalle intervalle(std::string bas, std::string haut, bool bas_ouvert, bool haut_ouvert)
{
    return {std::move(bas), std::move(haut), bas_ouvert, haut_ouvert};
}

bool est_infini(const std::string &borne) { return borne == "inf" || borne == "-inf"; }

std::optional<std::string> borne(const std::string &texte)
{
    std::string b = sans_blancs(texte);
    if (b == "+inf")
        b = "inf";
    if (est_infini(b))
        return b;
    if (b.empty() || !lis_formule(b))
        return std::nullopt;
    return b;
}

// The program's own text: "domain(x,lower,upper,code)", "([v])", unions with "or".
std::optional<std::vector<Intervalle>> intervalles_du_programme(const std::string &texte)
{
    const std::optional<Arbre> arbre = lis_formule(texte);
    if (!arbre)
        return std::nullopt;
    std::vector<Intervalle> resultat;
    const auto texte_de = [&](int i) {
        const Noeud &n = (*arbre)[i];
        return sans_blancs(texte.substr(static_cast<std::size_t>(n.debut), static_cast<std::size_t>(n.fin - n.debut)));
    };
    const auto partie = [&](int i) {
        const Noeud &n = (*arbre)[i];
        if (n.genre == Genre::domaine) {
            const std::string_view code = arbre->mot(n);
            resultat.push_back(intervalle(texte_de(arbre->enfant(n, 1)), texte_de(arbre->enfant(n, 2)),
                                          code == "12" || code == "14", code == "12" || code == "15"));
            return true;
        }
        if (n.genre == Genre::ensemble) {
            for (int k = 0; k < n.nombre_enfants; ++k) {
                const std::string v = texte_de(arbre->enfant(n, k));
                resultat.push_back(intervalle(v, v, false, false));
            }
            return true;
        }
        return false;
    };
    const Noeud &racine = (*arbre)[arbre->racine];
    if (racine.genre == Genre::reunion) {
        for (int k = 0; k < racine.nombre_enfants; ++k)
            partie(arbre->enfant(racine, k));
    } else if (!partie(arbre->racine)) {
        return std::nullopt;
    }
    return resultat;
}

// "]a;b[", "[a,b]" and the other bracket shapes.
std::optional<Intervalle> intervalle_ecrit(const std::string &texte)
{
    const std::string t = sans_blancs(texte);
    if (t.size() < 3)
        return std::nullopt;
    const char ouvre = t.front(), ferme = t.back();
    if ((ouvre != '[' && ouvre != ']') || (ferme != '[' && ferme != ']'))
        return std::nullopt;
    const std::string dedans = t.substr(1, t.size() - 2);
    std::size_t separateur = dedans.find(';');
    if (separateur == std::string::npos && std::count(dedans.begin(), dedans.end(), ',') == 1)
        separateur = dedans.find(',');
    if (separateur == std::string::npos)
        return std::nullopt;
    const auto bas = borne(dedans.substr(0, separateur));
    const auto haut = borne(dedans.substr(separateur + 1));
    if (!bas || !haut)
        return std::nullopt;
    return intervalle(*bas, *haut, ouvre == ']', ferme == '[');
}


// "x<2", "2>=x", "-1<x<=3", "x=4".
std::optional<std::vector<Intervalle>> relation_ecrite(const std::string &texte)
{
    std::vector<std::string> membres;
    std::vector<std::string> signes;
    std::string membre;
    for (std::size_t i = 0; i < texte.size();) {
        if (texte[i] == '<' || texte[i] == '>' || texte[i] == '=') {
            std::string signe(1, texte[i]);
            if (i + 1 < texte.size() && texte[i + 1] == '=' && texte[i] != '=')
                signe += '=';
            signes.push_back(signe);
            membres.push_back(sans_blancs(membre));
            membre.clear();
            i += signe.size();
        } else {
            membre += texte[i++];
        }
    }
    membres.push_back(sans_blancs(membre));
    if (signes.empty() || signes.size() > 2)
        return std::nullopt;
    // Read from x: the relation x ? b for each side.
    Intervalle r = intervalle("-inf", "inf", true, true);
    for (std::size_t k = 0; k < signes.size(); ++k) {
        const bool x_a_gauche = membres[k] == "x";
        const bool x_a_droite = membres[k + 1] == "x";
        if (x_a_gauche == x_a_droite)
            return std::nullopt;
        const auto b = borne(x_a_gauche ? membres[k + 1] : membres[k]);
        if (!b || est_infini(*b))
            return std::nullopt;
        std::string s = signes[k];
        if (x_a_droite && s != "=")
            s = (s[0] == '<' ? ">" : "<") + s.substr(1);
        if (s == "=") {
            r = intervalle(*b, *b, false, false);
            continue;
        }
        if (s[0] == '<') {
            r.haut = *b;
            r.haut_ouvert = s.size() == 1;
        } else {
            r.bas = *b;
            r.bas_ouvert = s.size() == 1;
        }
    }
    return std::vector<Intervalle>{r};
}

// The common part of two sets of intervals.
std::vector<Intervalle> intersection(const std::vector<Intervalle> &a, const std::vector<Intervalle> &b)
{
    std::vector<Intervalle> r;
    for (const Intervalle &i : a)
        for (const Intervalle &j : b) {
            const double bi = position(i.bas), bj = position(j.bas), hi = position(i.haut), hj = position(j.haut);
            Intervalle k = i;
            if (bj > bi || (bj == bi && j.bas_ouvert)) {
                k.bas = j.bas;
                k.bas_ouvert = j.bas_ouvert;
            }
            if (hj < hi || (hj == hi && j.haut_ouvert)) {
                k.haut = j.haut;
                k.haut_ouvert = j.haut_ouvert;
            }
            const double bas = position(k.bas), haut = position(k.haut);
            if (bas < haut || (bas == haut && !k.bas_ouvert && !k.haut_ouvert))
                r.push_back(k);
        }
    return r;
}

Lecture lis_intervalles(const std::string &texte)
{
    Sens sens;
    sens.genre = Sens::Genre::intervalles;
    if (est_parmi(texte, SANS_SOLUTION) || sans_blancs(texte) == "([])")
        return {sens, {}};
    if (est_parmi(texte, TOUS_LES_REELS)) {
        sens.intervalles.push_back(intervalle("-inf", "inf", true, true));
        return {sens, {}};
    }
    // "x ∈ ]-∞;2[" names the unknown before its set.
    if (const std::string t = sans_blancs(texte); t.rfind("x∈", 0) == 0)
        return lis_intervalles(t.substr(std::string_view("x∈").size()));
    if (texte.find("domain(") != std::string::npos || texte.find("([") != std::string::npos) {
        const auto lus = intervalles_du_programme(sans_blancs(texte));
        if (!lus)
            return {std::nullopt, illisible_formule(texte)};
        sens.intervalles = *lus;
        return {sens, {}};
    }
    for (const std::string &partie : decoupe(texte, {"U", "ou", "or"})) {
        std::optional<std::vector<Intervalle>> commun;
        for (const std::string &morceau : decoupe(partie, {"et", "*et*"})) {
            std::optional<std::vector<Intervalle>> lu;
            if (morceau.empty())
                return {std::nullopt, illisible("une partie de l'ensemble manque.")};
            if (morceau.front() == '[' || morceau.front() == ']')
                if (auto i = intervalle_ecrit(morceau))
                    lu = std::vector<Intervalle>{*i};
            if (!lu && morceau.front() == '{') {
                std::vector<Intervalle> points;
                for (const std::string &v : decoupe(sans_entourage(morceau, '{', '}'), {";", ","})) {
                    const auto b = borne(v);
                    if (!b || est_infini(*b))
                        return {std::nullopt, illisible_formule(v)};
                    points.push_back(intervalle(*b, *b, false, false));
                }
                lu = points;
            }
            if (!lu)
                lu = relation_ecrite(morceau);
            if (!lu) {
                if (!lis_formule(morceau))
                    return {std::nullopt, illisible_formule(morceau)};
                return {autre(texte), {}};
            }
            commun = commun ? intersection(*commun, *lu) : *lu;
        }
        sens.intervalles.insert(sens.intervalles.end(), commun->begin(), commun->end());
    }
    return {sens, {}};
}

} // namespace

Lecture lis_reponse(std::string_view texte, NatureEnonce nature)
{
    const bool couples = nature == NatureEnonce::systeme || nature == NatureEnonce::inequation;
    const std::string t = virgules_decimales(prepare(texte), couples);
    if (sans_blancs(t).empty())
        return {std::nullopt, illisible("la réponse est vide.")};
    switch (nature) {
    case NatureEnonce::equation:
    case NatureEnonce::systeme:
        return lis_valeurs(t, nature);
    case NatureEnonce::inequation:
        return lis_intervalles(t);
    case NatureEnonce::expression:
        break;
    }
    const std::string formule = sans_blancs(t);
    if (!lis_formule(formule))
        return {std::nullopt, illisible_formule(rogne(t))};
    Sens sens;
    sens.expression = formule;
    return {sens, {}};
}

NatureEnonce nature_enonce(std::string_view enonce)
{
    if (const std::optional<Arbre> arbre = lis_formule(enonce)) {
        const Noeud &r = (*arbre)[arbre->racine];
        if (r.genre == Genre::systeme)
            return NatureEnonce::systeme;
        if (r.genre == Genre::relation)
            return arbre->mot(r) == "=" ? NatureEnonce::equation : NatureEnonce::inequation;
        return NatureEnonce::expression;
    }
    if (enonce.find('{') != std::string_view::npos)
        return NatureEnonce::systeme;
    if (enonce.find_first_of("<>") != std::string_view::npos)
        return NatureEnonce::inequation;
    return enonce.find('=') != std::string_view::npos ? NatureEnonce::equation : NatureEnonce::expression;
}

double position(const std::string &borne)
{
    if (borne == "-inf")
        return -INFINITY;
    if (borne == "inf")
        return INFINITY;
    const Valeur v = valeur_ordinaire(borne, 0);
    return v.lecture == Definition::definie ? v.nombre : NAN;
}

std::string ecrit_sens(const Sens &sens)
{
    std::string r;
    switch (sens.genre) {
    case Sens::Genre::valeurs:
    case Sens::Genre::couple:
        if (sens.tous_les_reels)
            return "R";
        if (sens.valeurs.empty())
            return "([])";
        for (const std::string &v : sens.valeurs)
            r += (r.empty() ? "" : "*et*") + v;
        return r;
    case Sens::Genre::intervalles: {
        if (sens.intervalles.empty())
            return "([])";
        const bool union_ = sens.intervalles.size() > 1;
        for (const Intervalle &i : sens.intervalles) {
            const std::string partie =
                i.bas == i.haut && !est_infini(i.bas)
                    ? "[" + i.bas + "]"
                    : "domain(x," + i.bas + "," + i.haut + "," +
                          (i.bas_ouvert ? (i.haut_ouvert ? "12" : "14") : (i.haut_ouvert ? "15" : "13")) + ")";
            r += (r.empty() ? "" : "or") + (union_ || partie[0] == '[' ? "(" + partie + ")" : partie);
        }
        return r;
    }
    case Sens::Genre::expression:
    case Sens::Genre::autre:
        break;
    }
    return sens.expression;
}
