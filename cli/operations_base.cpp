#include "cli/registre.h"

namespace cli {

void enregistre_base(Registre &) {}

} // namespace cli
