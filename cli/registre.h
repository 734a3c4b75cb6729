#pragma once
// The operations that vivezezi-cli runs by name. Each topic of the engine
// registers its own operations and options in its own source file.

#include <functional>
#include <initializer_list>
#include <iosfwd>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "algebra/issue.h"
#include "formula/enonce.h"

namespace cli {

using Arguments = std::vector<std::string>;
using Execution = std::function<std::string(const Arguments &)>;

struct Operation {
    std::string nom;
    // Names shown in the usage message; a name ending with "?" is optional.
    std::vector<std::string> parametres;
    Execution execute;
    // A command writes its own output and gives the exit code instead (a session).
    std::function<int(const Arguments &)> commande;
};

struct Option {
    std::string nom;     // without the leading "--"
    std::string valeur;  // name of its value in the usage message
    std::function<void(const std::string &)> applique;
};

class Registre {
public:
    void operation(std::string nom, std::vector<std::string> parametres, Execution execute);
    void commande(std::string nom, std::vector<std::string> parametres,
                  std::function<int(const Arguments &)> execute);
    void option(std::string nom, std::string valeur, std::function<void(const std::string &)> applique);

    const Operation *trouve_operation(const std::string &nom) const;
    const Option *trouve_option(const std::string &nom) const;
    const std::map<std::string, Operation> &operations() const { return operations_; }
    const std::map<std::string, Option> &options() const { return options_; }

private:
    std::map<std::string, Operation> operations_;
    std::map<std::string, Option> options_;
};

// Output conventions: numbers with up to 12 significant digits, a flag with
// its text as "true<TAB>text", several outputs joined by tabs.
std::string nombre(double valeur);
std::string drapeau(bool valeur, const std::string &texte);
// An operation's issue as a flag: its new text, or the text it was given.
std::string drapeau(const Issue &issue, const std::string &donne);
std::string champs(std::initializer_list<std::string> valeurs);
// A whole number argument (a position, a length, a count) is checked: one
// that is no whole number from -ENTIER_MAX to ENTIER_MAX stops the command
// with this exception, whose text tells the user.
inline constexpr int ENTIER_MAX = 1000000;
struct ArgumentInvalide : std::invalid_argument {
    using std::invalid_argument::invalid_argument;
};
int entier(const std::string &texte);

// An operation that rewrites its one text in place: the text afterwards,
// after its flag when it answers one.
Execution sur_le_texte(void (*operation)(std::string &));
Execution sur_le_texte(bool (*operation)(std::string &));
// An operation on the statement read: its flag, then the new statement, or
// the text given when the operation does not apply.
Execution sur_l_enonce(Issue (*operation)(const EnonceLu &));

// One registration function per topic, each in its own source file.
void enregistre_base(Registre &r);          // statement model, split, text tools
void enregistre_evaluation(Registre &r);    // numeric evaluator, equivalence test
void enregistre_formules(Registre &r);      // normal form
void enregistre_developpement(Registre &r); // ordering, developing, removing parentheses
void enregistre_factorisation(Registre &r);
void enregistre_racines_carrees(Registre &r);
void enregistre_fractions(Registre &r);
void enregistre_solutions(Registre &r);     // roots, canonical form, solution sets
void enregistre_vecteurs(Registre &r);
void enregistre_enonces(Registre &r);       // operations on statements, number forms
void enregistre_menus(Registre &r);
void enregistre_fichiers(Registre &r);     // configuration and exercise files
void enregistre_session(Registre &r);
void enregistre_verifie(Registre &r);       // the exercise checker
void enregistre_diagnostic(Registre &r);    // the wrong rule behind a pupil's text
void enregistre_reponses(Registre &r);      // the reading and comparison of answers

// Plays a session script in the given program folder (a fresh copy of the
// data files when empty); 0, or 2 after a command it does not know.
int joue_session(std::istream &script, const std::string &dossier);

} // namespace cli
