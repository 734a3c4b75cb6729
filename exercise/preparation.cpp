#include "exercise/preparation.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <random>
#include <string_view>

#include "algebra/solutions.h"
#include "algebra/algebre.h"
#include "algebra/decoupe.h"
#include "core/partage.h"
#include "formula/normalise.h"
#include "formula/reponse.h"
#include "formula/vocabulaire.h"

namespace {

constexpr std::string_view EXPRESSION_DE_BASE = "Expression de base";
constexpr std::string_view MARQUE_VECTEUR = "..arrow";
constexpr std::string_view LISTE_PAR_DEFAUT = ":1,2,3,4,5,6,7,8,9,";
constexpr int AIDES_DES_ETAPES_MAX = 28;
constexpr int AIDES_MAX = 30;
constexpr int SOLUTIONS_MAX = 15;
constexpr int LIGNES_MAX = 20;

std::mt19937 &generateur()
{
    static std::mt19937 g;
    return g;
}

bool est_lettre(char c) { return c >= 'a' && c <= 'z'; }

// Value text of each letter 'a'..'z' drawn for this run; empty for none.
// Characters that, next to a value, would glue onto it: the value enters as
// a factor, so a "*" goes between.
bool colle_avant(char c) { return (c >= '0' && c <= '9') || c == '.' || c == ')' || est_lettre(c); }
bool colle_apres(char c) { return (c >= '0' && c <= '9') || c == '.' || c == '(' || est_lettre(c); }

// Every letter outside the words of the formula language replaced by its value, as a
// factor: '2a(x+b)' with a = 2 and b = 7 gives '2*2*(x+7)'. One pass from the
// left: a value never holds a letter, so nothing is replaced twice.
std::string substitue(std::string_view t, const Valeurs &valeurs)
{
    std::string r;
    r.reserve(t.size());
    for (std::size_t i = 0; i < t.size();) {
        if (const std::size_t n = mot_en(t, i)) {
            r.append(t.substr(i, n));
            i += n;
        } else if (est_lettre(t[i]) && !valeurs[static_cast<std::size_t>(t[i] - 'a')].empty()) {
            if (!r.empty() && colle_avant(r.back()))
                r += '*';
            r += valeurs[static_cast<std::size_t>(t[i] - 'a')];
            ++i;
            if (i < t.size() && colle_apres(t[i]) && !mot_en(t, i))
                r += '*';
        } else {
            r += t[i++];
        }
    }
    return r;
}

// The letters 'a'..'q' used outside the words of the formula language, in alphabetical order.
std::string lettres_variables(std::string_view t)
{
    std::array<bool, 26> vue{};
    for (std::size_t i = 0; i < t.size();) {
        if (const std::size_t n = mot_en(t, i)) {
            i += n;
            continue;
        }
        if (t[i] >= 'a' && t[i] <= 'q')
            vue[static_cast<std::size_t>(t[i] - 'a')] = true;
        ++i;
    }
    std::string lettres;
    for (char c = 'a'; c <= 'q'; ++c)
        if (vue[static_cast<std::size_t>(c - 'a')])
            lettres += c;
    return lettres;
}

// Each "[content]" replaced by what `evalue` makes of its content, from the
// left; a "[" with no "]" after it ends the scan.
template <typename Evaluation>
std::string evalue_crochets(const std::string &t, Evaluation evalue)
{
    std::string r;
    std::size_t i = 0;
    while (i < t.size()) {
        const std::size_t ouvre = t.find('[', i);
        const std::size_t ferme = ouvre == std::string::npos ? ouvre : t.find(']', ouvre + 1);
        if (ferme == std::string::npos)
            break;
        r.append(t, i, ouvre - i);
        r += evalue(t.substr(ouvre + 1, ferme - ouvre - 1));
        i = ferme + 1;
    }
    r.append(t, std::min(i, t.size()));
    return r;
}

// The CR LF that the formula box leaves after the opening brace and before
// the closing brace of a system.
std::string sans_sauts_aux_bords(std::string t)
{
    if (t.size() >= 3 && t.compare(1, 2, "\r\n") == 0)
        t.erase(1, 2);
    if (t.size() >= 3 && t.compare(t.size() - 3, 2, "\r\n") == 0)
        t.erase(t.size() - 3, 2);
    return t;
}

void pose_expression_depart(const std::string &texte)
{
    partage.expression_base = sans_sauts_aux_bords(texte);
    partage.expression_fichier = partage.expression_base;
}

void construit_table_variables()
{
    Partage &p = partage;
    const std::array<std::string, LIGNES_MAX + 1> anciennes = p.lignes_parametres;
    for (std::string &ligne : p.lignes_parametres)
        ligne.clear();
    int libre = 1;
    for (char lettre : lettres_variables(p.expression_base)) {
        const auto gardee = std::find_if(anciennes.begin() + 1, anciennes.end(),
                                         [lettre](const std::string &l) { return !l.empty() && l[0] == lettre; });
        p.lignes_parametres[static_cast<std::size_t>(libre++)] =
            gardee != anciennes.end() ? *gardee : std::string(1, lettre) + std::string(LISTE_PAR_DEFAUT);
    }
}

void ajoute_reponses_par_defaut(int n)
{
    Partage &p = partage;
    p.liste_solutions.emplace_back(p.historique_expressions[static_cast<std::size_t>(n)], "0",
                                   "Bravo, la réponse est juste !");
    p.liste_solutions.emplace_back("", "10", "Ce n'est pas la bonne réponse.");
}

// One help per action of the history (repeated actions counted together), a
// help for the last action unless it gave the solution, then the solution.
std::vector<std::string> construit_aides(int n)
{
    Partage &p = partage;
    for (std::size_t i = 0; i <= AIDES_MAX; ++i) {
        p.aides[i].clear();
        p.aides_affichees[i].clear();
        p.penalites_aides[i] = 0;
    }
    std::vector<std::string> liste;
    auto ajoute = [&](int j, std::string item, std::string texte, int note) {
        liste.push_back(std::move(item));
        p.aides[static_cast<std::size_t>(j)] = std::move(texte);
        p.penalites_aides[static_cast<std::size_t>(j)] = note;
    };
    const auto nom = [&](int a) -> const std::string & {
        return p.historique_commentaires[static_cast<std::size_t>(a)];
    };

    int j = 1;
    int a = 1;
    while (a <= n - 1 && j <= AIDES_DES_ETAPES_MAX) {
        if (nom(a) == EXPRESSION_DE_BASE) {
            ++a;
            continue;
        }
        int k = 1;
        while (a + k <= n - 1 && nom(a + k) == nom(a))
            ++k;
        ajoute(j, "AIDE " + std::to_string(j),
               k > 1 ? nom(a) + " (" + std::to_string(k) + " fois)." : nom(a), 2);
        ++j;
        a += k;
    }
    const int arret = a <= n - 1 ? a : n;

    std::string prefixe = nom(n);
    if (!contient(nom(n), "olution")) {
        ajoute(j, "AIDE " + std::to_string(j), nom(arret), 2);
        ++j;
        prefixe = "La solution est :";
    }
    ajoute(j, "Solution ", prefixe + "[" + p.historique_expressions[static_cast<std::size_t>(n)] + "]", 4);
    p.aides_affichees[static_cast<std::size_t>(j)] = p.aides[static_cast<std::size_t>(j)];
    liste.emplace_back(TITRE_LISTE_AIDES);
    return liste;
}

// The items a variable line offers: the raw texts ended by ",", after "a:".
std::vector<std::string_view> items_variable(std::string_view ligne)
{
    std::vector<std::string_view> items;
    if (ligne.size() < 2)
        return items;
    std::string_view reste = ligne.substr(2);
    for (std::size_t v = reste.find(','); v != std::string_view::npos; v = reste.find(',')) {
        items.push_back(reste.substr(0, v));
        reste.remove_prefix(v + 1);
    }
    return items;
}

std::optional<int> entier(std::string_view item)
{
    const std::string t = sans_blancs(item);
    const char *debut = t.data();
    if (!t.empty() && t[0] == '+')
        ++debut;
    int valeur = 0;
    const auto [fin, erreur] = std::from_chars(debut, t.data() + t.size(), valeur);
    if (erreur != std::errc() || fin != t.data() + t.size() || debut == fin)
        return std::nullopt;
    return valeur;
}

} // namespace

