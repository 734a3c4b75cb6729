// Whole roads through the work window, played by the command-line tool's
// session as the pupil or the teacher would play them.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "formula/normalise.h"
#include "tests/outils/dossiers.h"

namespace fs = std::filesystem;

namespace {

// The key=value lines of every "etat" of a script, one map per "etat".
struct Session {
    std::vector<std::map<std::string, std::string>> etats;
    int code = -1;

    const std::map<std::string, std::string> &dernier() const { return etats.back(); }
    std::string operator()(const std::string &cle) const
    {
        const auto &e = dernier();
        const auto it = e.find(cle);
        return it == e.end() ? std::string("<absent>") : it->second;
    }
};

class Routes : public testing::Test {
protected:
    void SetUp() override { outils::copie_configuration(dossier_); }

    Session joue(const std::string &script) const
    {
        const fs::path entree = dossier_ / "script.txt";
        std::ofstream(entree, std::ios::binary) << script;
        const std::string commande = std::string(VIVEZEZI_CLI) + " session --dossier '" +
                                     dossier_.string() + "' < '" + entree.string() + "' 2>/dev/null";
        Session s;
        FILE *sortie = popen(commande.c_str(), "r");
        if (!sortie)
            return s;
        std::string ligne;
        for (int c = std::fgetc(sortie); c != EOF; c = std::fgetc(sortie)) {
            if (c != '\n') {
                ligne += static_cast<char>(c);
                continue;
            }
            const std::size_t egal = ligne.find('=');
            if (ligne.rfind("etape=", 0) == 0)
                s.etats.emplace_back();
            if (!s.etats.empty() && egal != std::string::npos)
                s.etats.back()[ligne.substr(0, egal)] = ligne.substr(egal + 1);
            ligne.clear();
        }
        const int statut = pclose(sortie);
        s.code = WIFEXITED(statut) ? WEXITSTATUS(statut) : -1;
        return s;
    }

