#include "core/evaluateur.h"

double evalue(std::string_view, double) { return ERREUR_EVALUATION; }
void ordonne_deux(std::string &, std::string &) {}
void ordonne_trois(std::string &, std::string &, std::string &,
                   std::string &, std::string &, std::string &) {}
