#pragma once
// Where the program finds its shared data (help pages, default
// configuration, exercise bank) and where it keeps the user's "Vivezezi.ini".
// Portable layout: a "Vivezezi.ini" lies beside the program (the build
// folder, a copied folder); everything is read and written there. Installed
// layout: the program is in "bin", its data in "../share/vivezezi", and each
// user's configuration in the user's configuration folder, copied from the
// shared default at the first start.

#include <filesystem>
#include <string_view>

struct Emplacements {
    std::filesystem::path donnees;         // help pages, default configuration, exercises
    std::filesystem::path configuration;   // the "Vivezezi.ini" read and rewritten
};

// The layout of a program in `dossier_programme`, the user's configuration
// folder being `dossier_utilisateur`. Portable unless the program has no
// configuration beside it and an installed data folder exists.
Emplacements choisit_emplacements(const std::filesystem::path &dossier_programme,
                                  const std::filesystem::path &dossier_utilisateur);

// Gives the shared record its folder and configuration file; a missing user
// configuration is first copied from the shared default. False when that copy
// fails (the program then runs on its built-in values).
bool installe_emplacements(const Emplacements &emplacements);

// The shared default configuration, from which a missing user's
// configuration is made again.
std::filesystem::path configuration_par_defaut();

// A command-line argument naming an exercise file (".alg", any case) rather
// than a statement.
bool est_fichier_exercice(std::string_view argument);
