#pragma once
// The teacher's options that change what an action gives on the pupil's
// statement. The operations take them as an argument; the work layer builds
// them from its settings. The engine's own uses of an operation (reducing a
// cofactor, dividing by a number) take the defaults: develop and reduce.

struct OptionsCalcul {
    bool reduire = true;     // "Réduction systématique": a developed or multiplied result is reduced
    bool developpe = true;   // "Menu développer actif": developing applies at all
    bool vecteurs = false;   // vector work: a member that cancels is the zero vector
    bool racines = false;    // "Réduction des racines": square roots are simplified as they are written
    bool trinomes = true;    // factoring may go through a trinomial's roots

    bool operator==(const OptionsCalcul &) const = default;
};
