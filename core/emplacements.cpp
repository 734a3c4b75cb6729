#include "core/emplacements.h"

#include <system_error>

#include "core/configuration.h"
#include "core/encodage.h"
#include "core/partage.h"

namespace fs = std::filesystem;

namespace {

constexpr const char *NOM_CONFIGURATION = "Vivezezi.ini";

fs::path donnees_installees(const fs::path &dossier_programme)
{
    return dossier_programme.parent_path() / "share" / "vivezezi";
}

} // namespace

Emplacements choisit_emplacements(const fs::path &dossier_programme, const fs::path &dossier_utilisateur)
{
    std::error_code erreur;
    const fs::path installees = donnees_installees(dossier_programme);
    if (!fs::exists(dossier_programme / NOM_CONFIGURATION, erreur) && fs::is_directory(installees, erreur))
        return {installees, dossier_utilisateur / NOM_CONFIGURATION};
    return {dossier_programme, dossier_programme / NOM_CONFIGURATION};
}

bool installe_emplacements(const Emplacements &e)
{
    fixe_dossier_programme(e.donnees);
    partage.chemin_config = texte_de(e.configuration);
    std::error_code erreur;
    if (fs::exists(e.configuration, erreur))
        return true;
    fs::create_directories(e.configuration.parent_path(), erreur);
    // The shared default may be read-only; the user's copy must be rewritable.
    fs::copy_file(configuration_par_defaut(), e.configuration, erreur);
    if (!erreur)
        fs::permissions(e.configuration, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add,
                        erreur);
    return !erreur;
}

fs::path configuration_par_defaut() { return chemin_de(partage.dossier_programme) / NOM_CONFIGURATION; }

bool est_fichier_exercice(std::string_view argument)
{
    constexpr std::size_t longueur = 4;   // ".alg"
    if (argument.size() < longueur)
        return false;
    std::string fin(argument.substr(argument.size() - longueur));
    majuscules(fin);
    return fin == ".ALG";
}