Valeurs tire_valeurs()
{
    Valeurs valeurs;
    const Partage &p = partage;
    for (int i = 1; i <= LIGNES_MAX && !p.lignes_parametres[static_cast<std::size_t>(i)].empty(); ++i) {
        const std::string &ligne = p.lignes_parametres[static_cast<std::size_t>(i)];
        if (!est_lettre(ligne[0]))
            continue;
        std::string &valeur = valeurs[static_cast<std::size_t>(ligne[0] - 'a')];
        const std::vector<int> offertes = valeurs_variable(ligne);
        if (offertes.empty() || !valeur.empty())
            continue;
        std::uniform_int_distribution<std::size_t> tirage(0, offertes.size() - 1);
        valeur = valeur_ecrite(offertes[tirage(generateur())]);
    }
    return valeurs;
}

namespace {

std::string aide_instanciee(const std::string &aide, const Valeurs &valeurs)
{
    return evalue_crochets(aide, [&](const std::string &contenu) {
        std::string r = substitue(contenu, valeurs);
        if (!r.empty() && r[0] == '#')
            r.erase(0, 1);
        else
            r = normalise(r);
        if (contient(r, "et"))
            sans_parentheses(r);
        return forme_lisible(r);
    });
}

// An answer the teacher wrote as a pupil would, solved for x ("x=1",
// "x<=2", "x=3*et*y=2"), kept by its meaning with each value normalised.
std::optional<std::string> reponse_resolue(const std::string &reponse, NatureEnonce nature)
{
    if (nature == NatureEnonce::expression || reponse.find_first_of("=<>") == std::string::npos)
        return std::nullopt;
    const LectureReponse lue = lis_reponse(reponse, nature);
    if (!lue.sens || lue.sens->genre == Sens::Genre::expression)
        return std::nullopt;
    // A statement left unsolved ("x^2=4") is expected as it stands; values
    // joined by "=" without a letter are the file's list of solutions.
    if (lue.sens->genre == Sens::Genre::autre)
        return reponse.find_first_of("xy") == std::string::npos ? std::nullopt : std::optional(normalise(reponse));
    Sens sens = *lue.sens;
    for (std::string &v : sens.valeurs)
        v = normalise(v);
    for (Intervalle &i : sens.intervalles) {
        i.bas = normalise(i.bas);
        i.haut = normalise(i.haut);
    }
    return ecrit_sens(sens);
}

std::string reponse_instanciee(const std::string &reponse, const Valeurs &valeurs, bool vecteurs, NatureEnonce nature)
{
    // The file writes the "=" of an answer as "*et*".
    std::string r = reponse;
    for (std::size_t i = r.find("*et*"); i != std::string::npos; i = r.find("*et*", i + 1))
        r.replace(i, 4, "=");
    const std::string avant = r;
    r = substitue(r, valeurs);
    if (const auto resolue = reponse_resolue(r, nature))
        return *resolue;
    if (r.empty() || (contient(r, "=") && !vecteurs))
        formate_solutions(r, 0);
    else if (r != avant)
        r = normalise(r);
    else
        // The teacher's own writing is kept: an anticipated '9/6' or
        // '(x-3)*(x-3)' must not become the right answer's '3/2' or '(x-3)^2'.
        std::erase(r, ' ');
    return r;
}

} // namespace

