#pragma once

// Folders and files of the tests: a temporary folder of one's own, removed
// with the object, and a program folder with the default configuration.

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <system_error>

namespace outils {

class DossierTemporaire {
public:
    explicit DossierTemporaire(const std::string &nom)
        : chemin_(std::filesystem::temp_directory_path() / (nom + "-" + std::to_string(std::random_device{}())))
    {
        std::filesystem::create_directories(chemin_);
    }
    ~DossierTemporaire()
    {
        std::error_code erreur;
        std::filesystem::remove_all(chemin_, erreur);
    }
    DossierTemporaire(const DossierTemporaire &) = delete;
    DossierTemporaire &operator=(const DossierTemporaire &) = delete;

    const std::filesystem::path &chemin() const { return chemin_; }

private:
    std::filesystem::path chemin_;
};

// The program's default configuration file copied into the folder.
inline void copie_configuration(const std::filesystem::path &dossier)
{
    std::filesystem::copy_file(std::filesystem::path(VIVEZEZI_DONNEES) / "Vivezezi.ini", dossier / "Vivezezi.ini");
}

// The bytes of a file, empty when it cannot be read.
inline std::string contenu(const std::filesystem::path &fichier)
{
    std::ifstream f(fichier, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

} // namespace outils