    outils::DossierTemporaire temporaire_{"vivezezi-routes"};
    fs::path dossier_ = temporaire_.chemin();
};

TEST_F(Routes, Expression)
{
    const Session s = joue("tape (x+1)*(x+2)+3*x\n"
                           "partie 1\n"
                           "clic Panel5\n"
                           "clic Panel8\n"
                           "clic Panel7\n"
                           "etat\n");
    ASSERT_EQ(s.code, 0);
    ASSERT_EQ(s.etats.size(), 1u);
    EXPECT_EQ(s("etape"), "2");
    EXPECT_EQ(s("etape[2]"), "x^2+6*x+2\tIl faut ordonner.");
    EXPECT_EQ(s("historique[1]"), "(x+1)*(x+2)+3*x\tExpression de base");
    EXPECT_EQ(s("historique[2]"), " (x+1)*(x+2)\tIl faut sélectionner le premier terme");
    EXPECT_EQ(s("historique[3]"), "x^2+3*x+2\tIl faut développer.");
    EXPECT_EQ(s("historique[4]").substr(s("historique[4]").find('\t')), "\tIl faut substituer.");
    EXPECT_EQ(s("consigne"), "Calculer l'expression ci-dessous.");
}

// A road, the number of "etat" it prints, and values expected in them.
struct Attendu {
    int etat;   // index of the "etat", DERNIER for the last one
    std::string cle;
    std::string valeur;
};
constexpr int DERNIER = -1;

struct Route {
    const char *nom;
    std::string script;
    std::size_t etats;
    std::vector<Attendu> attendus;
};

TEST_F(Routes, CheminsDeResolution)
{
    const std::vector<Route> routes = {
        {"equation",
         "tape 2*(x+1)=4\npartie 1\nclic Panel5\nclic Panel8\netat\n"
         "clic Panel11\nargument 2\nclic Panel1\nargument 2\nclic Panel5\netat\n",
         2,
         {{0, "etape", "1"},
          {0, "etape[1]", "2*x+2=4\tIl faut substituer."},
          {DERNIER, "etape[2]", "2*x=2\tIl faut soustraire [2] aux deux membres."},
          {DERNIER, "etape[3]", "x=1\tIl faut diviser les deux membres par [2]."},
          {DERNIER, "etape[4]", "1\tLa solution est : "},
          {DERNIER, "derniere_expression", "1"},
          {DERNIER, "nombre_historique", "7"}}},
        {"inequation et son intervalle",
         "tape x^2-1>=0\npartie 1\nclic Panel6\nclic Panel8\netat\nclic Panel5\netat\n"
         "tape 2*x-4<0\nclic Panel10\nargument 4\nclic Panel1\nargument 2\nclic Panel5\netat\n",
         3,
         {{0, "etape[1]", "(x+1)*(x-1)>=0\tIl faut substituer."},
          {0, "Panel6", "Tableau de signes\t1"},
          {1, "etape[2]",
           "(domain(x,-inf,-1,14))or(domain(x,1,inf,15))\tIl faut demander l'intervalle des solutions."},
          {DERNIER, "etape[3]", "x<2\tIl faut diviser les deux membres par [2]."},
          {DERNIER, "etape[4]", "domain(x,-inf,2,12)\tIl faut demander l'intervalle des solutions."}}},
        {"systeme par substitution",
         "tape {x+y=3@x-y=1}\netat\npartie 1\nclic Panel11\nargument x\netat\n"
         "clic Panel4\npartie 2\nclic Panel10\nargument 3\nclic Panel1\nargument 2\nclic Panel8\n"
         "partie 1\nclic Panel11\nargument 2\nclic Panel5\netat\n",
         3,
         {{0, "nature_expression", "6"},
          {0, "Panel10", "Add. membre à membre...\t1"},
          {1, "etape[3]", "y=-x+3\tIl faut soustraire [x] aux deux membres."},
          {1, "Panel4", "Remplacer y dans (II)\t1"},
          {DERNIER, "etape[1]", "{y+2=3@2*x-3=1}\tIl faut Remplacer x dans (I)"},
          {DERNIER, "etape[3]", "y=1\tIl faut soustraire [2] aux deux membres."},
          {DERNIER, "etape[4]", "2*et*1\tLa solution du système est le couple (2 ; 1)."}}},
        {"vecteurs avec Chasles",
         "tape AB..arrow+BC..arrow-AC..arrow\nclic Panel7\nclic Panel7\nclic Panel7\netat\n",
         1,
         {{DERNIER, "etape[2]", "AB..arrow+BC..arrow+CA..arrow\tIl faut transformer les signes \"-\" en \"+\"."},
          {DERNIER, "etape[3]", "AC..arrow+CA..arrow\tIl faut réduire avec la propriété de Chasles."},
          {DERNIER, "etape[4]", "o..arrow\tIl faut réduire avec la propriété de Chasles."}}},
        {"effacer puis un autre chemin",
         "tape 2*x+1=5\nclic Panel11\nargument 1\nefface\netat\nclic Panel10\nargument -1\netat\n",
         2,
         {{0, "etape", "1"},
          {0, "nombre_historique", "0"},
          {DERNIER, "etape[2]", "2*x=4\tIl faut additionner [-1] aux deux membres."},
          {DERNIER, "nombre_historique", "2"}}},
        {"trinome factorise par le discriminant puis solutions tapees par l'eleve",
         "tape x^2+3x+2=0\npartie 1\nclic Panel6\nclic Panel8\nclic Panel5\netat\nfin\neleve\n"
         "reponse\ntouches -1\nmodele et\ntouches -2\nvalide\netat\n",
         2,
         {{0, "historique[3]", "(x+2)*(x+1)\tIl faut factoriser (trinôme : Δ = 1)."},
          {0, "etape[1]", "(x+2)*(x+1)=0\tIl faut substituer."},
          {0, "etape[2]", "-2*et*-1\tLes deux solutions sont : "},
          {DERNIER, "commentaire_final", "Bravo, la réponse est juste !"},
          {DERNIER, "note", "20"}}},
    };
    for (const Route &r : routes) {
        SCOPED_TRACE(r.nom);
        const Session s = joue(r.script);
        ASSERT_EQ(s.etats.size(), r.etats);
        for (const Attendu &a : r.attendus) {
            if (a.etat == DERNIER)
                EXPECT_EQ(s(a.cle), a.valeur) << a.cle;
            else
                EXPECT_EQ(s.etats[static_cast<std::size_t>(a.etat)].at(a.cle), a.valeur) << a.cle;
        }
    }
}

TEST_F(Routes, UneEtapeSEcritCommeLEcritUnProfesseur)
{
    // The step each road ends on: a part put back without its list blank and
    // with brackets only where they are needed, a quotient developed in its
    // numerator, a product factored without bracketed factors.
    const std::pair<const char *, const char *> cas[] = {
        {"tape (2*(x+1)+3*x)/(x*(x+1))\npartie 1\npartie 1\nclic Panel5\nclic Panel8\nclic Panel7\nclic Panel8\n",
         "(5*x+2)/(x*(x+1))"},
        {"tape x-(x+1)*(x+2)\npartie 2\nclic Panel5\nclic Panel8\n", "x-(x^2+3*x+2)"},
        {"tape (2*x+3)^2\npartie 1\nclic Panel8\n", "(2*x+3)^2"},
        {"tape (x+1)*(x+2)/(x-3)\nclic Panel5\n", "(x^2+3*x+2)/(x-3)"},
        {"tape (x+1)/(x-2)*(x+3)\nclic Panel5\n", "(x^2+4*x+3)/(x-2)"},
        {"tape 3x^2+6x\nclic Panel6\n", "3*x*(x+2)"},
    };
    for (const auto &[script, attendue] : cas) {
        const Session s = joue(std::string(script) + "etat\n");
        ASSERT_EQ(s.etats.size(), 1u) << script;
        EXPECT_EQ(s("derniere_expression"), attendue) << script;
    }
}

TEST_F(Routes, CommandeInconnue)
{
    const Session s = joue("tape x+1\nvole\netat\n");
    EXPECT_EQ(s.code, 2);
    EXPECT_TRUE(s.etats.empty());
    EXPECT_EQ(joue("clic Panel99\n").code, 2);
    EXPECT_EQ(joue("partie deux\n").code, 2);
    EXPECT_EQ(joue("boite 7\n").code, 2);
}

TEST_F(Routes, Eleve)
{
    // The teacher works the statement, ends it and switches to pupil mode;
    // the pupil makes the same road and answers.
    const Session s = joue("tape 2*(x+1)=4\n"
                           "partie 1\nclic Panel5\nclic Panel8\n"
                           "clic Panel11\nargument 2\nclic Panel1\nargument 2\nclic Panel5\n"
                           "fin\n"
                           "eleve\n"
                           "etat\n"
                           "partie 1\nclic Panel5\nclic Panel8\n"
                           "clic Panel11\nargument 2\nclic Panel1\nargument 2\nclic Panel5\n"
                           "reponse 1\n"
                           "etat\n"
                           "eleve\n"
                           "motdepasse \n"
                           "etat\n");
    ASSERT_EQ(s.etats.size(), 3u);
    EXPECT_EQ(s.etats[0].at("etape[1]").substr(0, 10), "2*(x+1)=4\t");
    EXPECT_EQ(s.etats[0].at("nombre_historique"), "0");
    EXPECT_EQ(s.etats[1].at("consigne"), "Résoudre l'équation ci-dessous.");
    EXPECT_EQ(s.etats[1].at("commentaire_final"), "Bravo, la réponse est juste !");
    EXPECT_EQ(s.etats[1].at("note"), "20");
    EXPECT_EQ(s.etats[1].at("felicitations"), "REUSSI EN 7 ETAPES");
    // Back in teacher mode with the (empty) password, the teacher's statement is there again.
    EXPECT_EQ(s("etape"), "1");
    EXPECT_EQ(s("etape[1]").substr(0, 10), "2*(x+1)=4\t");
}

TEST_F(Routes, Professeur)
{
    const Session s = joue("tape 2*x+1=5\n"
                           "clic Panel11\nargument 1\nclic Panel1\nargument 2\nclic Panel5\n"
                           "fin\n"
                           "enonce Résoudre l'équation.\n"
                           "sauve exercice.alg\n"
                           "recommence\n"
                           "charge exercice.alg\n"
                           "etat\n"
                           "graine 7\n"
                           "eleve\n"
                           "reponse 3\n"
                           "etat\n"
                           "reponse 2\n"
                           "etat\n");
    ASSERT_EQ(s.etats.size(), 3u);
    EXPECT_TRUE(fs::exists(dossier_ / "exercice.alg"));
    EXPECT_EQ(s.etats[0].at("consigne"), "Résoudre l'équation.");
    EXPECT_EQ(s.etats[0].at("etape[1]"), "2*x+1=5\t");
    EXPECT_EQ(s.etats[1].at("commentaire_final"), "Ce n'est pas la bonne réponse.");
    EXPECT_EQ(s.etats[1].at("note"), "10");
    EXPECT_EQ(s("commentaire_final"), "Bravo, la réponse est juste !");
    EXPECT_EQ(s("note"), "10");
    EXPECT_EQ(s("felicitations"), "");
}

} // namespace

