#include "cli/registre.h"

namespace cli {

void enregistre_solutions(Registre &) {}

} // namespace cli
