// Feeds random lines through every operation of vivezezi-cli and plays random
// sessions, each in a process of its own, and counts what went wrong: a
// crash, a hang, a sanitizer report, an output line missing, or invalid UTF-8
// given back for valid UTF-8 given in. Not a CI test: run it by hand, on the
// plain build or the sanitizer build.
//   bench_fuzz_cli CLI [LIGNES=100000] [SESSIONS=2000] [GRAINE=1]

#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/encodage.h"

namespace fs = std::filesystem;

namespace {

struct Operation {
    std::string nom;
    std::vector<std::string> parametres;
};

struct Bilan {
    long lignes = 0, sessions = 0, fichiers = 0;
    std::array<long, 3> codes_sessions{};   // sessions ended with code 0, 1 (a file failed), 2 (a command refused)
    long plantages = 0, sans_sortie = 0, utf8_invalide = 0, rapports_sanitizer = 0;
    bool sain() const { return plantages + sans_sortie + utf8_invalide + rapports_sanitizer == 0; }
};

std::string lit(const fs::path &f)
{
    std::ifstream e(f, std::ios::binary);
    std::ostringstream s;
    s << e.rdbuf();
    return s.str();
}

// Runs a shell command; its exit status as the shell gives it (128 + signal for a signal).
int lance(const std::string &commande)
{
    const int statut = std::system(commande.c_str());
    return WIFEXITED(statut) ? WEXITSTATUS(statut) : 128 + WTERMSIG(statut);
}

std::string cite(const std::string &t) { return "'" + t + "'"; }

// The operations and their parameters, from the usage message.
std::vector<Operation> operations(const std::string &cli, const fs::path &dossier)
{
    lance(cite(cli) + " 2> " + cite((dossier / "usage").string()));
    std::istringstream usage(lit(dossier / "usage"));
    std::vector<Operation> r;
    bool dedans = false;
    for (std::string ligne; std::getline(usage, ligne);) {
        if (ligne.starts_with("Opérations"))
            dedans = true;
        else if (ligne.starts_with("Options"))
            dedans = false;
        else if (dedans && ligne.starts_with("  ")) {
            std::istringstream mots(ligne);
            Operation op;
            mots >> op.nom;
            for (std::string p; mots >> p;)
                op.parametres.push_back(p);
            r.push_back(op);
        }
    }
    return r;
}

class Hasard {
public:
    explicit Hasard(unsigned graine) : g_(graine) {}
    std::size_t sous(std::size_t n) { return n == 0 ? 0 : g_() % n; }
    bool chance(int pourcent) { return static_cast<int>(sous(100)) < pourcent; }

    // A whole number as a teacher or a script would give one, or an extreme.
    std::string entier()
    {
        static const char *extremes[] = {"0", "-1", "1000000", "-1000000", "999999", "17", "8"};
        return chance(20) ? extremes[sous(std::size(extremes))] : std::to_string(static_cast<int>(sous(14)) - 3);
    }