namespace {

TEST_F(Routes, ProfesseurAvecValeursAuHasard)
{
    // The teacher's statement holds a letter: the pupil gets it replaced by a
    // value drawn from 1 to 8, the same for the same seed.
    const std::string travail_du_professeur = "tape a*x+1=5\n"
                                              "clic Panel11\nargument 1\n"
                                              "clic Panel1\nargument a\n"
                                              "clic Panel5\n"
                                              "fin\n"
                                              "graine 11\n"
                                              "eleve\n"
                                              "etat\n";
    const Session premier = joue(travail_du_professeur);
    ASSERT_EQ(premier.etats.size(), 1u);
    const std::string enonce = premier("etape[1]").substr(0, premier("etape[1]").find('\t'));
    ASSERT_EQ(enonce.find('a'), std::string::npos) << enonce;
    const std::size_t x = enonce.find('x');
    ASSERT_NE(x, std::string::npos) << enonce;
    const std::string coefficient = x == 0 ? "1" : enonce.substr(0, enonce.find('*'));
    const int a = std::stoi(coefficient);
    EXPECT_GE(a, 1);
    EXPECT_LE(a, 8);

    // The answer in its simplest form, as the pupil must give it.
    const std::string reponse = normalise("4/" + coefficient);
    const Session s = joue(travail_du_professeur + "aide 1\nreponse " + reponse + "\netat\n");
    ASSERT_EQ(s.etats.size(), 2u);
    EXPECT_EQ(s.etats[0].at("etape[1]"), premier("etape[1]"));
    EXPECT_EQ(s("commentaire_final"), "Bravo, la réponse est juste !");
    EXPECT_EQ(s("note"), "18");
    EXPECT_EQ(s("felicitations"), "REUSSI DIRECTEMENT,@ TRES BIEN !");
}

} // namespace

