#pragma once
// The split of a member: parenthesised groups are hidden behind placeholders,
// the top-level text is cut into terms (at "+" and "-") or, without any term
// operator, into factors (at "*" and "/"), and the groups are put back in each
// piece. Results land in the split tables of the shared record. Also the small
// text tools on terms that the rest of the engine shares.

#include <string>
#include <string_view>

// Fills table_groupes from a member text (blanks removed, then one leading
// "/" or "*"): up to 17 innermost parenthesised groups, each behind a
// placeholder, then the top-level text; always true.
bool isole_groupes(std::string_view membre);

// Visits entry i (1-based) of table_groupes, group entries before the
// top-level one; returns the description ("3 termes :", "2 facteurs :", "n
// termes :" past 17 pieces, "" or "..." for an empty entry). On the top-level
// entry it fills table_morceaux and table_operateurs from the member of the
// last isole_groupes.
std::string decoupe(int i);

void nettoie_membre(std::string &t);
// 1-based position of the first c that is not the first character; 0 if none.
int pos_apres_premier(char c, std::string_view t);
// 1-based position of the first c at or after start (1-based); 0 if none.
int pos_depuis(char c, std::string_view t, int debut);
void inverse_signes(std::string &t);
void sans_parentheses(std::string &t);
// Removes the first signed term of a reduced polynomial and returns it.
std::string extrait_terme(std::string &polynome);
// Removes the first term and returns its sign and numeric coefficient.
void extrait_coefficient(std::string &polynome, std::string &signe, std::string &coefficient);
void inverse_operateur(std::string &operateur);
void oppose_termes(std::string &t);
// Puts the run of pieces chosen by autre_rang and autre_tour in parentheses.
void regroupe(std::string &membre);
