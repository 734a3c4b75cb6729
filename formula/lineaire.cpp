#include "formula/lineaire.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "formula/lecteur.h"
#include "formula/vocabulaire.h"

namespace {

// After these a "(" is never a product: an operator, an opening bracket, a
// power, a separator or a line break.
bool termine_un_operande(char c)
{
    return std::string_view("*+-/<=>(^{,\r\n").find(c) == std::string_view::npos;
}

// Quick look before reading: a "(" right after an operand can only be a
// product or a function's bracket.
bool peut_avoir_un_produit_cache(std::string_view texte)
{
    for (std::size_t i = 1; i < texte.size(); ++i)
        if (texte[i] == '(' && termine_un_operande(texte[i - 1]))
            return true;
    return false;
}

// Positions in the read text of the "(" that open a factor written right
// after another one, with no "*".
std::vector<int> produits_caches(const Arbre &arbre, std::string_view texte)
{
    std::vector<int> positions;
    for (const Noeud &n : arbre.noeuds) {
        if (n.genre != Genre::produit)
            continue;
        for (int k = 1; k < n.nombre_enfants; ++k) {
            const Noeud &facteur = arbre[arbre.enfant(n, k)];
            if (arbre.operateur(n, k) == ' ' && texte[static_cast<std::size_t>(facteur.debut)] == '(')
                positions.push_back(facteur.debut);
        }
    }
    return positions;
}

bool est_minuscule(char c) { return c >= 'a' && c <= 'z'; }

// A run of letters of the text that holds no word of the language: its
// letters [debut, fin), and whether a word or a bracket follows it.
struct Suite {
    std::size_t debut, fin;
    bool suivie_d_un_mot, avant_parenthese;
};

// The runs of letters of the text, found in one pass: the words of the
// language are stepped over whole.
std::vector<Suite> suites_de_lettres(std::string_view texte)
{
    std::vector<Suite> suites;
    std::size_t i = 0;
    while (i < texte.size()) {
        if (const std::size_t mot = mot_en(texte, i)) {
            i += mot;
            continue;
        }
        if (!est_minuscule(texte[i])) {
            ++i;
            continue;
        }
        std::size_t fin = i + 1;
        while (fin < texte.size() && est_minuscule(texte[fin]) && mot_en(texte, fin) == 0)
            ++fin;
        const bool apres = fin < texte.size();
        suites.push_back({i, fin, apres && est_minuscule(texte[fin]), apres && texte[fin] == '('});
        i = fin;
    }
    return suites;
}

// True when the run of letters reads as one-letter factors (see the header).
bool lettres_en_produit(std::string_view lettres, std::string_view declarees, bool avant_parenthese)
{
    const bool toutes_declarees = std::all_of(lettres.begin(), lettres.end(), [&](char c) {
        return c == 'x' || c == 'y' || declarees.find(c) != std::string_view::npos;
    });
    return toutes_declarees || (!avant_parenthese && lettres.size() <= 3 && lettres != "pi");
}

// The text with "*" between the letters of each run that reads as a product.
// Besides the declared letters, a letter that stands alone somewhere in the
// text is an unknown ('2ab(a+b)').
std::string lettres_separees(std::string_view texte, std::string declarees)
{
    const std::vector<Suite> suites = suites_de_lettres(texte);
    for (const Suite &suite : suites)
        if (suite.fin == suite.debut + 1 && !suite.suivie_d_un_mot)
            declarees += texte[suite.debut];
    std::string resultat;
    resultat.reserve(texte.size() * 2);
    std::size_t copie = 0;
    for (const Suite &suite : suites) {
        const std::string_view lettres = texte.substr(suite.debut, suite.fin - suite.debut);
        if (lettres.size() < 2 || suite.suivie_d_un_mot ||
            !lettres_en_produit(lettres, declarees, suite.avant_parenthese))
            continue;
        resultat += texte.substr(copie, suite.debut - copie);
        for (std::size_t k = 0; k < lettres.size(); ++k) {
            if (k > 0)
                resultat += '*';
            resultat += lettres[k];
        }
        copie = suite.fin;
    }
    resultat += texte.substr(copie);
    return resultat;
}

} // namespace

std::string virgules_en_points(std::string texte)
{
    const auto chiffre = [](char c) { return c >= '0' && c <= '9'; };
    for (std::size_t i = 1; i + 1 < texte.size(); ++i)
        if (texte[i] == ',' && chiffre(texte[i - 1]) && chiffre(texte[i + 1]))
            texte[i] = '.';
    return texte;
}

std::string forme_lineaire(std::string_view tape, std::string_view lettres_declarees)
{
    // A comma between digits is a decimal comma where the text reads only
    // that way: a set '[1,2]' or the program's domain text keeps its commas.
    std::string points;
    if (tape.find(',') != std::string_view::npos && !lis_formule(tape)) {
        points = virgules_en_points(std::string(tape));
        if (points != tape && lis_formule(points))
            tape = points;
    }
    const std::string_view texte = tape;
    std::string resultat = lettres_separees(texte, std::string(lettres_declarees));
    if (resultat != texte && !lis_formule(resultat))
        return std::string(texte);
    if (!peut_avoir_un_produit_cache(resultat))
        return resultat;
    const std::optional<Arbre> arbre = lis_formule(resultat);
    if (!arbre)
        return resultat;
    std::vector<int> positions = produits_caches(*arbre, resultat);
    std::sort(positions.begin(), positions.end(), std::greater<>());
    for (int p : positions)
        resultat.insert(static_cast<std::size_t>(p), 1, '*');
    return resultat;
}

bool produit_avant_parenthese(std::string_view avant)
{
    if (avant.empty() || !termine_un_operande(avant.back()))
        return false;
    // The text as it would read with a bracket opened and every bracket closed.
    std::string essai(avant);
    const auto ouvertes = std::count(avant.begin(), avant.end(), '(') - std::count(avant.begin(), avant.end(), ')');
    essai += "(1)";
    essai.append(static_cast<std::size_t>(std::max<std::ptrdiff_t>(0, ouvertes)), ')');
    const std::optional<Arbre> arbre = lis_formule(essai);
    if (!arbre)
        return true;
    const std::vector<int> positions = produits_caches(*arbre, essai);
    return std::find(positions.begin(), positions.end(), static_cast<int>(avant.size())) != positions.end();
}
