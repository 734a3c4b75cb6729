// The exercise checker, run as a teacher runs it on small files of his own:
// sound exercises pass, and each kind of fault is named.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "core/encodage.h"

namespace fs = std::filesystem;

namespace {

struct Sortie {
    std::string texte;
    int code = -1;
};

Sortie lance(const std::string &arguments)
{
    Sortie s;
    FILE *f = popen((std::string(VIVEZEZI_CLI) + " " + arguments + " 2>&1").c_str(), "r");
    if (!f)
        return s;
    for (int c = std::fgetc(f); c != EOF; c = std::fgetc(f))
        s.texte += static_cast<char>(c);
    const int statut = pclose(f);
    s.code = WIFEXITED(statut) ? WEXITSTATUS(statut) : -1;
    return s;
}

// An exercise file as the program writes it (CR LF).
std::string fichier(const std::string &enonce, const std::vector<std::string> &variables,
                    const std::string &reponse, int note = 0, const std::string &consigne = "Enonce")
{
    std::string t = consigne + "\r\n" + enonce + "\r\n";
    for (int i = 0; i < 4; ++i)
        t += "fonte:20\r\n";
    for (const std::string &v : variables)
        t += v + "\r\n";
    t += "solution:" + reponse + "\r\ncomment:Bravo\r\nnote:" + std::to_string(note) + "\r\n";
    t += "solution:\r\ncomment:Non\r\nnote:10\r\noptions\r\n";
    for (const char *cle : {"REDUIRE", "FRACTIONS", "RACINES", "KALKUL", "SIMPLIF", "FACTORIZ", "DEVELOPPE"})
        t += std::string(cle) + ":VRAI\r\n";
    t += "finoptions\r\naide\r\nfinaide\r\nens_def\r\n-inf\r\nVRAI\r\ninf\r\nVRAI\r\n\r\nVRAI\r\n\r\nVRAI\r\n"
         "finens_def\r\n";
    return t;
}

// The file with one more anticipated answer before the catch-all one.
std::string avec_prevue(std::string fichier, const std::string &reponse, const std::string &commentaire, int note)
{
    fichier.insert(fichier.find("solution:\r\n"),
                   "solution:" + reponse + "\r\ncomment:" + commentaire + "\r\nnote:" + std::to_string(note) + "\r\n");
    return fichier;
}

// The file with the given panels withheld from the pupil.
std::string retient(const std::string &fichier, const std::vector<std::string> &retenus)
{
    std::string t = fichier + "panneaux\r\n";
    for (const char *nom : {"Panel10", "Panel11", "Panel12", "Panel1", "Panel5", "Panel6", "Panel3", "Panel7",
                            "Panel8", "Panel4", "Panel17", "Panel19"})
        t += std::string(nom) + (std::find(retenus.begin(), retenus.end(), nom) != retenus.end() ? ":FAUX\r\n" : ":VRAI\r\n");
    return t + "finpanneaux\r\n";
}

std::string sans_cr(std::string t)
{
    std::erase(t, '\r');
    return t;
}

class VerifieExercice : public testing::Test {
protected:
    void SetUp() override
    {
        std::random_device hasard;
        dossier_ = fs::temp_directory_path() / ("vivezezi-verifie-test-" + std::to_string(hasard()));
        fs::create_directories(dossier_);
    }
    void TearDown() override { fs::remove_all(dossier_); }

    std::string ecrit(const std::string &nom, const std::string &contenu) const
    {
        std::ofstream(dossier_ / nom, std::ios::binary) << contenu;
        return "'" + (dossier_ / nom).string() + "'";
    }