namespace {

// The teacher's statement worked to its answer, then the pupil's turn.
std::string exercice_du_professeur(const std::string &travail)
{
    return travail + "fin\neleve\n";
}

TEST_F(Routes, ChaqueMembreEtChaqueValeurDeLaReponseEstSimplifiee)
{
    // Typed through the answer window's keys and template buttons, or given whole.
    const struct {
        std::string travail, reponse, commentaire;
    } cas[] = {
        {"tape 2*x=2\nclic Panel1\nargument 2\n", "reponse x=1\n", "Bravo, la réponse est juste !"},
        {"tape 2*x=2\nclic Panel1\nargument 2\n", "reponse x=2-1\n", "Peut encore être simplifiée"},
        {"tape 2*x=2\nclic Panel1\nargument 2\n", "reponse\ntouches x=4/4\nvalide\n", "Peut encore être simplifiée"},
        {"tape 2*x<=4\nclic Panel1\nargument 2\n", "reponse x<=4/2\n", "Peut encore être simplifiée"},
        {"tape 2*x<=4\nclic Panel1\nargument 2\n", "reponse\ntouches x<=2\nvalide\n", "Bravo, la réponse est juste !"},
        {"tape (x-1)*(x-2)=0\nclic Panel5\n", "reponse\ntouches 1\nmodele et\ntouches 2\nvalide\n",
         "Bravo, la réponse est juste !"},
        {"tape (x-1)*(x-2)=0\nclic Panel5\n", "reponse\ntouches 1\nmodele et\ntouches 4/2\nvalide\n",
         "Peut encore être simplifiée"},
        {"tape (x-1)*(x-2)=0\nclic Panel5\n", "reponse\ntouches 2+3\nvalide\n", "Ce n'est pas la bonne réponse."},
        {"tape (x-1)*(x-2)=0\nclic Panel5\n", "reponse\nvide\ntouches 2\nmodele et\ntouches 3-2\nvalide\n",
         "Peut encore être simplifiée"},
    };
    for (const auto &c : cas) {
        const Session s = joue(exercice_du_professeur(c.travail) + c.reponse + "etat\n");
        ASSERT_EQ(s.etats.size(), 1u) << c.reponse;
        EXPECT_EQ(s("commentaire_final"), c.commentaire) << c.travail << c.reponse;
    }
}

TEST_F(Routes, LaReponseSeLitCommeLEleveLEcrit)
{
    // Keys a pupil presses in the answer window ("@" is Enter), on the bank's
    // exercises and on steps of his own.
    const std::string equation_01 = "charge " + std::string(VIVEZEZI_DONNEES) +
                                    "/exercices/equation_01.alg\ngraine 1\neleve\n"
                                    "clic Panel11\nargument 2*x\nclic Panel11\nargument 5\n";
    const std::string racines = "charge " + std::string(VIVEZEZI_DONNEES) + "/exercices/racines_02.alg\neleve\n";
    const struct {
        std::string travail, reponse, commentaire, note;
    } cas[] = {
        {equation_01, "reponse\ntouches @\n", "Bravo, la réponse est juste !", "20"},
        {equation_01, "reponse\nvide\ntouches S={-12}@\n", "Bravo, la réponse est juste !", "20"},
        {equation_01, "reponse\nvide\ntouches x=-2@\n", "Attention", "15"},
        {racines, "reponse\ntouches 5*sqrt(3)@\n", "Bravo, la réponse est juste !", "20"},
        {racines, "reponse\ntouches 5sqrt(3)@\n", "Bravo, la réponse est juste !", "20"},
        {racines, "reponse\ntouches 5\nmodele racine\ntouches 3@\n", "Bravo, la réponse est juste !", "20"},
        {"tape 2*x<=4\nclic Panel1\nargument 2\nfin\neleve\n", "reponse\nvide\ntouches ]-inf;2]@\n",
         "Bravo, la réponse est juste !", "20"},
        {"tape 2*x<=4\nclic Panel1\nargument 2\nfin\neleve\n", "reponse\nintervalle ];]\ntouches -inf;2@\n",
         "Bravo, la réponse est juste !", "20"},
        {"tape (x-1)*(x+2)>0\nclic Panel5\nfin\neleve\n",
         "reponse\nintervalle ];[\ntouches -inf;-2[\nintervalle ];[\ntouches 1;inf[@\n", "Bravo, la réponse est juste !",
         "20"},
        {"tape (x-1)*(x-2)=0\nclic Panel5\nfin\neleve\n", "reponse\nvide\ntouches x=2 ou x=1@\n",
         "Bravo, la réponse est juste !", "20"},
        {"tape 2*x=6\n", "eleve\nreponse\nvide\ntouches x=3@\n", "La réponse est juste.", ""},
        // The answer buttons "∅", "ℝ", "ou" and the bar's "∞".
        {"tape x^2=-4\nclic Panel5\nfin\neleve\nclic Panel5\n", "reponse\nintervalle vide\ntouches @\n",
         "Bravo, la réponse est juste !", "20"},
        {"tape x^2+1>0\nclic Panel5\nfin\neleve\nclic Panel5\n", "reponse\nintervalle reels\ntouches @\n",
         "Bravo, la réponse est juste !", "20"},
        {"tape (x-1)*(x-2)=0\nclic Panel5\nfin\neleve\n", "reponse\ntouches x=2\nintervalle ou\ntouches x=1@\n",
         "Bravo, la réponse est juste !", "20"},
        {"tape 2*x<=4\nclic Panel1\nargument 2\nfin\neleve\n",
         "reponse\nintervalle ];]\ntouches -\nintervalle infini\ntouches ;2@\n", "Bravo, la réponse est juste !", "20"},
    };
    for (const auto &c : cas) {
        const Session s = joue(c.travail + c.reponse + "etat\n");
        ASSERT_FALSE(s.etats.empty()) << c.reponse;
        EXPECT_EQ(s("commentaire_final").rfind(c.commentaire, 0), 0u) << c.reponse << s("commentaire_final");
        if (!c.note.empty())
            EXPECT_EQ(s("note"), c.note) << c.reponse;
    }
}

TEST_F(Routes, LaNoteResteEntre0Et20QuoiQueDiseLeFichier)
{
    // Notes the grid cannot give, written into the file: a help that would
    // give points back, an answer that would too, a penalty beyond 20.
    const struct {
        std::string ancienne, nouvelle, reponses;
        int note;
    } cas[] = {
        {"note:2\r\nSolution", "note:-5\r\nSolution", "aide 1\nreponse 1\n", 20},
        {"note:10\r\n", "note:-5\r\n", "reponse 7\nreponse 1\n", 20},
        {"note:10\r\n", "note:99\r\n", "reponse 7\nreponse 1\n", 0},
    };
    for (const auto &c : cas) {
        joue("tape 2*x=2\nclic Panel1\nargument 2\nclic Panel5\nfin\nsauve ex.alg\n");
        std::string fichier;
        {
            std::ifstream f(dossier_ / "ex.alg", std::ios::binary);
            fichier.assign(std::istreambuf_iterator<char>(f), {});
        }
        const std::size_t p = fichier.find(c.ancienne);
        ASSERT_NE(p, std::string::npos) << fichier;
        fichier.replace(p, c.ancienne.size(), c.nouvelle);
        std::ofstream(dossier_ / "ex.alg", std::ios::binary) << fichier;
        const Session s = joue("charge ex.alg\neleve\n" + c.reponses + "etat\n");
        EXPECT_EQ(s("note"), std::to_string(c.note)) << c.nouvelle;
    }
}

TEST_F(Routes, UnEnonceTapeCommenceUnAutreTravail)
{
    const Session s = joue("tape 2*x+1=5\nclic Panel11\nargument 1\n"
                           "tape 3*x-3=6\nclic Panel10\nargument 3\nclic Panel1\nargument 3\nclic Panel5\n"
                           "etat\nfin\netat\n");
    ASSERT_EQ(s.etats.size(), 2u);
    EXPECT_EQ(s.etats[0].at("historique[1]"), "3*x-3=6\tExpression de base");
    EXPECT_EQ(s.etats[0].at("nombre_historique"), "4");
    EXPECT_EQ(s("etape[1]"), "3*x-3=6\t");
}

TEST_F(Routes, UneListeDeSolutionsNOffreAucuneTransformation)
{
    const Session s = joue("tape (x-1)*(x+2)=0\nclic Panel5\nclic Panel10\nclic Panel5\netat\n");
    EXPECT_EQ(s("etape"), "2");
    EXPECT_EQ(s("etape[2]"), "1*et*-2\tLes deux solutions sont : ");
    for (const char *panneau : {"Panel10", "Panel5", "Panel6", "Panel17", "Panel19"})
        EXPECT_EQ(s(panneau), "\t0") << panneau;
}

TEST_F(Routes, CommandesDeLaFenetreDeReponse)
{
    // The window stays open between the commands; without one, the keys are refused.
    EXPECT_EQ(joue("touches 1\n").code, 2);
    EXPECT_EQ(joue("tape 2*x=2\nfin\neleve\nreponse\nmodele racines\n").code, 2);
    const Session s = joue("tape x^2=4\nclic Panel1\nargument 1\nfin\neleve\n"
                           "reponse\ntouches 3\nmodele puissance\ntouches 2\nannule\n"
                           "reponse\ntouches x\nmodele puissance\ntouches 2=4@\netat\n");
    EXPECT_EQ(s.code, 0);
    EXPECT_EQ(s("commentaire_final"), "Bravo, la réponse est juste !");
}

} // namespace

