#pragma once
// The context that the engine's operations take as arguments, read from the
// shared record of the work: the engine itself never reads that record.

#include "algebra/solutions.h"

ContexteResolution contexte_resolution();
