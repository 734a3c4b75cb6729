// The numeric evaluator. The text is rewritten into a flat list of operands
// and operators; each operator gets a priority from its kind and from the
// number of parentheses open at its place, and the operators are applied in
// decreasing order of priority (left to right among equals) to a row of
// operand slots. This gives the evaluator its own reading of some formulas:
// '2*-3' is 2*0-3, '2^3^2' is (2^3)^2. A function applies to its bracket
// before anything outside it, so 'sin(x)^2' is (sin(x))^2.
//
// Everything lives in fixed arrays on the stack: no allocation per call.

#include "core/evaluateur.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace {

// Longest text evaluated (after "sqrt" becomes "rac"); longer texts give the
// error value. Each character yields at most one operand and two operators.
constexpr std::size_t LONGUEUR_MAX = 1024;
constexpr std::size_t OPERANDES_MAX = LONGUEUR_MAX;
constexpr std::size_t OPERATEURS_MAX = 2 * LONGUEUR_MAX;

// A lone letter "i" stands for the square root of 1.1; while the text is
// prepared it is held as this byte.
constexpr char RACINE_DE_UN_UN = '\x01';

constexpr double PLAFOND_PRODUIT = 9999999.0;
constexpr double RESULTAT_MAX = 99999999.0;
constexpr double RESULTAT_TROP_GRAND = 5.0;
constexpr double DIVISEUR_MIN = 0.00001;
constexpr double BASE_NULLE = 0.001;
constexpr double EXPOSANT_MAX = 30.0;
constexpr double EXPOSANT_ENTIER_MAX = 32000.0;
// Largest argument that sin and cos accept; beyond it they give 0.
constexpr double ARGUMENT_TRIGO_MAX = 9223372036854775808.0;
// The parameters "m" and "b" (every "a" becomes "m") are never set.
constexpr double VALEUR_PARAMETRE = 0.0;

enum class Code : unsigned char {
    plus, moins, fois, divise, puissance,                  // two operands
    sinus, cosinus, absolue, logarithme, racine, exponentielle, arctangente // functions
};

bool est_fonction(Code c) { return c >= Code::sinus; }

// Priority of an operator: PALIER per open parenthesis, plus its rank:
// 0 for "+" and "-", 1 for "*" and "/", 3 for "^", 4 for a function (above
// "^" at its own level, below everything inside its bracket).
constexpr int PALIER = 5;
constexpr int RANG_FONCTION = 4;

struct Operateur {
    int priorite;
    int operande;   // index of its operand (the left one for two operands)
    Code code;
};