std::string aide_lisible(const std::string &aide)
{
    return evalue_crochets(aide, [](const std::string &contenu) { return forme_lisible(contenu); });
}

void nouvel_exercice()
{
    Partage &p = partage;
    p.exercice_modifie = true;
    p.expression_base.clear();
    p.liste_solutions.clear();
    p.note = 20;
    p.points_retires.clear();
    p.derniere_expression.clear();
    for (int i = 1; i <= 14; ++i) {
        p.aides[i].clear();
        p.penalites_aides[i] = 0;
    }
    for (std::string &ligne : p.lignes_parametres)
        ligne.clear();
    p.consigne = p.consigne_initiale;
}

ExercicePrepare preparer_exercice(const std::optional<std::string> &etape_1)
{
    Partage &p = partage;
    ExercicePrepare resultat;
    if (p.mode_eleve)
        return resultat;
    resultat.fait = true;
    const int n = std::clamp(p.nombre_historique, 0, static_cast<int>(p.historique_expressions.size()) - 1);
    const std::string etape_un =
        etape_1 ? *etape_1 : n >= 1 ? p.historique_expressions[1] : p.expression_base;
    if (n >= 1) {
        nouvel_exercice();
        pose_expression_depart(n > 2 ? p.historique_expressions[1] : etape_un);
        construit_table_variables();
        ajoute_reponses_par_defaut(n);
        resultat.liste_aides = construit_aides(n);
        resultat.aides_refaites = true;
    } else {
        pose_expression_depart(etape_un);
        construit_table_variables();
    }
    return resultat;
}

void instancier_exercice()
{
    Partage &p = partage;
    const Valeurs valeurs = tire_valeurs();

    std::string depart = substitue(p.expression_base, valeurs);
    depart = evalue_crochets(depart, [](const std::string &contenu) { return "(" + normalise(contenu) + ")"; });
    const bool vecteurs = contient(depart, MARQUE_VECTEUR);
    if (p.option_fractions && !vecteurs)
        depart = normalise(depart);
    else if (depart != p.expression_base)
        depart = normalise_brut(depart);   // the values' products computed, the terms kept
    p.expression_base = depart;

    for (std::string &aide : p.aides_affichees)
        aide.clear();
    for (std::size_t i = 1; i <= AIDES_MAX && !p.aides[i].empty(); ++i)
        p.aides_affichees[i] = aide_instanciee(p.aides[i], valeurs);

    const NatureEnonce nature = p.base_systeme ? NatureEnonce::systeme : nature_enonce(depart);
    std::size_t i = 1;
    for (const TDsolu &solution : p.liste_solutions) {
        if (i > SOLUTIONS_MAX)
            break;
        p.solutions_normalisees[i++] = reponse_instanciee(solution.solution, valeurs, vecteurs, nature);
    }
    for (; i <= SOLUTIONS_MAX; ++i)
        p.solutions_normalisees[i].clear();
}

void seme_hasard(unsigned graine) { generateur().seed(graine); }

std::vector<int> valeurs_variable(const std::string &ligne)
{
    const std::vector<std::string_view> items = items_variable(ligne);
    const std::size_t offerts = items.size() > 1 ? items.size() - 1 : items.size();
    std::vector<int> valeurs;
    for (std::size_t i = 0; i < offerts; ++i)
        if (const std::optional<int> v = entier(items[i]))
            valeurs.push_back(*v);
    return valeurs;
}

std::string valeur_ecrite(int valeur)
{
    const std::string chiffres = std::to_string(valeur);
    return valeur < 0 ? "(" + chiffres + ")" : chiffres;
}
