#pragma once
// A member's pieces as the parts list shows them, read from the statement
// as the formula reader reads it (formula/enonce.h), and the small text tools
// the operations share.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "formula/enonce.h"
#include "formula/vocabulaire.h"

// Function codes that separe_puissance gives in place of an exponent for a
// piece under a function: CODE_SIN plus the function's rank in the formula
// language's table.
enum CodeFonction : int {
    CODE_SIN = 1700,
    CODE_COS = 1701,
    CODE_TAN = 1702,
    CODE_ABS = 1703,
    CODE_LN = 1704,
    CODE_SQRT = 1705,
    CODE_EXP = 1706,
};

inline constexpr int code_de(Fonction f) { return CODE_SIN + static_cast<int>(f); }

// A member of more parts is captioned "n termes :" or "n facteurs :".
inline constexpr std::size_t PIECES_COMPTEES = 17;


// The member's parts as written, at most eight: the eighth onwards folded
// into one bracketed piece, its operators changed behind a "-" or a "/" so
// that the member keeps its value.
std::vector<std::string> morceaux_du_membre(const EnonceLu &enonce, const Membre &membre);
// Piece k (0-based) of those as the parts list shows it: each of the first
// six factors of a product without its brackets (facteur_sans_parentheses).
std::string_view morceau_sans_parentheses(const Membre &membre, std::size_t k, std::string_view piece);
// The operator after piece k; none after the last piece nor after the fold.
std::string operateur_apres(const Membre &membre, std::size_t k);
// The member's pieces as its parts list shows them.
std::vector<std::string> pieces_affichees(const EnonceLu &enonce, const Membre &membre);

// A member that is one piece under a whole power from 2 on, or under a
// function: what stands under it (its parts list shows that), the power or
// the function.
struct PieceSeule {
    std::string base;
    int exposant = 0;
    std::optional<Fonction> fonction;
};
std::optional<PieceSeule> piece_seule(const EnonceLu &enonce, const Membre &membre);

// The caption of the list of a member's parts: "3 termes :", "n facteurs :",
// or for one piece under a power or a function "Carré de...", "Racine carrée
// de..."; empty for one plain piece.
std::string libelle_des_parties(const EnonceLu &enonce, const Membre &membre);

// Small text operations shared by every part of the program.
inline bool contient(std::string_view texte, std::string_view mot) { return texte.find(mot) != std::string_view::npos; }
// Index of the ")" that closes the "(" at index ouvrante; npos when there
// is no "(" there or the text ends first.
std::size_t parenthese_fermante(std::string_view s, std::size_t ouvrante);
// Every occurrence of ancien replaced by nouveau in one pass from left to
// right; what the replacement brings is not read again.
void remplace_chaque(std::string &t, std::string_view ancien, std::string_view nouveau);
// The highest power of x written in s ('x^12+x^3' has 12), 1 for x alone, 0
// without x.
int degre(std::string_view s);

struct Puissance {
    std::string base;
    int exposant = 1;       // or a function code
    std::string developpe;  // the power written out as a repeated product
                            // (left as written when that would pass 100,000 characters)
};
Puissance separe_puissance(std::string_view morceau);

void sans_blancs(std::string &t);
std::string sans_blancs(std::string_view t);
void compacte_systeme(std::string &t);
void groupe_fractions_numeriques(std::string &t);
// A piece of a sum (somme) or of a product, written after its operator
// (empty for the first piece), in brackets only where its value needs them;
// a sum stays grouped as a term of a sum, so that it can be worked on again.
std::string piece_ecrite(std::string_view piece, std::string_view operateur_avant, bool somme);
void separe_fraction(std::string &t, std::string &denominateur);
std::string forme_lisible(std::string_view t);
void echange(std::string &a, std::string &b);
