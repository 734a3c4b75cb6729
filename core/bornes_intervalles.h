#pragma once
// The domain of definition as one or more intervals, held in the shared record
// and in an exercise.

#include <string>
#include <vector>

#include "formula/reponse.h"

// The bounds as texts ("-inf" and "inf" for infinite ends). A flag is true
// when its end is open; an empty second interval means there is none.
struct BornesIntervalles {
    std::string borne_inf_1 = "-inf", borne_sup_1 = "inf", borne_inf_2, borne_sup_2;
    bool crochet_1a = true, crochet_1b = true, crochet_2a = true, crochet_2b = true;
    // The intervals past those two, in increasing order: a domain such as R
    // minus two values needs three.
    std::vector<Intervalle> suivants{};

    bool operator==(const BornesIntervalles &) const = default;
};