namespace {

// The teacher's exercise 2*x=6, saved, then opened by a pupil as the program
// opens a file given to it.
class RoutesEleve : public Routes {
protected:
    void SetUp() override
    {
        Routes::SetUp();
        ASSERT_EQ(joue("tape 2*x=6\nclic Panel1\nargument 2\nclic Panel5\nfin\nsauve ex.alg\n").code, 0);
    }
    Session eleve(const std::string &script) const { return joue("ouvre ex.alg\n" + script); }
};

TEST_F(RoutesEleve, NiLesReponsesNiLeModeProfSansLeMotDePasse)
{
    const Session s = eleve("etat\neleve\netat\nmotdepasse faux\netat\nmotdepasse\n"
                            "clic Panel1\nargument 2\naide 1\nreponse 4\nreponse 3\netat\n");
    ASSERT_EQ(s.code, 0);
    ASSERT_EQ(s.etats.size(), 4u);
    for (const auto &etat : s.etats) {
        EXPECT_EQ(etat.at("mode"), "eleve");
        EXPECT_EQ(etat.at("boutons"), "REPONSE,SAUVER,FIN,PROF");
        for (const auto &[cle, valeur] : etat)
            EXPECT_NE(cle.rfind("solution[", 0), 0u) << cle << "=" << valeur;
    }
    EXPECT_EQ(s.etats[1].at("mot_de_passe"), "");
    EXPECT_EQ(s.etats[2].at("mot_de_passe"), "Mot de passe incorrect.");
    EXPECT_EQ(s("mot_de_passe"), "<absent>");
    // The result lists what was taken off, under a mark that says it.
    EXPECT_EQ(s("commentaire_final"), "Bravo, la réponse est juste !");
    EXPECT_EQ(s("note"), "8");
    EXPECT_EQ(s("retenues"), "Aide 1 : −2,Réponse 4 : −10");

    // The password window takes nothing but the password; the teacher's
    // commands are refused to the pupil; the right password opens teacher mode.
    for (const char *script : {"eleve\nclic Panel1\n", "eleve\nreponse 3\n", "enonce Autre\n", "panneaux tous\n"})
        EXPECT_EQ(eleve(script).code, 2) << script;
    const Session prof = eleve("eleve\nmotdepasse \netat\n");
    EXPECT_EQ(prof("mode"), "prof");
    EXPECT_EQ(prof("boutons"), "ENONCE,SAUVER,FIN,AIDES,REPONSES,VALEURS,ELEVE");
    EXPECT_NE(prof("solution[1]"), "<absent>");
}

TEST_F(RoutesEleve, FinGardeLeTravailEtUnEnonceTapeNEstPasNoteParLExercice)
{
    const Session s = eleve("clic Panel1\nargument 2\nfin\netat\nnon\netat\nfin\noui\netat\n"
                            "tape x+1=0\nreponse 3\netat\nfin\noui\nreponse 3\netat\n");
    ASSERT_EQ(s.code, 0);
    ASSERT_EQ(s.etats.size(), 5u);
    EXPECT_EQ(s.etats[0].at("question"), "Voulez-vous recommencer l'exercice ?");
    EXPECT_EQ(s.etats[0].at("etape"), "2");
    EXPECT_EQ(s.etats[1].at("etape"), "2");
    EXPECT_EQ(s.etats[1].count("question"), 0u);
    EXPECT_EQ(s.etats[2].at("etape"), "1");
    EXPECT_EQ(s.etats[2].at("etape[1]"), "2*x=6\t");
    EXPECT_EQ(s.etats[3].at("commentaire_final"),
              "La réponse est fausse. Cet énoncé n'est pas celui de l'exercice : la réponse n'est pas notée.");
    EXPECT_EQ(s.etats[3].at("note"), "20");
    EXPECT_EQ(s("commentaire_final"), "Bravo, la réponse est juste !");
    EXPECT_EQ(s("note"), "20");
}

TEST_F(RoutesEleve, UnPanneauRetenuNEstJamaisOffertALEleve)
{
    ASSERT_EQ(joue("charge ex.alg\npanneaux Panel10 Panel11 Panel12 Panel1\nsauve ex.alg\n").code, 0);
    const Session s = eleve("etat\nclic Panel5\nclic Panel1\nargument 2\netat\n");
    ASSERT_EQ(s.etats.size(), 2u);
    for (const auto &etat : s.etats) {
        EXPECT_EQ(etat.at("Panel5"), "\t0");
        EXPECT_EQ(etat.at("Panel1"), "Div. deux membres par...\t1");
    }
    EXPECT_EQ(s("etape"), "2");
    // The teacher keeps them all.
    EXPECT_EQ(joue("charge ex.alg\nclic Panel1\nargument 2\netat\n")("Panel5"), "Solution(s)\t1");
}

// The text of a PDF file, pages separated by form feeds.
std::string texte_pdf(const fs::path &pdf)
{
    FILE *sortie = popen(("pdftotext -layout '" + pdf.string() + "' -").c_str(), "r");
    std::string texte;
    if (!sortie)
        return texte;
    for (int c = std::fgetc(sortie); c != EOF; c = std::fgetc(sortie))
        texte += static_cast<char>(c);
    pclose(sortie);
    return texte;
}

TEST_F(RoutesEleve, LaCopieDeLEleveEnPdf)
{
    const Session s = eleve("clic Panel1\nargument 2\naide 1\nreponse 4\nreponse 3\ncopie copie.pdf\netat\n");
    ASSERT_EQ(s.code, 0);
    const std::string texte = texte_pdf(dossier_ / "copie.pdf");
    for (const char *attendu : {"Exercice : ex", "2*x=6", "Etape 2 : Il faut diviser les deux membres par [2].",
                                "x=3", "AIDES LUES", "(-2)", "Réponse : 4", "Ce n'est pas la bonne réponse. (-10)",
                                "Réponse : 3", "NOTE : 8/20", "Date : "})
        EXPECT_NE(texte.find(attendu), std::string::npos) << attendu << "\n" << texte;
}

// A long work goes on as many pages as it needs, every step on one of them.
TEST_F(Routes, UneLongueCopieSurPlusieursPages)
{
    std::string script = "tape x=1\n";
    for (int i = 0; i < 18; ++i)
        script += "clic Panel10\nargument 1\n";
    ASSERT_EQ(joue(script + "copie longue.pdf\netat\n")("etape"), "19");
    const std::string texte = texte_pdf(dossier_ / "longue.pdf");
    for (int i = 2; i <= 19; ++i)
        EXPECT_NE(texte.find("Etape " + std::to_string(i) + " : Il faut additionner"), std::string::npos) << i;
    EXPECT_NE(texte.find('\f'), texte.rfind('\f')) << texte;   // two pages at least
    EXPECT_NE(texte.find("NOTE : non notée"), std::string::npos);   // no exercise, no mark
}

} // namespace