    // A formula-like text: pieces of formulas, letters, accents, symbols
    // outside Windows-1252, now and then very long.
    std::string texte()
    {
        static const char *morceaux[] = {
            "x", "y", "2", "3", "12", "0", "1,5", "+", "-", "*", "/", "^", "^2", "(", ")", "=", "<", ">", "<=", ">=",
            "{", "}", "@", "sqrt(", "..arrow", "AB", "BC", "o", "a", "é", "É", "√", "≤", "😀", " ", "domain(x,",
            "inf", "-inf", ",", ";", "*et*", "$", "[", "]", "ou", "et", "pi", "!", "%", "\\", "\""};
        const std::size_t longueur = chance(2) ? 2000 + sous(8000) : sous(40);
        std::string t;
        for (std::size_t i = 0; i < longueur && t.size() < 9000; ++i)
            t += morceaux[sous(std::size(morceaux))];
        return t;
    }

private:
    std::mt19937 g_;
};

bool numerique(const std::string &parametre)
{
    static const std::set<std::string> noms = {"RANG", "TOUR", "I",   "SIGNE",      "ETAPE", "CIBLE",
                                               "D1",   "D2",   "D3",  "SEPARATEUR", "NATURE"};
    return noms.contains(parametre);
}

bool fichier(const std::string &parametre)
{
    return parametre.starts_with("FICHIER") || parametre == "ENTREE" || parametre == "SORTIE" ||
           parametre == "DOSSIER" || parametre.starts_with("--");
}

// Counts sanitizer reports and checks every output line.
void examine(const fs::path &sortie, const fs::path &erreurs, Bilan &b, const std::string &quoi)
{
    const std::string e = lit(erreurs);
    for (const char *marque : {"ERROR: AddressSanitizer", "ERROR: LeakSanitizer", "runtime error:"})
        for (std::size_t p = e.find(marque); p != std::string::npos; p = e.find(marque, p + 1)) {
            ++b.rapports_sanitizer;
            std::cerr << quoi << " : " << e.substr(p, 300) << '\n';
        }
    std::istringstream s(lit(sortie));
    for (std::string ligne; std::getline(s, ligne);)
        if (!est_utf8_valide(ligne)) {
            ++b.utf8_invalide;
            std::cerr << quoi << " : UTF-8 invalide en sortie : " << ligne.substr(0, 200) << '\n';
        }
}

void operation_en_lot(const std::string &cli, const Operation &op, long n, Hasard &h, const fs::path &dossier,
                      Bilan &b)
{
    const fs::path entree = dossier / "entree", sortie = dossier / "sortie", erreurs = dossier / "erreurs";
    {
        std::ofstream e(entree, std::ios::binary);
        for (long i = 0; i < n; ++i) {
            std::string ligne;
            for (const std::string &p : op.parametres) {
                if (p.ends_with("?") && h.chance(50))
                    break;
                ligne += (ligne.empty() && &p == &op.parametres.front() ? "" : "\t") +
                         (numerique(p) ? h.entier() : h.texte());
            }
            e << ligne << '\n';
        }
    }
    const int code = lance("timeout 600 " + cite(cli) + " --batch " + op.nom + " < " + cite(entree.string()) +
                           " > " + cite(sortie.string()) + " 2> " + cite(erreurs.string()));
    b.lignes += n;
    if (code != 0) {
        ++b.plantages;
        std::cerr << op.nom << " : code " << code << " ; " << lit(erreurs).substr(0, 300) << '\n';
    }
    // The menus print one line per panel before the line of their result.
    const std::string fin_de_resultat = op.nom == "met_a_jour_menus" ? "\nnature_expression" : "\n";
    const std::string sorti = "\n" + lit(sortie);
    std::size_t lues = 0;
    for (std::size_t p = sorti.find(fin_de_resultat); p != std::string::npos; p = sorti.find(fin_de_resultat, p + 1))
        ++lues;
    if (fin_de_resultat == "\n")
        --lues;   // the one put in front
    if (static_cast<long>(lues) != n) {
        ++b.sans_sortie;
        std::cerr << op.nom << " : " << lues << " lignes en sortie pour " << n << '\n';
    }
    examine(sortie, erreurs, b, op.nom);
}

// Exercise files that are half right, wrong, or another editor's.
void fichiers(const std::string &cli, const fs::path &banque, Hasard &h, const fs::path &dossier, Bilan &b)
{
    std::vector<std::string> modeles;
    for (const auto &f : fs::directory_iterator(banque))
        modeles.push_back(lit(f.path()));
    const fs::path f = dossier / "essai.alg", sortie = dossier / "sortie", erreurs = dossier / "erreurs";
    for (int i = 0; i < 200 && !modeles.empty(); ++i) {
        std::string octets = modeles[h.sous(modeles.size())];
        octets.resize(h.sous(octets.size() + 1));
        if (h.chance(30))
            octets = depuis_windows_1252(octets);
        for (std::size_t k = h.sous(4); k > 0 && !octets.empty(); --k)
            octets[h.sous(octets.size())] = static_cast<char>(h.sous(256));
        std::ofstream(f, std::ios::binary) << octets;
        for (const std::string &commande :
             {"lit_exercice " + cite(f.string()), "relit_exercice " + cite(f.string()) + " " +
                                                     cite((dossier / "copie.alg").string()),
              "verifie_exercice " + cite(f.string()) + " --tirages 1"}) {
            const int code = lance("timeout 120 " + cite(cli) + " " + commande + " > " + cite(sortie.string()) +
                                   " 2> " + cite(erreurs.string()));
            ++b.fichiers;
            if (code > 2) {
                ++b.plantages;
                std::cerr << commande << " : code " << code << '\n';
            }
            examine(sortie, erreurs, b, commande);
        }
    }
}

std::string commande_de_session(Hasard &h)
{
    static const char *simples[] = {"annule", "reponse", "vide", "valide", "fin", "eleve", "recommence", "efface",
                                    "etat"};
    static const char *modeles[] = {"racine", "puissance", "fraction", "et"};
    switch (h.sous(12)) {
    case 0:
    case 1: return "tape " + h.texte();
    case 2:
    case 3: return "clic Panel" + std::to_string(1 + h.sous(21));
    case 4: return "partie " + std::to_string(h.sous(4));
    case 5: return "boite " + std::to_string(2 + h.sous(3)) + (h.chance(50) ? " " + h.entier() + " " + h.entier() : "");
    case 6: return std::string(h.chance(50) ? "argument " : "reponse ") + h.texte();
    case 7: return "reponse\ntouches " + h.texte();
    case 8: return std::string("reponse\nmodele ") + modeles[h.sous(4)];
    case 9: return std::string(h.chance(50) ? "enonce " : "domaine ") + h.texte();
    case 10: return h.chance(50) ? "sauve essai.alg" : "charge essai.alg";
    default: return simples[h.sous(std::size(simples))];
    }
}

void sessions(const std::string &cli, long n, Hasard &h, const fs::path &dossier, Bilan &b)
{
    const fs::path programme = dossier / "programme", script = dossier / "script", sortie = dossier / "sortie",
                   erreurs = dossier / "erreurs";
    for (long i = 0; i < n; ++i) {
        {
            std::ofstream s(script, std::ios::binary);
            for (std::size_t k = 1 + h.sous(25); k > 0; --k)
                s << commande_de_session(h) << '\n';
            s << "etat\n";
        }
        const int code = lance("timeout 120 " + cite(cli) + " session < " + cite(script.string()) + " > " +
                               cite(sortie.string()) + " 2> " + cite(erreurs.string()));
        ++b.sessions;
        if (code <= 2)
            ++b.codes_sessions[static_cast<std::size_t>(code)];
        if (code > 2) {
            ++b.plantages;
            std::cerr << "session " << i << " : code " << code << "\n" << lit(script).substr(0, 2000) << '\n';
        }
        examine(sortie, erreurs, b, "session " + std::to_string(i));
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::cerr << "Utilisation : bench_fuzz_cli CLI [LIGNES] [SESSIONS] [GRAINE]\n";
        return 2;
    }
    const std::string cli = fs::absolute(argv[1]).string();
    const long lignes = argc > 2 ? std::atol(argv[2]) : 100000;
    const long nombre_sessions = argc > 3 ? std::atol(argv[3]) : 2000;
    Hasard h(argc > 4 ? static_cast<unsigned>(std::atol(argv[4])) : 1);
    const fs::path dossier = fs::temp_directory_path() / ("vivezezi-fuzz-" + std::to_string(std::random_device{}()));
    fs::create_directories(dossier);

    Bilan b;
    std::vector<Operation> ops;
    for (const Operation &op : operations(cli, dossier))
        if (std::none_of(op.parametres.begin(), op.parametres.end(), fichier))
            ops.push_back(op);
    for (const Operation &op : ops)
        operation_en_lot(cli, op, lignes / static_cast<long>(ops.size()), h, dossier, b);
    fichiers(cli, fs::path(VIVEZEZI_DONNEES) / "exercices", h, dossier, b);
    sessions(cli, nombre_sessions, h, dossier, b);
    fs::remove_all(dossier);

    std::cout << ops.size() << " opérations, " << b.lignes << " lignes, " << b.fichiers << " lectures de fichiers, "
              << b.sessions << " sessions (codes 0, 1, 2 : " << b.codes_sessions[0] << ", " << b.codes_sessions[1]
              << ", " << b.codes_sessions[2] << ") : " << b.plantages << " plantages ou codes inattendus, "
              << b.sans_sortie
              << " sorties incomplètes, " << b.utf8_invalide << " lignes UTF-8 invalides, " << b.rapports_sanitizer
              << " rapports de sanitizer\n";
    return b.sain() ? 0 : 1;
}
