#pragma once
// The small text tools on terms and pieces that the engine shares.

#include <string>

#include "formula/enonce.h"

void sans_parentheses(std::string &t);
void inverse_operateur(std::string &operateur);
void oppose_termes(std::string &t);
// Another writing of a member: the run of pieces that starts at piece
// `rang` (from 1) and takes `tour` more pieces put in parentheses, or the
// member as given when the run does not lie within its pieces; and the
// number of operators between the pieces, which bounds the runs to try.
struct AutreForme {
    std::string texte;
    int nb_formes = 0;
};
AutreForme regroupe(const EnonceLu &membre, int rang, int tour);
