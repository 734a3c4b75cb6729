#include "formula/lecteur.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The tree written back with explicit structure: genre names are short tags,
// children in brackets, so that shape and word of every node are checked at once.
std::string forme(const Arbre &a, int i)
{
    const Noeud &n = a[i];
    static const char *noms[] = {"nb",  "let", "vec", "inf", "fn", "pow", "mul", "add",
                                 "sgn", "grp", "rel", "sys", "et", "dom", "or",  "set"};
    std::string t = noms[static_cast<int>(n.genre)];
    if (n.longueur_mot > 0)
        t += ":" + std::string(a.mot(n));
    if (n.nombre_enfants > 0) {
        t += "[";
        for (int k = 0; k < n.nombre_enfants; ++k) {
            if (k > 0)
                t += ",";
            if (n.genre == Genre::produit || n.genre == Genre::somme)
                t += a.operateur(n, k);
            t += forme(a, a.enfant(n, k));
        }
        t += "]";
    }
    return t;
}

std::string lu(std::string_view texte)
{
    const auto a = lis_formule(texte);
    return a ? forme(*a, a->racine) : "refused";
}

TEST(Lecteur, ReglesMathematiquesOrdinaires)
{
    const struct {
        const char *texte;
        const char *arbre;
    } cas[] = {
        {"2x", "mul[ nb:2, let:x]"},
        {"-x^2", "sgn:-[pow[let:x,nb:2]]"},
        {"2^3^2", "pow[nb:2,pow[nb:3,nb:2]]"},
        {"2*-3", "mul[ nb:2,*sgn:-[nb:3]]"},
        {"a-b+c", "add[ let:a,-let:b,+let:c]"},
        {"a/b*c", "mul[ let:a,/let:b,*let:c]"},
        {"2^-1", "pow[nb:2,sgn:-[nb:1]]"},
        {"(x+1)(x-1)", "mul[ grp[add[ let:x,+nb:1]], grp[add[ let:x,-nb:1]]]"},
        {"2sqrt(3)", "mul[ nb:2, fn:sqrt[nb:3]]"},
        {" 0.50 ", "nb:0.50"},
        {"AB..arrow+o..arrow", "add[ vec:AB,+vec:o]"},
        {"x<=1", "rel:<=[let:x,nb:1]"},
        {"x=1*et*x=2", "et[rel:=[let:x,nb:1],rel:=[let:x,nb:2]]"},
        {"{x=1\r\ny=2}", "sys[rel:=[let:x,nb:1],rel:=[let:y,nb:2]]"},
        {"{\r\nx=1\r\ny=2\r\n}", "sys[rel:=[let:x,nb:1],rel:=[let:y,nb:2]]"},
        {"domain(x,-inf,3,12)", "dom:12[let:x,sgn:-[inf:inf],nb:3]"},
        {"(domain(x,1,2,13))or([3])", "or[dom:13[let:x,nb:1,nb:2],set[nb:3]]"},
        {"([])", "or[set]"},
        {"([1;2])", "or[set:;[nb:1,nb:2]]"},
    };
    for (const auto &c : cas)
        EXPECT_EQ(lu(c.texte), c.arbre) << c.texte;
}

TEST(Lecteur, TexteRefuse)
{
    for (const char *t : {"", " ", "2x+", "(x", "x)", "()", "x**2", "*x", "1.2.3", "ab", "foo(x)", "sqrt 2",
                          "AB", "x..arrow", "{x=1", "x=1}", "{x=1y=2}", "x=", "=1", "domain(x,1,2)",
                          "domain(x,1,2,a)", "([1,2;3])", "x@", "\xc3\xa9", "x\r\n1", "2 ^", "x^^2"})
        EXPECT_EQ(lu(t), "refused") << t;
}

TEST(Lecteur, ProfondeurEtLongueurBornees)
{
    const auto imbrique = [](int n) { return std::string(n, '(') + "x" + std::string(n, ')'); };
    EXPECT_NE(lu(imbrique(PROFONDEUR_MAXIMALE - 1)), "refused");
    EXPECT_EQ(lu(imbrique(PROFONDEUR_MAXIMALE + 1)), "refused");
    EXPECT_EQ(lu(imbrique(10000)), "refused");
    EXPECT_EQ(lu(std::string(10000, '-') + "x"), "refused");
    std::string puissances;
    for (int i = 0; i < 10000; ++i)
        puissances += "2^";
    EXPECT_EQ(lu(puissances + "2"), "refused");
    EXPECT_NE(lu(std::string(CHIFFRES_MAXIMUM, '7')), "refused");
    EXPECT_EQ(lu(std::string(CHIFFRES_MAXIMUM + 1, '7')), "refused");
    // Long flat texts are fine: sums and products are read without nesting.
    std::string somme = "x";
    for (int i = 0; i < 30000; ++i)
        somme += "+x";
    const auto a = lis_formule(somme);
    ASSERT_TRUE(a);
    EXPECT_EQ((*a)[a->racine].nombre_enfants, 30001);
}

// Spans are byte offsets into the original text, blanks included.
TEST(Lecteur, PositionsDansLeTexteOriginal)
{
    const std::string texte = "3 * (x + 12)^2";
    const auto a = lis_formule(texte);
    ASSERT_TRUE(a);
    const auto portee = [&](int i) {
        const Noeud &n = (*a)[i];
        return texte.substr(static_cast<std::size_t>(n.debut), static_cast<std::size_t>(n.fin - n.debut));
    };
    const Noeud &racine = (*a)[a->racine];
    EXPECT_EQ(portee(a->racine), texte);
    const int puissance = a->enfant(racine, 1);
    EXPECT_EQ(portee(puissance), "(x + 12)^2");
    const int groupe = a->enfant((*a)[puissance], 0);
    EXPECT_EQ(portee(groupe), "(x + 12)");
    const int somme = a->enfant((*a)[groupe], 0);
    EXPECT_EQ(portee(a->enfant((*a)[somme], 1)), "12");
    EXPECT_EQ(portee(a->enfant((*a)[puissance], 1)), "2");
}

} // namespace
