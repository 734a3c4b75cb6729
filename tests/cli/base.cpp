// Runs the built command-line tool on the operations of the statement model.

#include <sys/wait.h>

#include <cstdio>
#include <string>

#include <gtest/gtest.h>

namespace {

struct Sortie {
    std::string texte;
    int code = -1;
};

std::string entre_apostrophes(const std::string &s)
{
    std::string r = "'";
    for (char c : s)
        r += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return r + "'";
}

Sortie lance(const std::string &commande)
{
    Sortie s;
    FILE *f = popen(commande.c_str(), "r");
    if (!f)
        return s;
    char tampon[4096];
    for (std::size_t n; (n = fread(tampon, 1, sizeof tampon, f)) > 0;)
        s.texte.append(tampon, n);
    const int statut = pclose(f);
    s.code = WIFEXITED(statut) ? WEXITSTATUS(statut) : -1;
    return s;
}

Sortie outil(const std::string &operation, std::initializer_list<std::string> arguments)
{
    std::string commande = entre_apostrophes(VIVEZEZI_CLI) + " " + operation;
    for (const std::string &a : arguments)
        commande += " " + entre_apostrophes(a);
    return lance(commande + " 2>/dev/null");
}

TEST(OutilBase, OneLineResults)
{
    const std::pair<Sortie, std::string> cas[] = {
        {outil("degre", {"x^12+x^3"}), "12\n"},
        {outil("forme_lisible", {"AB..arrow"}), "vecteurAB\n"},
        {outil("groupe_fractions_numeriques", {"1/2*3/4"}), "(1/2)*(3/4)\n"},
        {outil("groupe_denominateurs", {"2*x"}), "false\t2*x\n"},
        {outil("oppose_termes", {"a+b-c"}), "a-b+c\n"},
        {outil("separe_puissance", {"3*x^3"}), "3*x\t3\t3*x*x*x\n"},
        {outil("regroupe", {"a-b+c", "2", "1"}), "a-(b-c)\n"},
        {outil("evalue", {"2*-x", "3"}), "-6\n"},
        {outil("resout", {"2(x-1)(x+3)=0"}), "true\t1\t-3\t\t\n"},   // a factor free of x has no root
        {outil("racine_lineaire", {"7"}), "false\t\n"},
        {outil("intervalle_solutions", {"(x-1)/(x+2)>=0"}), "(domain(x,-inf,-2,12))or(domain(x,1,inf,15))\n"},
        {outil("tableau_signes", {"(x-1)/(x+2)>=0"}),
         "x\t\t-2\t\t1\t@x-1\t-\t\t-\t0\t+@x+2\t-\t0\t+\t\t+@(x-1)/(x+2)\t+\t||\t-\t0\t+\n"},
        {outil("tableau_signes", {"x^2+1<0"}), "false\n"},
        {outil("evalue", {"10^-3", "0"}), "0.001\n"},
        {outil("evalue", {"ecriture", "0"}), "\n"},
        {outil("evalue", {"1/(x-1)", "1"}), "\n"},
        {outil("regroupe", {"1-2-3-4", "2", "1000000"}), "1-2-3-4\n"},   // a run past the end: unchanged
        // A character of several bytes is never cut in two.
        {outil("forme_lisible", {"AÉ..arrow"}), "AvecteurÉ\n"},
        {outil("combine_systeme", {"{x=1@y=2é", "+"}), "x+y=3\n"},
        // Answers are read as the pupil types them, words included.
        {outil("compare_reponse", {"x^2=4", "2*et*-2", "2 ou -2"}), "juste\tLa réponse est juste.\n"},
        {outil("compare_reponse", {"{x+y=3@x-y=1}", "2*et*1", "x=2 et y=1"}), "juste\tLa réponse est juste.\n"},
        {outil("compare_reponse", {"{x+y=3@2x+2y=5}", "aucune solution", "S=∅"}), "juste\tLa réponse est juste.\n"},
    };
    for (const auto &[sortie, attendu] : cas) {
        EXPECT_EQ(sortie.code, 0) << attendu;
        EXPECT_EQ(sortie.texte, attendu);
    }
}

// The rule's identifier, a tab and its explanation; an empty line when no
// rule explains the answer or it is right; a message for an unknown task.
TEST(OutilBase, Diagnostique)
{
    const Sortie nommee = outil("diagnostique", {"(x+3)^2", "x^2+9", "--tache", "developper"});
    EXPECT_TRUE(nommee.texte.starts_with("carre_somme_sans_double_produit\t(a + b)² n'est pas a² + b²")) << nommee.texte;
    EXPECT_TRUE(nommee.texte.ends_with("Pour x = 1 : (1 + 3)² = 16, mais 1² + 3² = 10.\n")) << nommee.texte;
    EXPECT_EQ(outil("diagnostique", {"(x+3)^2", "x^2+6x+9"}).texte, "\n");
    EXPECT_EQ(outil("diagnostique", {"3x=12", "x=5", "--tache", "resoudre"}).texte, "\n");
    EXPECT_TRUE(outil("diagnostique", {"3x=12", "x=9", "--tache", "calculer"}).texte.starts_with("Erreur"));
}

TEST(OutilBase, JsonEscapes)
{
    // A system ("@" is a line break), quotes, backslashes and a byte that is
    // not UTF-8.
    const Sortie s = outil("TDalgebre", {"{x=\"\\\xff\xc3\xa9@y=1}"});
    EXPECT_EQ(s.code, 0);
    EXPECT_NE(s.texte.find("\"texte\":\"x=\\\"\\\\\\u00ff\xc3\xa9\\r\\ny=1\""), std::string::npos)
        << s.texte;
    EXPECT_EQ(s.texte.find('\r'), std::string::npos);
    EXPECT_EQ(s.texte.find('\xff'), std::string::npos);
}

TEST(OutilBase, UsageErrors)
{
    EXPECT_EQ(outil("degre", {}).code, 2);
    EXPECT_EQ(outil("regroupe", {"a+b"}).code, 2);
    // Whole numbers are checked, and so is the length of a text.
    for (const char *n : {"2147483647", "x", "", "1.5", "3 "})
        EXPECT_EQ(outil("regroupe", {"x+1+2+3", n, "1"}).code, 2) << n;
    EXPECT_EQ(outil("degre", {std::string(10001, 'x')}).code, 2);
    EXPECT_EQ(outil("degre", {std::string(10000, 'x')}).code, 0);
    const Sortie s = lance(entre_apostrophes(VIVEZEZI_CLI) + " degre 2>&1 >/dev/null");
    EXPECT_NE(s.texte.find("Utilisation"), std::string::npos);
}

TEST(OutilBase, Batch)
{
    const Sortie s = lance("printf 'x^2\\n\\nx^13+x\\n' | " + entre_apostrophes(VIVEZEZI_CLI) +
                           " --batch degre");
    EXPECT_EQ(s.code, 0);
    EXPECT_EQ(s.texte, "2\n0\n13\n");

    const Sortie r = lance("printf 'a-b+c\\t2\\t1\\na+b+c\\t1\\t1\\n' | " +
                           entre_apostrophes(VIVEZEZI_CLI) + " --batch regroupe");
    EXPECT_EQ(r.texte, "a-(b-c)\n(a+b)+c\n");
}

// A session whose file command failed says so by its exit code.
TEST(OutilBase, SessionEchoueeFinitParUnCodeNonNul)
{
    const std::string cli = entre_apostrophes(VIVEZEZI_CLI);
    EXPECT_EQ(lance("printf 'tape x+1\\nsauve /dossier/absent/x.alg\\netat\\n' | " + cli + " session >/dev/null 2>&1").code,
              1);
    EXPECT_EQ(lance("printf 'charge /dossier/absent/x.alg\\n' | " + cli + " session >/dev/null 2>&1").code, 1);
    EXPECT_EQ(lance("printf 'tape x+1\\netat\\n' | " + cli + " session >/dev/null 2>&1").code, 0);
}

} // namespace

namespace {

// A text typed on the command line, in a batch line or in a session reaches
// the engine as the input box would give it: '3(x-2)' as '3*(x-2)'.
TEST(OutilBase, TypedTextsEnterInLinearForm)
{
    EXPECT_EQ(outil("developpe", {"3(x-2)"}).texte, "true\t3*x-6\n");
    const Sortie lot = lance("printf '3(x-2)\\n' | " + entre_apostrophes(VIVEZEZI_CLI) + " --batch developpe");
    EXPECT_EQ(lot.texte, "true\t3*x-6\n");
    const Sortie session = lance("printf 'tape 3(x-2)=x+4\\npartie 1\\netat\\n' | " +
                                 entre_apostrophes(VIVEZEZI_CLI) + " session 2>/dev/null");
    EXPECT_NE(session.texte.find("Panel5=Développer\t1"), std::string::npos) << session.texte;
}

} // namespace
