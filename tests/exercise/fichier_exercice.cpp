#include "exercise/fichier_exercice.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>

#include "core/encodage.h"
#include "core/partage.h"
#include "formula/normalise.h"

namespace fs = std::filesystem;

namespace {

class FichierExercice : public ::testing::Test {
protected:
    fs::path dossier = fs::temp_directory_path() /
                       ("vivezezi-exercice-" + std::to_string(std::random_device{}()));
    fs::path f = dossier / "exercice.alg";

    void SetUp() override
    {
        remet_a_zero_complet();
        fs::create_directories(dossier);
    }
    void TearDown() override { fs::remove_all(dossier); }
    void ecrit(const std::string &octets) const { std::ofstream(f, std::ios::binary) << octets; }
    std::string contenu() const
    {
        std::ifstream l(f, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(l), {});
    }
    Exercice lu() const
    {
        Exercice e;
        EXPECT_EQ(lire_exercice(f, e), LectureExercice::reussie);
        return e;
    }
};

// Every field used; FRACTIONS off so that the starting expression comes back as written.
Exercice exercice_complet()
{
    Exercice e;
    e.consigne = "Résoudre le système · ²";
    e.expression_fichier = "{\r\na*x+y=2\r\nx-y=b\r\n}";
    e.expression_base = "{a*x+y=2\r\nx-y=b}";
    e.tailles = {20, 24, 18, 20, 30};
    e.lignes_parametres[1] = "a:1,2,3,,";
    e.lignes_parametres[2] = "b:5,-7,";
    e.solutions.emplace_back("x*et*1*et*y*et*2", "3", "Presque");
    e.solutions.emplace_back("", "10", "Ce n'est pas la bonne réponse.");
    e.options = {true, false, true, false, false, true, true};
    e.aides = {{"AIDE 1", "Substituer (2 fois).", 2}, {"Solution ", "La solution est :[x=1]", 4}};
    e.liste_aides = e.aides_a_imprimer = true;
    e.domaine = {"-3", "inf", "[a]", "12", false, true, true, false};
    return e;
}

const std::string FICHIER_COMPLET =
    "R\xE9soudre le syst\xE8me \xB7 \xB2\r\n{a*x+y=2@x-y=b}\r\nfonte:24\r\nfonte:18\r\nfonte:20\r\nfonte:30\r\n"
    "a:1,2,3,,\r\nb:5,-7,\r\nsolution:x=1=y=2\r\ncomment:Presque\r\nnote:3\r\n"
    "solution:\r\ncomment:Ce n'est pas la bonne r\xE9ponse.\r\nnote:10\r\n"
    "options\r\nREDUIRE:VRAI\r\nFRACTIONS:FAUX\r\nRACINES:VRAI\r\nKALKUL:FAUX\r\n"
    "SIMPLIF:FAUX\r\nFACTORIZ:VRAI\r\nDEVELOPPE:VRAI\r\nfinoptions\r\n"
    "aide\r\nAIDE 1:Substituer (2 fois).\r\nnote:2\r\nSolution :La solution est :[x=1]\r\nnote:4\r\nfinaide\r\n"
    "ens_def\r\n-3\r\nFAUX\r\ninf\r\nVRAI\r\n[a]\r\nVRAI\r\n12\r\nFAUX\r\nfinens_def\r\n";

// Two exercises are the same as far as the file goes.
std::string resume(const Exercice &e)
{
    std::string r = e.consigne + "|" + e.expression_base + "|";
    for (std::size_t i = 1; i <= 4; ++i)
        r += std::to_string(e.tailles[i]) + ",";
    for (const std::string &l : e.lignes_parametres)
        r += l + ";";
    for (const TDsolu &s : e.solutions)
        r += s.solution + "/" + s.commentaire + "/" + std::to_string(s.penalite) + ";";
    for (bool o : e.options)
        r += o ? 'V' : 'F';
    for (const Aide &a : e.aides)
        r += a.titre + "/" + a.texte + "/" + std::to_string(a.penalite) + ";";
    const DomaineDefinition &d = e.domaine;
    return r + (e.liste_aides ? "L" : "") + (e.aides_a_imprimer ? "I" : "") + d.borne_inf_1 + d.borne_sup_1 +
           d.borne_inf_2 + d.borne_sup_2 + std::to_string(d.crochet_1a) + std::to_string(d.crochet_1b) +
           std::to_string(d.crochet_2a) + std::to_string(d.crochet_2b);
}

TEST_F(FichierExercice, AllerRetourDeChaqueChamp)
{
    ASSERT_TRUE(sauver_exercice(f, exercice_complet()));
    EXPECT_EQ(contenu(), FICHIER_COMPLET);   // Windows-1252, CR LF, "=" on disk
    const Exercice e = lu();
    EXPECT_EQ(resume(e), resume(exercice_complet()));
    EXPECT_EQ(e.expression_fichier, "{a*x+y=2@x-y=b}");   // the saved copy keeps the "@"
    ASSERT_TRUE(sauver_exercice(f, e));
    EXPECT_EQ(contenu(), FICHIER_COMPLET);

    // A third interval is written after the eight lines, and read back.
    Exercice trois = exercice_complet();
    trois.domaine.suivants = {{"[a]", "inf", false, true}};
    trois.panneaux[4] = false;
    ASSERT_TRUE(sauver_exercice(f, trois));
    EXPECT_NE(contenu().find("12\r\nFAUX\r\n[a]\r\nFAUX\r\ninf\r\nVRAI\r\nfinens_def\r\npanneaux\r\n"), std::string::npos);
    EXPECT_EQ(lu().domaine.suivants, trois.domaine.suivants);
    EXPECT_FALSE(lu().panneaux[4]);

    installe_exercice(e);
    EXPECT_EQ(partage.aides[2], "La solution est :[x=1]");
    EXPECT_EQ(partage.penalites_aides[2], 4);
    EXPECT_FALSE(partage.option_kalkul);
    EXPECT_EQ(resume(exercice_en_cours({"AIDE 1", "Solution "}, e.tailles)), resume(e));
}

// The panels the pupil may use: a block after the domain, written only when
// one is withheld, so that older readers stopping at "finens_def" and files
// without it are untouched.
TEST_F(FichierExercice, PanneauxPermisALEleve)
{
    Exercice e = exercice_complet();
    ASSERT_TRUE(sauver_exercice(f, e));
    EXPECT_EQ(contenu(), FICHIER_COMPLET);
    EXPECT_EQ(lu().panneaux, TOUS_PERMIS);

    e.panneaux[4] = e.panneaux[11] = false;   // Panel5 and Panel19
    ASSERT_TRUE(sauver_exercice(f, e));
    const std::string bloc = "panneaux\r\nPanel10:VRAI\r\nPanel11:VRAI\r\nPanel12:VRAI\r\nPanel1:VRAI\r\n"
                             "Panel5:FAUX\r\nPanel6:VRAI\r\nPanel3:VRAI\r\nPanel7:VRAI\r\nPanel8:VRAI\r\n"
                             "Panel4:VRAI\r\nPanel17:VRAI\r\nPanel19:FAUX\r\nfinpanneaux\r\n";
    EXPECT_EQ(contenu(), FICHIER_COMPLET + bloc);
    EXPECT_EQ(lu().panneaux, e.panneaux);
    installe_exercice(lu());
    EXPECT_EQ(partage.panneaux_permis, e.panneaux);
    EXPECT_EQ(exercice_en_cours({}, e.tailles).panneaux, e.panneaux);

    // A block written by hand may name only the withheld panels; an unknown
    // block before it and unknown keys are passed over.
    ecrit(FICHIER_COMPLET + "autre\r\nPanel6:FAUX\r\nfinautre\r\npanneaux\r\nPanel6:FAUX\r\nPanel99:FAUX\r\n");
    PanneauxPermis attendu = TOUS_PERMIS;
    attendu[5] = false;
    EXPECT_EQ(lu().panneaux, attendu);
}

TEST_F(FichierExercice, SansReponseEtCheminLongDe200Caracteres)
{
    fs::path profond = dossier;
    for (int i = 0; i < 5; ++i)
        profond /= "dossier des exercices de la classe numéro " + std::to_string(i);
    fs::create_directories(profond);
    Exercice e = exercice_complet();
    e.solutions.clear();
    e.aides_a_imprimer = false;
    ASSERT_TRUE(sauver_exercice(profond / "équations.alg", e));
    Exercice relu;
    ASSERT_EQ(lire_exercice(profond / "équations.alg", relu), LectureExercice::reussie);
    EXPECT_EQ(resume(relu), resume(e));
}

TEST_F(FichierExercice, LectureDUnFichierEcritALaMain)
{
    ecrit("c\r\n{ x + y = 2 @x-y=0}\r\nfonte:abc\r\nfonte:-4\r\nfonte:\r\nfonte: 22 \r\n"
          "solution:$x=1\r\ncomment:oui\r\nnote:zero\r\nSolution:x=2\r\ncomment:non\r\nnote:5\r\n"
          "options\r\nreduire:FAUX\r\nFRACTIONS:VRAI\r\nRACINES:vrai\r\nINCONNU:FAUX\r\nfinoptions\r\n"
          "aide\r\nsans deux points\r\nnote:x\r\nT:a:b\r\nnote:+3\r\nfinaide\r\n"
          "ens_def\r\n1\r\nVRAI\r\n2\r\nvrai\r\n\r\nFAUX\r\n\r\nVRAI\r\n");
    const Exercice e = lu();
    EXPECT_EQ(resume(e), "c|" + normalise("{ x + y = 2 \r\nx-y=0}") + "|20,20,20,22," + std::string(21, ';') +
                             "x*et*1/oui/0;x*et*2/non/5;VVFVVVV/sans deux points/0;T/a:b/3;LI" + "12" + "1001");
    EXPECT_EQ(e.expression_fichier, "{ x + y = 2 @x-y=0}");
}

TEST_F(FichierExercice, VecteursGardentLeSigneEgal)
{
    Exercice e;
    e.expression_fichier = e.expression_base = "AB..arrow+BC..arrow";
    e.solutions.emplace_back("AB..arrow+BC..arrow=AC..arrow", "0", "Bien");
    ASSERT_TRUE(sauver_exercice(f, e));
    EXPECT_EQ(lu().solutions.at(0).solution, "AB..arrow+BC..arrow=AC..arrow");
}

// A file that cannot be read, or is no exercise, leaves the exercise in hand as it was.
TEST_F(FichierExercice, FichiersIllisiblesOuQuiNeSontPasDesExercices)
{
    const fs::path memoire = dossier / "memoire.alg";
    fs::create_symlink("/proc/self/mem", memoire);
    for (const fs::path &chemin : {dossier / "absent.alg", dossier, memoire}) {
        Exercice e = exercice_complet();
        const LectureExercice r = lire_exercice(chemin, e);
        EXPECT_EQ(r, LectureExercice::fichier_illisible) << chemin;
        EXPECT_NE(r.message.find(texte_de(chemin)), std::string::npos) << r.message;
        EXPECT_EQ(resume(e), resume(exercice_complet()));
    }
    const std::string entete = "c\r\nx\r\nfonte:20\r\nfonte:20\r\nfonte:20\r\nfonte:20\r\n";
    const std::pair<std::string, std::string> cas[] = {
        {"", "vide"},
        {std::string("\x7F" "ELF\x02\x01\x01\0\0\0\r\n", 12) + entete, "ligne 1 contient des caractères de contrôle"},
        {"c\r\nx\r\nfonte:20\r\n", "s'arrête à la ligne 3"},
        {"\r\n\r\nfonte:20\r\nfonte:20\r\nfonte:20\r\nfonte:20\r\n", "ni énoncé ni expression de départ"},
        {FICHIER_COMPLET.substr(0, FICHIER_COMPLET.find("finoptions")), "« options »"},
        {FICHIER_COMPLET.substr(0, FICHIER_COMPLET.find("finaide")), "« aide »"},
        {FICHIER_COMPLET.substr(0, FICHIER_COMPLET.find("12\r\n")), "« ens_def »"},
        {entete + "a:" + std::string(LONGUEUR_TEXTE_MAX, '1') + "\r\n", "ligne 7 dépasse 10 000 caractères"},
    };
    for (const auto &[octets, raison] : cas) {
        ecrit(octets);
        Exercice e = exercice_complet();
        const LectureExercice r = lire_exercice(f, e);
        EXPECT_EQ(r, LectureExercice::pas_un_exercice) << raison;
        EXPECT_TRUE(r.message.starts_with("Ce fichier n'est pas un exercice : ")) << r.message;
        EXPECT_NE(r.message.find(raison), std::string::npos) << r.message;
        EXPECT_EQ(resume(e), resume(exercice_complet()));
    }
    // Up to the limit, counted in characters rather than bytes, a line is taken.
    std::string consigne;
    for (std::size_t i = 0; i < LONGUEUR_TEXTE_MAX; ++i)
        consigne += "é";
    ecrit(vers_windows_1252(consigne) + entete.substr(1));
    EXPECT_EQ(lu().consigne, consigne);
}

// Another editor's UTF-8, with or without its mark, reads as the program's own file.
TEST_F(FichierExercice, ExerciceEcritEnUtf8)
{
    for (const std::string marque : {"", "\xEF\xBB\xBF"}) {
        ecrit(marque + depuis_windows_1252(FICHIER_COMPLET));
        Exercice e;
        const LectureExercice r = lire_exercice(f, e);
        EXPECT_TRUE(r.en_utf8);
        EXPECT_EQ(resume(e), resume(exercice_complet()));
    }
}

// Characters outside Windows-1252 stop the save until their replacement is asked for.
TEST_F(FichierExercice, CaracteresHorsDuCodage)
{
    Exercice e = exercice_complet();
    e.consigne = "Résoudre √2 ≤ x";
    const Enregistrement refuse = sauver_exercice(f, e);
    EXPECT_FALSE(refuse);
    EXPECT_EQ(refuse.hors_format, (std::vector<std::string>{"√", "≤"}));
    EXPECT_FALSE(fs::exists(f));
    ASSERT_TRUE(sauver_exercice(f, e, HorsFormat::remplacer));
    EXPECT_EQ(lu().consigne, "Résoudre ?2 ? x");
}

TEST_F(FichierExercice, BlocsIncompletsOuEnTrop)
{
    std::string t = "c\r\nx\r\nfonte:20\r\nfonte:20\r\nfonte:20\r\nfonte:20\r\n";
    for (int i = 1; i <= 25; ++i)
        t += "a:" + std::string(200, '1') + "\r\n";
    for (int i = 1; i <= 20; ++i)
        t += "solution:x=" + std::to_string(i) + "\r\ncomment:c\r\nnote:" + std::to_string(i) + "\r\n";
    t += "aide\r\n";   // no "options" block: the helps are still read
    for (int i = 1; i <= 40; ++i)
        t += "AIDE " + std::to_string(i) + ":texte " + std::to_string(i) + "\r\nnote:" + std::to_string(i) + "\r\n";
    ecrit(t + "finaide\r\n");
    const Exercice e = lu();
    EXPECT_EQ(e.lignes_parametres[LIGNES_PARAMETRES_MAX], "a:" + std::string(148, '1'));
    ASSERT_EQ(e.solutions.size(), SOLUTIONS_MAX);
    EXPECT_EQ(e.solutions.back().solution, "x*et*15");
    ASSERT_EQ(e.aides.size(), AIDES_MAX);
    EXPECT_EQ(e.aides.back().titre + e.aides.back().texte, "AIDE 29texte 29");
    EXPECT_EQ(e.domaine.borne_inf_1, "-inf");

    // Every prefix of a whole file loads or is refused, and an answer cut
    // before its note is dropped.
    for (std::size_t n = 0; n <= FICHIER_COMPLET.size(); ++n) {
        ecrit(FICHIER_COMPLET.substr(0, n));
        Exercice tronque;
        const LectureExercice r = lire_exercice(f, tronque);
        EXPECT_NE(r, LectureExercice::fichier_illisible) << n;
        for (const TDsolu &s : tronque.solutions)
            EXPECT_NE(s.commentaire, "") << n;
    }
}

TEST_F(FichierExercice, DechetsEtTextesSurPlusieursLignes)
{
    std::mt19937 alea(11);
    for (int essai = 0; essai < 100; ++essai) {
        std::string octets(alea() % 4000, '\0');
        for (char &c : octets)
            c = static_cast<char>(alea() % 5 == 0 ? '\n' : alea() % 256);
        ecrit(FICHIER_COMPLET.substr(0, alea() % FICHIER_COMPLET.size()) + octets);
        Exercice e;
        if (lire_exercice(f, e) == LectureExercice::reussie) {
            EXPECT_TRUE(sauver_exercice(dossier / "copie.alg", e, HorsFormat::remplacer));
        }
    }

    Exercice e = exercice_complet();
    e.consigne = "deux\r\nlignes";
    e.aides[0].titre = "titre:deux points";
    ASSERT_TRUE(sauver_exercice(f, e));
    const Exercice relu = lu();
    EXPECT_EQ(relu.consigne, "deux@lignes");
    EXPECT_EQ(relu.aides[0].titre + "|" + relu.aides[0].texte, "titre deux points|Substituer (2 fois).");
}

} // namespace
