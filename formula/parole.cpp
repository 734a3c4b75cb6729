#include "formula/parole.h"

#include <array>

#include "formula/lecteur.h"

namespace {

constexpr std::array<const char *, 20> UNITES = {
    "zéro", "un",   "deux",     "trois",    "quatre",   "cinq",   "six",      "sept",     "huit",     "neuf",
    "dix",  "onze", "douze",    "treize",   "quatorze", "quinze", "seize",    "dix-sept", "dix-huit", "dix-neuf"};
constexpr std::array<const char *, 10> DIZAINES = {"",         "dix",      "vingt",    "trente",       "quarante",
                                                   "cinquante", "soixante", "soixante", "quatre-vingt", "quatre-vingt"};

// 0 to 99.
std::string moins_de_cent(int n)
{
    if (n < 20)
        return UNITES[static_cast<std::size_t>(n)];
    const int d = n / 10, u = n % 10;
    // 70 to 79 and 90 to 99 count on from sixty and eighty.
    const int reste = (d == 7 || d == 9) ? u + 10 : u;
    std::string r = DIZAINES[static_cast<std::size_t>(d)];
    if (reste == 0)
        return d == 8 ? r + "s" : r;
    if ((reste == 1 || reste == 11) && d != 8 && d != 9)
        return r + " et " + UNITES[static_cast<std::size_t>(reste)];
    return r + "-" + UNITES[static_cast<std::size_t>(reste)];
}

// 0 to 999; `final`: nothing follows, so "deux cents" keeps its plural.
std::string moins_de_mille(int n, bool final)
{
    const int c = n / 100, r = n % 100;
    std::string t;
    if (c > 0) {
        t = c == 1 ? "cent" : std::string(UNITES[static_cast<std::size_t>(c)]) + " cent";
        if (c > 1 && r == 0 && final)
            t += "s";
        if (r == 0)
            return t;
        t += " ";
    }
    std::string d = moins_de_cent(r);
    // "quatre-vingts" loses its s before "mille".
    if (!final && r == 80)
        d.pop_back();
    return t + d;
}

class Lecture {
public:
    explicit Lecture(const Arbre &a) : a_(a) {}

    std::string dit(int i) const
    {
        const Noeud &n = a_[i];
        switch (n.genre) {
        case Genre::nombre: return nombre(std::string(a_.mot(n)));
        case Genre::lettre: return std::string(a_.mot(n));
        case Genre::infini: return "l'infini";
        case Genre::vecteur:
            return a_.mot(n) == "o" ? "vecteur nul" : "vecteur " + std::string(a_.mot(n));
        case Genre::fonction: return fonction(n);
        case Genre::puissance: return puissance(n);
        case Genre::produit: return produit(n);
        case Genre::somme: return somme(n);
        case Genre::signe: return (a_.mot(n) == "-" ? "moins " : "plus ") + dit(a_.enfant(n, 0));
        case Genre::groupe:
            return "ouvrez la parenthèse " + dit(a_.enfant(n, 0)) + " fermez la parenthèse";
        case Genre::relation: return relation(n);
        case Genre::systeme: return suite(n, "système : ", " ; puis ");
        case Genre::liste: return suite(n, "", " et ");
        case Genre::domaine: return intervalle(n);
        case Genre::reunion: return suite(n, "", " union ");
        case Genre::ensemble:
            return n.nombre_enfants == 0 ? "l'ensemble vide" : suite(n, "l'ensemble ", ", ");
        }
        return {};
    }

private:
    const Arbre &a_;

    std::string suite(const Noeud &n, std::string debut, const char *entre) const
    {
        for (int k = 0; k < n.nombre_enfants; ++k)
            debut += (k ? entre : "") + dit(a_.enfant(n, k));
        return debut;
    }

    static std::string nombre(const std::string &mot)
    {
        const std::size_t point = mot.find('.');
        if (point == std::string::npos)
            return nombre_en_lettres(mot);
        std::string r = nombre_en_lettres(point == 0 ? "0" : mot.substr(0, point)) + " virgule";
        std::size_t k = point + 1;
        // "2.05" is "deux virgule zéro cinq".
        for (; k + 1 < mot.size() && mot[k] == '0'; ++k)
            r += " zéro";
        return k < mot.size() ? r + " " + nombre_en_lettres(mot.substr(k)) : r;
    }

    // The content of a fraction's term or of a function: its brackets are drawn away.
    std::string sans_groupe(int i) const
    {
        const Noeud &n = a_[i];
        return n.genre == Genre::groupe ? dit(a_.enfant(n, 0)) : dit(i);
    }

    bool simple(int i) const
    {
        const Genre g = a_[i].genre;
        return g == Genre::nombre || g == Genre::lettre || g == Genre::vecteur || g == Genre::infini;
    }

    std::string fonction(const Noeud &n) const
    {
        const std::string_view nom = a_.mot(n);
        const char *dit_nom = nom == "sqrt" ? "racine carrée de " : nom == "sin" ? "sinus de "
                              : nom == "cos" ? "cosinus de " : nom == "tan" ? "tangente de "
                              : nom == "abs" ? "valeur absolue de " : nom == "ln" ? "logarithme népérien de "
                              : "exponentielle de ";
        const int argument = a_.enfant(n, 0);
        if (simple(argument))
            return dit_nom + dit(argument);
        const char *fin = nom == "sqrt" ? ", fin de la racine" : nom == "abs" ? ", fin de la valeur absolue" : ", fin";
        return dit_nom + sans_groupe(argument) + fin;
    }

