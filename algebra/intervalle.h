#pragma once
// The interval text of a domain, "domain(x,lower,upper,code)" or two of them
// joined by "or", and the shared interval bounds it is read into.

#include <string>
#include <string_view>

// The two intervals as the shared record holds them. A flag is true when its
// end is open; an empty second interval means there is none.
struct BornesIntervalles {
    std::string borne_inf_1 = "-inf", borne_sup_1 = "inf", borne_inf_2, borne_sup_2;
    bool crochet_1a = true, crochet_1b = true, crochet_2a = true, crochet_2b = true;

    bool operator==(const BornesIntervalles &) const = default;
};

BornesIntervalles bornes_partagees();
void pose_bornes(const BornesIntervalles &bornes);

// The code of an interval from its two flags: "12", "14", "15" or "13".
std::string code_intervalle(bool ouvert_bas, bool ouvert_haut);

// Reads a domain text over `bornes`: "domain(x,lower,upper,code)" or two of
// them joined by "or" (the second interval emptied when the text has none).
// A code other than "12", "13", "14", "15" leaves the flags as they were.
// False when an interval has no "x" or misses a bound: its bounds are then
// left as they were.
bool lit_intervalles(std::string_view texte, BornesIntervalles &bornes);
// The same into the shared values.
bool lit_bornes(std::string_view texte);
