// vivezezi-cli: runs the engine's operations by name.
//   vivezezi-cli [--option value ...] NAME ARG...
//   vivezezi-cli [--option value ...] --batch NAME   (arguments on standard input,
//                                                    one set per line, tab-separated)
// In arguments and results "@" stands for a line break (CR LF), so that a
// system fits on one line.

#include <algorithm>
#include <iostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/registre.h"
#include "algebra/algebre.h"
#include "core/encodage.h"
#include "core/partage.h"
#include "formula/lineaire.h"

namespace {

using namespace cli;

Arguments coupe(const std::string &ligne, char separateur)
{
    Arguments r;
    std::size_t debut = 0;
    for (;;) {
        std::size_t tab = ligne.find(separateur, debut);
        r.push_back(ligne.substr(debut, tab == std::string::npos ? std::string::npos : tab - debut));
        if (tab == std::string::npos)
            return r;
        debut = tab + 1;
    }
}

// "--options REDUIRE=FAUX,KALKUL=VRAI": the seven options, by their keys.
void enregistre_options_generales(Registre &r)
{
    r.option("options", "CLE=VRAI|FAUX,...", [](const std::string &valeur) {
        const std::pair<const char *, bool Partage::*> cles[] = {
            {"REDUIRE", &Partage::option_reduire},   {"FRACTIONS", &Partage::option_fractions},
            {"RACINES", &Partage::option_racines},   {"KALKUL", &Partage::option_kalkul},
            {"SIMPLIF", &Partage::option_simplif},   {"FACTORIZ", &Partage::option_factoriz},
            {"DEVELOPPE", &Partage::option_developpe},
        };
        for (const std::string &affectation : coupe(valeur, ',')) {
            const std::size_t egal = affectation.find('=');
            const std::string cle = affectation.substr(0, egal);
            const bool vrai = egal != std::string::npos && affectation.substr(egal + 1) == "VRAI";
            for (const auto &[nom, champ] : cles)
                if (cle == nom)
                    partage.*champ = vrai;
        }
    });
}

Registre construit_registre()
{
    Registre r;
    enregistre_options_generales(r);
    enregistre_base(r);
    enregistre_evaluation(r);
    enregistre_formules(r);
    enregistre_developpement(r);
    enregistre_factorisation(r);
    enregistre_racines_carrees(r);
    enregistre_fractions(r);
    enregistre_solutions(r);
    enregistre_vecteurs(r);
    enregistre_enonces(r);
    enregistre_menus(r);
    enregistre_fichiers(r);
    enregistre_session(r);
    enregistre_verifie(r);
    enregistre_diagnostic(r);
    enregistre_reponses(r);
    return r;
}

std::string remplace(std::string texte, std::string_view ancien, std::string_view nouveau)
{
    remplace_chaque(texte, ancien, nouveau);
    return texte;
}

std::string depuis_ligne(const std::string &argument) { return remplace(argument, "@", "\r\n"); }

std::string vers_ligne(std::string resultat)
{
    resultat = remplace(std::move(resultat), "\r\n", "@");
    for (char &c : resultat)
        if (c == '\r' || c == '\n')
            c = '@';
    return resultat;
}

void usage(const Registre &r, const std::string &message)
{
    std::cerr << "vivezezi-cli : " << message << "\n\n"
              << "Utilisation : vivezezi-cli [--option valeur ...] OPERATION ARGUMENT...\n"
              << "              vivezezi-cli [--option valeur ...] --batch OPERATION\n"
              << "  (avec --batch, un jeu d'arguments par ligne de l'entrée standard,\n"
              << "   séparés par une tabulation ; \"@\" tient lieu de saut de ligne)\n\n"
              << "Opérations :\n";
    for (const auto &[nom, op] : r.operations()) {
        std::cerr << "  " << nom;
        for (const std::string &p : op.parametres)
            std::cerr << ' ' << p;
        std::cerr << '\n';
    }
    std::cerr << "Options :\n";
    for (const auto &[nom, opt] : r.options())
        std::cerr << "  --" << nom << ' ' << opt.valeur << '\n';
}

bool nombre_d_arguments_correct(const Operation &op, std::size_t n)
{
    std::size_t obligatoires = 0;
    for (const std::string &p : op.parametres)
        if (p.empty() || p.back() != '?')
            ++obligatoires;
    // A name ending with "..." stands for any number of arguments.
    const bool suite = std::any_of(op.parametres.begin(), op.parametres.end(),
                                   [](const std::string &p) { return p.ends_with("..."); });
    return n >= obligatoires && (suite || n <= op.parametres.size());
}

// Each call starts from the reset state, then the options of the command line.
Arguments prepare(const Operation &op, const std::vector<std::pair<const Option *, std::string>> &options,
                  const Arguments &bruts)
{
    remet_a_zero_complet();
    for (const std::string &a : bruts)
        if (texte_trop_long(a))
            throw ArgumentInvalide(MESSAGE_TEXTE_TROP_LONG);
    for (const auto &[opt, valeur] : options)
        opt->applique(depuis_ligne(valeur));
    // Texts typed here reach the engine as the input box would give them; a
    // pupil's answer reaches the answer reader as typed ("2 ou -2", "x=1 et y=2").
    Arguments arguments;
    for (std::size_t i = 0; i < bruts.size(); ++i) {
        const bool reponse = i < op.parametres.size() && (op.parametres[i] == "REPONSE" || op.parametres[i] == "ATTENDUE");
        arguments.push_back(reponse ? depuis_ligne(bruts[i]) : forme_lineaire(depuis_ligne(bruts[i])));
    }
    return arguments;
}

std::string execute(const Operation &op,
                    const std::vector<std::pair<const Option *, std::string>> &options,
                    const Arguments &bruts)
{
    return vers_ligne(op.execute(prepare(op, options, bruts)));
}

} // namespace