    fs::path dossier_;
};

TEST_F(VerifieExercice, ChaqueDefautEstNomme)
{
    struct Cas {
        const char *nom;
        std::string contenu;
        std::string attendu;   // part of the problem line; empty for a sound exercise
    };
    const std::vector<Cas> cas = {
        {"equation", retient(fichier("(x-2)*(x+3)=0", {}, "2=-3"), {"Panel5"}), ""},
        {"equation_tiree", retient(fichier("a*x-a=0", {"a:1,2,3,4,,"}, "1"), {"Panel5"}), ""},
        {"inequation", retient(fichier("2*x-4<0", {}, "domain(x,-inf,2,12)"), {"Panel5", "Panel6"}), ""},
        {"inequation_large", retient(fichier("(x-1)*(x+2)<=0", {}, "(domain(x,-2,1,13))"), {"Panel5", "Panel6"}), ""},
        // The sign table writes no step, but marks the set the pupil would only copy.
        {"tableau_de_signes", retient(fichier("(x-1)*(x+2)<=0", {}, "(domain(x,-2,1,13))"), {"Panel5"}),
         "le panneau « Tableau de signes » (Panel6) donne en un clic « (domain(x,-2,1,13)) »"},
        {"systeme", fichier("{x+y=5@x-y=1}", {}, "3=2"), ""},
        {"vecteurs", retient(fichier("AB..arrow+BC..arrow", {}, "AC..arrow"), {"Panel7"}), ""},
        {"expression", retient(fichier("(x+1)^2", {}, "x^2+2*x+1"), {"Panel5"}), ""},
        {"un_clic", fichier("(x-2)*(x+3)=0", {}, "2=-3"), "le panneau « Solution(s) » (Panel5) donne en un clic"},
        {"valeur_fausse", fichier("2*x+1=5", {}, "3"), "x = 3 ne vérifie pas l'équation"},
        {"ensemble_faux", fichier("2*x-4<0", {}, "domain(x,-inf,2,13)"), "l'inéquation est fausse"},
        {"couple_faux", fichier("{x+y=5@x-y=1}", {}, "2=3"), "ne vérifie pas"},
        {"somme_fausse", fichier("AB..arrow+BC..arrow", {}, "CA..arrow"), "n'est pas égal à la somme"},
        {"developpement_faux", fichier("(x+1)^2", {}, "x^2+1"), "au lieu de"},
        {"hors_domaine", fichier("(x-2)/(x+1)=0", {}, "-1"), "n'est pas définie pour x = -1"},
        {"sans_reponse_juste", fichier("x+1=2", {}, "1", 3), "aucune réponse n'a la note 0"},
        {"fins_de_ligne", sans_cr(fichier("2*x=4", {}, "2")), "le fichier change à la ligne 1"},
        {"utf8", depuis_windows_1252(fichier("2*x=4", {}, "2", 0, "\xC9nonc\xE9")), "écrit en UTF-8"},
        {"coupe", "Enonce\r\n2*x=4\r\n", "Ce fichier n'est pas un exercice : le fichier s'arrête à la ligne 2"},
        {"prevue_atteinte", retient(avec_prevue(fichier("(x+1)^2", {}, "x^2+2*x+1"), "x^2+1", "Le double produit ?", 5),
                                    {"Panel5"}),
         ""},
        {"prevue_masquee", avec_prevue(fichier("2*x=4", {}, "2"), "x=2", "Oui, mais...", 1),
         "la réponse prévue n°2 « 2 » (note 1) n'est jamais atteinte : la réponse n°1 « 2 » (note 0) la prend avant"},
        {"fausse_masquee", avec_prevue(avec_prevue(fichier("(x+1)^2", {}, "x^2+2*x+1"), "x^2+1", "Double produit", 5),
                                       "1+x^2", "Carré", 4),
         "la réponse prévue n°3 « 1+x^2 » (note 4) n'est jamais atteinte : la réponse n°2"},
        {"coefficient_nul", retient(fichier("x^2+a*x", {"a:0,,"}, "x^2"), {"Panel5"}),
         "le tirage donne 0 à « a », qui multiplie"},
        {"coefficient_nul_calcule", fichier("[a]*x=4", {"a:0,,"}, "2"), "le tirage donne 0 à « a »"},
        {"racines_egales", fichier("(x-a)*(x-b)=0", {"a:2,,", "b:2,,"}, "2"),
         "la même valeur à « a » et « b », dont l'énoncé prend la différence"},
        {"difference_nulle", fichier("{x+y=[a+b]@x-y=[a-b]}", {"a:3,,", "b:3,,"}, "3=3"), "la même valeur à « a » et « b »"},
        {"racines_opposees", retient(fichier("(x-a)*(x+b)=0", {"a:2,,", "b:2,,"}, "2=-2"), {"Panel5"}), ""},
        {"sans_solution", retient(fichier("x^2=-4", {}, "aucune solution"), {"Panel5"}), ""},
        {"sans_solution_fausse", fichier("x^2-2*x=1", {}, "aucune solution"), "l'équation a une solution entre"},
        {"tous_les_reels_faux", fichier("2*(x+1)=2*x+1", {}, "tout reel"), "ne vérifie pas l'équation"},
        {"systeme_sans_solution", fichier("{x+y=3@2*x+2*y=5}", {}, "aucune solution"), ""},
        {"systeme_infinite", fichier("{x+y=3@2*x+2*y=6}", {}, "une infinit\xE9 de solutions"), ""},
        {"systeme_sans_solution_faux", fichier("{x+y=3@x-y=1}", {}, "aucune solution"), "un seul couple solution"},
        {"systeme_infinite_faux", fichier("{x+y=3@2*x+2*y=5}", {}, "une infinit\xE9 de solutions"), "aucune solution"},
        // Each draw has its own values: the clash shows on the draws where a = 3 only.
        {"tirages_differents", avec_prevue(fichier("x=a", {"a:3,4,,"}, "a"), "3", "Non", 5),
         "la réponse prévue n°2 « 3 » (note 5) n'est jamais atteinte"},
        {"enonce_deja_reponse", retient(fichier("(x^3)^2", {}, "x^6"), {"Panel5", "Panel10"}),
         "l'énoncé tel que l'élève le voit, « x^6 », est déjà accepté à 20/20"},
        {"sans_consigne", fichier("x+1=2", {}, "1").replace(0, 6, ""), "l'exercice n'a pas de consigne"},
    };
    for (const Cas &c : cas) {
        SCOPED_TRACE(c.nom);
        const Sortie s = lance("verifie_exercice " + ecrit(std::string(c.nom) + ".alg", c.contenu));
        if (c.attendu.empty()) {
            EXPECT_EQ(s.code, 0);
            EXPECT_EQ(s.texte, "");
        } else {
            EXPECT_EQ(s.code, 1);
            EXPECT_NE(s.texte.find(c.attendu), std::string::npos) << s.texte;
        }
    }
}

// An anticipated wrong answer whose comment says less than the mistake the
// program names gets a hint, which is no problem.
TEST_F(VerifieExercice, UnCommentaireQuiEnDitMoinsQueLaRegleEstSignale)
{
    auto avec_erreur_prevue = [](const std::string &commentaire) {
        std::string t = fichier("(x+3)^2", {}, "x^2+6*x+9");
        t.insert(t.find("solution:\r\n"), "solution:x^2+9\r\ncomment:" + commentaire + "\r\nnote:5\r\n");
        return retient(t, {"Panel5"});
    };
    const Sortie court = lance("verifie_exercice " + ecrit("court.alg", avec_erreur_prevue("Non.")));
    EXPECT_EQ(court.code, 0);
    EXPECT_NE(court.texte.find("court.alg : conseil : la réponse prévue « x^2+9 » a pour commentaire « Non. »"),
              std::string::npos)
        << court.texte;
    EXPECT_NE(court.texte.find("Carré d'une somme sans le double produit"), std::string::npos) << court.texte;
    const Sortie precis =
        lance("verifie_exercice " + ecrit("precis.alg", avec_erreur_prevue("Il manque le double produit 2*3*x.")));
    EXPECT_EQ(precis.code, 0);
    EXPECT_EQ(precis.texte, "");
}

TEST_F(VerifieExercice, RouteEtFichierAbsent)
{
    const std::string exercice = ecrit("equation.alg", fichier("2*x+1=5", {}, "2"));
    fs::create_directories(dossier_ / "routes");
    std::ofstream(dossier_ / "routes" / "equation.route")
        << "clic Panel11\nargument 1\nclic Panel1\nargument 2\nclic Panel5\n";
    const std::string routes = " --routes '" + (dossier_ / "routes").string() + "'";
    EXPECT_EQ(lance("verifie_exercice " + exercice + routes).code, 0);

    std::ofstream(dossier_ / "routes" / "equation.route") << "clic Panel11\nargument 1\n";
    const Sortie inachevee = lance("verifie_exercice " + exercice + routes);
    EXPECT_EQ(inachevee.code, 1);
    EXPECT_NE(inachevee.texte.find("la route finit sur « 2*x=4 »"), std::string::npos) << inachevee.texte;

    const Sortie absent = lance("verifie_exercice '" + (dossier_ / "absent.alg").string() + "'");
    EXPECT_EQ(absent.code, 1);
    EXPECT_EQ(absent.texte, "absent.alg : Le fichier " + (dossier_ / "absent.alg").string() + " est introuvable.\n");
    EXPECT_EQ(lance("verifie_exercice --tirages 0 " + exercice).code, 2);
}

TEST_F(VerifieExercice, EtatCacheLesReponsesALEleve)
{
    ecrit("tiree.alg", fichier("a*x=a", {"a:3,,"}, "a/a"));
    std::ofstream(dossier_ / "script") << "charge " << (dossier_ / "tiree.alg").string() << "\netat\neleve\netat\n";
    const Sortie s = lance("session < '" + (dossier_ / "script").string() + "'");
    const std::size_t eleve = s.texte.find("mode=eleve");
    ASSERT_NE(eleve, std::string::npos) << s.texte;
    EXPECT_LT(s.texte.find("solution[1]=a/a\tBravo\t0\n"), eleve) << s.texte;
    EXPECT_EQ(s.texte.find("solution[", eleve), std::string::npos) << s.texte;
}

} // namespace
