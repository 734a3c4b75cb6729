#include <cstdio>
#include <string>

#include "cli/registre.h"
#include "core/configuration.h"
#include "core/encodage.h"
#include "core/partage.h"
#include "exercise/fichier_exercice.h"

namespace cli {

namespace {

// A JSON string; bytes that are not valid UTF-8 are written as \u00XX.
std::string json(const std::string &texte)
{
    std::string r = "\"";
    for (std::size_t i = 0; i < texte.size();) {
        const unsigned char c = static_cast<unsigned char>(texte[i]);
        const std::size_t longueur = longueur_caractere_utf8(texte, i);
        if (c == '"' || c == '\\') {
            r += '\\';
            r += static_cast<char>(c);
        } else if (c == '\n') {
            r += "\\n";
        } else if (c == '\r') {
            r += "\\r";
        } else if (c == '\t') {
            r += "\\t";
        } else if (c < 0x20 || longueur == 0) {
            char tampon[8];
            std::snprintf(tampon, sizeof tampon, "\\u%04x", c);
            r += tampon;
        } else {
            r.append(texte, i, longueur);
            i += longueur;
            continue;
        }
        ++i;
    }
    return r + "\"";
}

std::string json(bool valeur) { return valeur ? "true" : "false"; }
std::string json(int valeur) { return std::to_string(valeur); }

template <typename Suite, typename Element>
std::string json_liste(const Suite &suite, Element element)
{
    std::string r = "[";
    for (const auto &x : suite)
        r += (r.size() > 1 ? "," : "") + element(x);
    return r + "]";
}

std::string json_exercice(const Exercice &e)
{
    std::string options = "{";
    for (std::size_t i = 0; i < options_par_cle.size(); ++i)
        options += (i ? "," : "") + json(std::string(options_par_cle[i].cle)) + ":" + json(e.options[i]);
    std::string parametres = "[";
    for (std::size_t i = 1; i <= LIGNES_PARAMETRES_MAX && !e.lignes_parametres[i].empty(); ++i)
        parametres += (i > 1 ? "," : "") + json(e.lignes_parametres[i]);
    const DomaineDefinition &d = e.domaine;
    return "{\"lu\":true,\"consigne\":" + json(e.consigne) +
           ",\"expression_base\":" + json(e.expression_base) +
           ",\"expression_fichier\":" + json(e.expression_fichier) + ",\"tailles\":[" +
           json(e.tailles[1]) + "," + json(e.tailles[2]) + "," + json(e.tailles[3]) + "," +
           json(e.tailles[4]) + "],\"lignes_parametres\":" + parametres + "]" +
           ",\"solutions\":" + json_liste(e.solutions, [](const TDsolu &s) {
               return "{\"solution\":" + json(s.solution) + ",\"commentaire\":" + json(s.commentaire) +
                      ",\"penalite\":" + json(s.penalite) + "}";
           }) +
           ",\"options\":" + options + "}" + ",\"aides\":" + json_liste(e.aides, [](const Aide &a) {
               return "{\"titre\":" + json(a.titre) + ",\"texte\":" + json(a.texte) +
                      ",\"penalite\":" + json(a.penalite) + "}";
           }) +
           ",\"liste_aides\":" + json(e.liste_aides) + ",\"aides_a_imprimer\":" + json(e.aides_a_imprimer) +
           ",\"domaine\":{\"borne_inf_1\":" + json(d.borne_inf_1) + ",\"crochet_1a\":" + json(d.crochet_1a) +
           ",\"borne_sup_1\":" + json(d.borne_sup_1) + ",\"crochet_1b\":" + json(d.crochet_1b) +
           ",\"borne_inf_2\":" + json(d.borne_inf_2) + ",\"crochet_2a\":" + json(d.crochet_2a) +
           ",\"borne_sup_2\":" + json(d.borne_sup_2) + ",\"crochet_2b\":" + json(d.crochet_2b) + "}}";
}

// The options as "REDUIRE=VRAI,FRACTIONS=FAUX,...".
std::string liste_options()
{
    std::string r;
    for (const CleOption &cle : options_par_cle)
        r += (r.empty() ? "" : ",") + std::string(cle.cle) + "=" + (partage.*cle.option ? "VRAI" : "FAUX");
    return r;
}

} // namespace

void enregistre_fichiers(Registre &r)
{
    // One line of JSON with every field read; {"lu":false,"message":...} when
    // the file cannot be read or is no exercise.
    r.operation("lit_exercice", {"FICHIER"}, [](const Arguments &a) {
        Exercice e = exercice_en_cours({}, Exercice{}.tailles);
        const LectureExercice lecture = lire_exercice(chemin_de(a[0]), e);
        if (lecture != LectureExercice::reussie)
            return "{\"lu\":false,\"message\":" + json(lecture.message) + "}";
        return json_exercice(e);
    });
    // Reads IN and writes it to OUT; prints whether both worked.
    r.operation("relit_exercice", {"ENTREE", "SORTIE"}, [](const Arguments &a) {
        Exercice e = exercice_en_cours({}, Exercice{}.tailles);
        const bool lu = lire_exercice(chemin_de(a[0]), e) == LectureExercice::reussie;
        return json(lu && sauver_exercice(chemin_de(a[1]), e));
    });
    // What the program reads at start from DOSSIER/Vivezezi.ini: options,
    // password, sibling folder, web address.
    r.operation("lit_configuration", {"DOSSIER"}, [](const Arguments &a) {
        for (const CleOption &cle : options_par_cle)
            partage.*cle.option = false;
        partage.mot_de_passe.clear();
        fixe_dossier_programme(chemin_de(a[0]));
        lit_configuration();
        return champs({liste_options(), partage.mot_de_passe, lit_dossier_frere(), lit_adresse_web()});
    });
}

} // namespace cli