int main(int argc, char **argv)
{
    std::ios::sync_with_stdio(false);
    const Registre registre = construit_registre();
    std::vector<std::string> mots(argv + 1, argv + argc);

    std::vector<std::pair<const Option *, std::string>> options;
    bool lot = false;
    std::size_t i = 0;
    for (; i < mots.size() && mots[i].rfind("--", 0) == 0; ++i) {
        const std::string nom = mots[i].substr(2);
        if (nom == "batch") {
            lot = true;
            continue;
        }
        const Option *opt = registre.trouve_option(nom);
        if (!opt) {
            usage(registre, "option inconnue « " + mots[i] + " ».");
            return 2;
        }
        if (i + 1 >= mots.size()) {
            usage(registre, "l'option « " + mots[i] + " » attend une valeur.");
            return 2;
        }
        options.emplace_back(opt, mots[++i]);
    }
    if (i >= mots.size()) {
        usage(registre, "aucune opération demandée.");
        return 2;
    }
    const Operation *op = registre.trouve_operation(mots[i]);
    if (!op) {
        usage(registre, "opération inconnue « " + mots[i] + " ».");
        return 2;
    }
    Arguments arguments(mots.begin() + static_cast<long>(i) + 1, mots.end());

    if (!lot) {
        if (!nombre_d_arguments_correct(*op, arguments.size())) {
            usage(registre, "mauvais nombre d'arguments pour « " + op->nom + " ».");
            return 2;
        }
        try {
            if (op->commande)
                return op->commande(prepare(*op, options, arguments));
            std::cout << execute(*op, options, arguments) << '\n';
        } catch (const ArgumentInvalide &e) {
            std::cerr << "vivezezi-cli : " << e.what() << '\n';
            return 2;
        }
        return 0;
    }

    if (op->commande) {
        usage(registre, "« " + op->nom + " » lit déjà l'entrée standard : pas de --batch.");
        return 2;
    }
    if (!arguments.empty()) {
        usage(registre, "avec --batch, les arguments se lisent sur l'entrée standard.");
        return 2;
    }
    std::string ligne;
    int numero = 0;
    while (std::getline(std::cin, ligne)) {
        ++numero;
        if (!ligne.empty() && ligne.back() == '\r')
            ligne.pop_back();
        Arguments lus = coupe(ligne, '\t');
        if (!nombre_d_arguments_correct(*op, lus.size())) {
            std::cerr << "vivezezi-cli : ligne " << numero << " : mauvais nombre d'arguments pour « "
                      << op->nom << " ».\n";
            return 2;
        }
        try {
            std::cout << execute(*op, options, lus) << '\n';
        } catch (const ArgumentInvalide &e) {
            std::cerr << "vivezezi-cli : ligne " << numero << " : " << e.what() << '\n';
            return 2;
        }
    }
    return 0;
}