    std::string puissance(const Noeud &n) const
    {
        const int base = a_.enfant(n, 0), exposant = a_.enfant(n, 1);
        const std::string_view e = a_[exposant].genre == Genre::nombre ? a_.mot(a_[exposant]) : "";
        const std::string b = dit(base);
        if (e == "2")
            return b + " au carré";
        if (e == "3")
            return b + " au cube";
        if (simple(exposant))
            return b + " puissance " + dit(exposant);
        return b + " puissance " + sans_groupe(exposant) + ", fin de l'exposant";
    }

    // Juxtaposed factors follow each other ("deux x"); "*" is said "fois" and
    // a "/" makes a fraction of what comes before it over the factor after it.
    std::string produit(const Noeud &n) const
    {
        std::string r;
        int debut = 0;
        for (int k = 0; k < n.nombre_enfants; ++k) {
            const char op = a_.operateur(n, k);
            const int f = a_.enfant(n, k);
            if (op == '/') {
                const std::string numerateur = k - debut == 1 ? sans_groupe(a_.enfant(n, debut)) : r;
                r = "fraction : " + numerateur + " sur " + sans_groupe(f);
                continue;
            }
            if (k > 0)
                r += op == '*' ? " fois " : " ";
            r += dit(f);
            if (op != ' ' && op != '*')
                debut = k;
        }
        return r;
    }

    std::string somme(const Noeud &n) const
    {
        std::string r;
        for (int k = 0; k < n.nombre_enfants; ++k) {
            const char op = a_.operateur(n, k);
            if (k > 0 || op == '-')
                r += (k > 0 ? " " : "") + std::string(op == '-' ? "moins " : "plus ");
            r += dit(a_.enfant(n, k));
        }
        return r;
    }

    std::string relation(const Noeud &n) const
    {
        const std::string_view s = a_.mot(n);
        const char *mot = s == "=" ? " égale " : s == "<" ? " inférieur à " : s == ">" ? " supérieur à "
                          : s == "<=" ? " inférieur ou égal à " : " supérieur ou égal à ";
        return dit(a_.enfant(n, 0)) + mot + dit(a_.enfant(n, 1));
    }

    // "domain(x,a,b,code)": the code tells which ends are open (12 both,
    // 14 the lower one, 15 the upper one, 13 none).
    std::string intervalle(const Noeud &n) const
    {
        const std::string_view code = a_.mot(n);
        const bool bas_ouvert = code == "12" || code == "14", haut_ouvert = code == "12" || code == "15";
        auto borne = [this, &n](int k, bool ouverte) {
            const int b = a_.enfant(n, k);
            const bool infinie = a_[b].genre == Genre::infini ||
                                 (a_[b].genre == Genre::signe && a_[a_.enfant(a_[b], 0)].genre == Genre::infini);
            return dit(b) + (infinie ? "" : ouverte ? " exclu" : " inclus");
        };
        return "intervalle de " + borne(1, bas_ouvert) + " à " + borne(2, haut_ouvert);
    }
};

// A text that is no formula: each sign said by its name.
std::string epele(std::string_view t)
{
    std::string r;
    auto ajoute = [&r](std::string_view mot) {
        if (!r.empty() && r.back() != ' ')
            r += ' ';
        r += mot;
    };
    for (std::size_t i = 0; i < t.size(); ++i) {
        const char c = t[i];
        switch (c) {
        case '+': ajoute("plus"); break;
        case '-': ajoute("moins"); break;
        case '*': ajoute("fois"); break;
        case '/': ajoute("sur"); break;
        case '^': ajoute("puissance"); break;
        case '=': ajoute("égale"); break;
        case '<': ajoute("inférieur à"); break;
        case '>': ajoute("supérieur à"); break;
        case '(': ajoute("ouvrez la parenthèse"); break;
        case ')': ajoute("fermez la parenthèse"); break;
        case '{': ajoute("accolade"); break;
        case '.':
        case ',': ajoute("virgule"); break;
        case ' ':
        case '\r': break;
        case '\n': ajoute("à la ligne"); break;
        default:
            if (c >= '0' && c <= '9') {
                std::size_t fin = i;
                while (fin < t.size() && t[fin] >= '0' && t[fin] <= '9')
                    ++fin;
                ajoute(nombre_en_lettres(t.substr(i, fin - i)));
                i = fin - 1;
            } else {
                ajoute(std::string_view(&t[i], 1));
            }
        }
    }
    return r;
}

} // namespace

std::string nombre_en_lettres(std::string_view chiffres)
{
    while (chiffres.size() > 1 && chiffres.front() == '0')
        chiffres.remove_prefix(1);
    if (chiffres.empty())
        return {};
    if (chiffres.size() > 9) {
        std::string r;
        for (const char c : chiffres)
            r += (r.empty() ? "" : " ") + std::string(UNITES[static_cast<std::size_t>(c - '0')]);
        return r;
    }
    long n = 0;
    for (const char c : chiffres)
        n = n * 10 + (c - '0');
    if (n == 0)
        return UNITES[0];
    const int millions = static_cast<int>(n / 1000000), milliers = static_cast<int>(n / 1000 % 1000),
              reste = static_cast<int>(n % 1000);
    std::string r;
    auto ajoute = [&r](const std::string &mot) { r += (r.empty() ? "" : " ") + mot; };
    if (millions > 0)
        ajoute(moins_de_mille(millions, true) + (millions > 1 ? " millions" : " million"));
    if (milliers > 0)
        ajoute(milliers == 1 ? "mille" : moins_de_mille(milliers, false) + " mille");
    if (reste > 0)
        ajoute(moins_de_mille(reste, true));
    return r;
}

std::string parole(std::string_view formule)
{
    if (const std::optional<Arbre> arbre = lis_formule(formule))
        return Lecture(*arbre).dit(arbre->racine);
    return epele(formule);
}