char minuscule(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool commence_par(const char *debut, const char *fin, std::string_view mot)
{
    if (static_cast<std::size_t>(fin - debut) < mot.size())
        return false;
    for (char c : mot)
        if (minuscule(*debut++) != c)
            return false;
    return true;
}

// An "a" stays an "a" when it begins "abs" or "atn", or stands in "rac":
// followed by "c" and then a character other than "o". Every other "a" is the
// parameter "m".
bool garde_son_a(const char *suite, const char *fin)
{
    const char c1 = suite < fin ? suite[0] : '\0';
    const char c2 = suite + 1 < fin ? suite[1] : '\0';
    return (c1 == 'b' && c2 == 's') || (c1 == 't' && c2 == 'n') ||
           (c1 == 'c' && c2 != '\0' && c2 != 'o');
}

// Lower case, "sqrt" as "rac", each "i" outside a "sin" marked as a root of
// 1.1, then the "a" rule, then the blanks removed. The "i" and "a" rules look
// at the neighbours before the blanks go. Returns the length written.
std::size_t prepare(std::string_view texte, char *tampon)
{
    const char *fin = texte.data() + texte.size();
    std::size_t n = 0;
    for (const char *p = texte.data(); p < fin;) {
        char c = minuscule(*p);
        if (commence_par(p, fin, "sqrt")) {
            tampon[n++] = 'r';
            tampon[n++] = 'a';
            tampon[n++] = 'c';
            p += 4;
            continue;
        }
        if (c == 'i') {
            const bool dans_sin = n > 0 && tampon[n - 1] == 's' && p + 1 < fin && minuscule(p[1]) == 'n';
            if (!dans_sin)
                c = RACINE_DE_UN_UN;
        } else if (c == RACINE_DE_UN_UN) {
            c = '?';   // a stray control byte is no letter
        }
        tampon[n++] = c;
        ++p;
    }
    std::size_t ecrits = 0;
    for (std::size_t i = 0; i < n; ++i) {
        char c = tampon[i];
        if (c == ' ')
            continue;
        if (c == 'a' && !garde_son_a(tampon + i + 1, tampon + n))
            c = 'm';
        tampon[ecrits++] = c;
    }
    return ecrits;
}

// A run of digits and points: one decimal number, at most one point.
bool lit_nombre(const char *debut, const char *fin, double &valeur)
{
    std::uint64_t mantisse = 0;
    int chiffres = 0, decimales = 0, points = 0;
    for (const char *p = debut; p < fin; ++p) {
        if (*p == '.') {
            ++points;
            continue;
        }
        mantisse = mantisse * 10 + static_cast<unsigned>(*p - '0');
        ++chiffres;
        decimales += points;
    }
    if (points > 1 || chiffres == 0)
        return false;
    static constexpr double puissances[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                            1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                            1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (chiffres <= 15) {   // exact mantissa and power: one correctly rounded division
        valeur = static_cast<double>(mantisse) / puissances[decimales];
        return true;
    }
    if (std::from_chars(debut, fin, valeur).ec != std::errc())
        return false;
    return std::isfinite(valeur);
}

// The formula as operands and operators, with the implicit products and the
// zeros before signs put in.
class Formule {
public:
    explicit Formule(double x) : x_(x) {}
    bool lit(const char *debut, const char *fin);
    // The value, or ERREUR_EVALUATION; plafonne tells whether a cap acted.
    double calcule(bool &plafonne);

private:
    enum class Avant { debut, operande, fermante, autre };

    void operande(double valeur);
    void fonction(Code code);
    void binaire(Code code, int rang);
    void ouvre();
    void produit_implicite();

    double x_;
    std::array<Operateur, OPERATEURS_MAX> operateurs_;
    std::array<double, OPERANDES_MAX> operandes_;
    int nb_operateurs_ = 0;
    int nb_binaires_ = 0;
    int nb_operandes_ = 0;
    int profondeur_ = 0;
    Avant avant_ = Avant::debut;
};

void Formule::produit_implicite()
{
    if (avant_ == Avant::operande || avant_ == Avant::fermante)
        binaire(Code::fois, 1);
}

void Formule::operande(double valeur)
{
    produit_implicite();
    operandes_[static_cast<std::size_t>(nb_operandes_++)] = valeur;
    avant_ = Avant::operande;
}

void Formule::fonction(Code code)
{
    produit_implicite();
    operateurs_[static_cast<std::size_t>(nb_operateurs_++)] = {PALIER * profondeur_ + RANG_FONCTION, nb_binaires_, code};
    avant_ = Avant::autre;
}

// rang: 0 for "+" and "-", 1 for "*" and "/", 3 for "^".
void Formule::binaire(Code code, int rang)
{
    operateurs_[static_cast<std::size_t>(nb_operateurs_++)] = {PALIER * profondeur_ + rang, nb_binaires_, code};
    ++nb_binaires_;
    avant_ = Avant::autre;
}

void Formule::ouvre()
{
    produit_implicite();
    ++profondeur_;
    avant_ = Avant::autre;
}

bool Formule::lit(const char *debut, const char *fin)
{
    struct Nom {
        std::string_view texte;
        Code code;
    };
    static constexpr Nom fonctions[] = {
        {"sin", Code::sinus},      {"cos", Code::cosinus}, {"abs", Code::absolue},
        {"ln", Code::logarithme},  {"rac", Code::racine},  {"exp", Code::exponentielle},
        {"atn", Code::arctangente},
    };
    for (const char *p = debut; p < fin;) {
        const char c = *p;
        if ((c >= '0' && c <= '9') || c == '.') {
            const char *q = p;
            while (q < fin && ((*q >= '0' && *q <= '9') || *q == '.'))
                ++q;
            double valeur;
            if (!lit_nombre(p, q, valeur))
                return false;
            operande(valeur);
            p = q;
            continue;
        }
        const Nom *nom = std::find_if(std::begin(fonctions), std::end(fonctions),
                                      [&](const Nom &f) { return commence_par(p, fin, f.texte); });
        if (nom != std::end(fonctions)) {
            fonction(nom->code);
            p += nom->texte.size();
            continue;
        }
        switch (c) {
        case 'x': case 't':
            operande(x_);
            break;
        case 'p':
            operande(std::numbers::pi);
            if (p + 1 < fin && p[1] == RACINE_DE_UN_UN)   // "pi"
                ++p;
            break;
        case 'm': case 'b':
            operande(VALEUR_PARAMETRE);
            break;
        case RACINE_DE_UN_UN:   // read as "rac(1.1)"
            fonction(Code::racine);
            ++profondeur_;
            operande(1.1);
            --profondeur_;
            avant_ = Avant::fermante;
            break;
        case '(':
            ouvre();
            break;
        case ')':
            --profondeur_;
            avant_ = Avant::fermante;
            break;
        case '+': case '-':   // a sign with no operand before it applies to a 0
            if (avant_ != Avant::operande && avant_ != Avant::fermante)
                operande(0.0);
            binaire(c == '+' ? Code::plus : Code::moins, 0);
            break;
        case '*': binaire(Code::fois, 1); break;
        case '/': binaire(Code::divise, 1); break;
        case '^': binaire(Code::puissance, 3); break;
        default:
            return false;
        }
        ++p;
    }
    return nb_operandes_ > 0 && nb_operandes_ == nb_binaires_ + 1;
}

double exponentielle(double y, bool &echec)
{
    if (std::fabs(y) >= EXPOSANT_MAX) {
        echec = true;
        return 0.0;
    }
    return std::exp(y);
}

// a to the power b. A negative base takes the sign from the parity of the
// exponent cut to a whole number ('(-8)^(1/3)' is 2).
double puissance(double a, double b, bool &echec)
{
    if (a > 0)
        return exponentielle(b * std::log(a), echec);
    if (std::fabs(a) < BASE_NULLE)
        return 0.0;
    const double e = exponentielle(b * std::log(-a), echec);
    const double entier = std::fabs(b) > EXPOSANT_ENTIER_MAX ? 0.0 : std::trunc(b);
    return std::fmod(entier, 2.0) != 0.0 ? -e : e;
}

// plafonne is set when a product is replaced by the cap.
double applique(Code code, double a, double b, bool &echec, bool &plafonne)
{
    switch (code) {
    case Code::plus: return a + b;
    case Code::moins: return a - b;
    case Code::fois:
        if (std::fabs(a) + std::fabs(b) >= PLAFOND_PRODUIT) {
            plafonne = true;
            return PLAFOND_PRODUIT;
        }
        return a * b;
    case Code::divise:
        echec = std::fabs(b) <= DIVISEUR_MIN;
        return echec ? 0.0 : a / b;
    case Code::puissance: return puissance(a, b, echec);
    case Code::sinus: return std::fabs(a) >= ARGUMENT_TRIGO_MAX ? 0.0 : std::sin(a);
    case Code::cosinus: return std::fabs(a) >= ARGUMENT_TRIGO_MAX ? 0.0 : std::cos(a);
    case Code::absolue: return std::fabs(a);
    case Code::logarithme:
        echec = !(a > 0);
        return echec ? 0.0 : std::log(a);
    case Code::racine:
        echec = a < 0;
        return echec ? 0.0 : std::sqrt(a);
    case Code::exponentielle: return exponentielle(a, echec);
    case Code::arctangente: return std::atan(a);
    }
    return 0.0;
}

// Applies the operators by decreasing priority, the formula's order among
// equals. Operands merged by an operator form one slot, known by its first
// operand; groupe leads from an operand towards that first one.
double Formule::calcule(bool &plafonne)
{
    constexpr std::int64_t decalage = 8 * static_cast<std::int64_t>(LONGUEUR_MAX);   // above any |priority|
    std::array<std::uint64_t, OPERATEURS_MAX> ordre;
    for (int i = 0; i < nb_operateurs_; ++i) {
        const auto cle = static_cast<std::uint64_t>(decalage - operateurs_[static_cast<std::size_t>(i)].priorite);
        ordre[static_cast<std::size_t>(i)] = cle << 32 | static_cast<std::uint64_t>(i);
    }
    std::sort(ordre.begin(), ordre.begin() + nb_operateurs_);

    std::array<int, OPERANDES_MAX> groupe;
    for (int k = 0; k < nb_operandes_; ++k)
        groupe[static_cast<std::size_t>(k)] = k;
    const auto tete = [&groupe](int k) {
        while (groupe[static_cast<std::size_t>(k)] != k) {
            const int g = groupe[static_cast<std::size_t>(k)];
            groupe[static_cast<std::size_t>(k)] = groupe[static_cast<std::size_t>(g)];
            k = g;
        }
        return k;
    };

    bool echec = false;
    for (int i = 0; i < nb_operateurs_ && !echec; ++i) {
        const Operateur &op = operateurs_[ordre[static_cast<std::size_t>(i)] & 0xFFFFFFFFu];
        const int g = tete(op.operande);
        double &valeur = operandes_[static_cast<std::size_t>(g)];
        if (est_fonction(op.code)) {
            valeur = applique(op.code, valeur, 0.0, echec, plafonne);
        } else {
            const int droite = op.operande + 1;
            valeur = applique(op.code, valeur, operandes_[static_cast<std::size_t>(droite)], echec, plafonne);
            groupe[static_cast<std::size_t>(droite)] = g;
        }
    }
    const double resultat = operandes_[0];
    if (echec || !std::isfinite(resultat))
        return ERREUR_EVALUATION;
    if (resultat > RESULTAT_MAX) {
        plafonne = true;
        return RESULTAT_TROP_GRAND;
    }
    return resultat + 0.0;   // + 0.0: no "-0"
}

double evalue_en_suivant_les_plafonds(std::string_view texte, double x, bool &plafonne)
{
    if (texte.size() > LONGUEUR_MAX)
        return ERREUR_EVALUATION;
    std::array<char, LONGUEUR_MAX> tampon;
    const std::size_t longueur = prepare(texte, tampon.data());
    Formule formule(x);
    if (!formule.lit(tampon.data(), tampon.data() + longueur))
        return ERREUR_EVALUATION;
    return formule.calcule(plafonne);
}

} // namespace

double evalue(std::string_view texte, double x)
{
    bool plafonne = false;
    return evalue_en_suivant_les_plafonds(texte, x, plafonne);
}

std::optional<double> valeur_sans_plafond(std::string_view texte, double x)
{
    bool plafonne = false;
    const double v = evalue_en_suivant_les_plafonds(texte, x, plafonne);
    if (plafonne || v == ERREUR_EVALUATION)
        return std::nullopt;
    return v;
}

namespace {

void echange(std::string &a, std::string &b)
{
    if (&a != &b)
        a.swap(b);
}

} // namespace

void ordonne_deux(std::string &a, std::string &b)
{
    if (evalue(b, 0) < evalue(a, 0))
        echange(a, b);
}

void ordonne_trois(std::string &a, std::string &b, std::string &c,
                   std::string &compagnon_a, std::string &compagnon_b, std::string &compagnon_c)
{
    std::string *textes[] = {&a, &b, &c};
    std::string *compagnons[] = {&compagnon_a, &compagnon_b, &compagnon_c};
    double valeurs[] = {evalue(a, 0), evalue(b, 0), evalue(c, 0)};
    for (int i : {0, 1, 0, 1}) {
        if (valeurs[i + 1] < valeurs[i]) {
            std::swap(valeurs[i], valeurs[i + 1]);
            echange(*textes[i], *textes[i + 1]);
            echange(*compagnons[i], *compagnons[i + 1]);
        }
    }
}
