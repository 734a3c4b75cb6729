#include "algebra/developpement.h"

bool ordonne(std::string &) { return false; }
bool developpe(std::string &) { return false; }
std::string distribue(const std::string &, const std::string &, const std::string &) { return {}; }
std::string signe_produit(const std::string &, const std::string &) { return "+"; }
std::string puissance_developpee(int, const TDalgebre &) { return {}; }
void masque_racines(std::string &, std::string[3]) {}
void demasque_racines(std::string &, const std::string[3]) {}
bool enleve_parentheses(std::string &) { return false; }
bool en_somme(std::string &) { return false; }
