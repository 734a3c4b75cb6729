#include "algebra/tableau_signes.h"

#include <algorithm>
#include <cmath>

#include "algebra/solutions.h"
#include "algebra/enonces.h"
#include "algebra/algebre.h"
#include "formula/lecteur.h"
#include "formula/valeur.h"

namespace {

constexpr double ECART_RACINES = 1e-9;

// One x inside each interval the sorted roots cut the line into. The middle
// of two roots stays inside their interval however close they are.
std::vector<double> points_d_essai(const std::vector<double> &valeurs)
{
    if (valeurs.empty())
        return {0};
    std::vector<double> points{valeurs.front() - 1};
    for (std::size_t i = 1; i < valeurs.size(); ++i)
        points.push_back((valeurs[i - 1] + valeurs[i]) / 2);
    points.push_back(valeurs.back() + 1);
    return points;
}

// The factors of a member written as a product, the leading "1" left out.
std::vector<std::pair<std::string, std::string>> facteurs_et_bases(const std::string &membre)
{
    std::string produit = membre;
    mise_en_facteurs(produit);
    const EnonceLu enonce(produit);
    const Membre &m = enonce.membres.front();
    const std::vector<std::string> ecrits = morceaux_du_membre(enonce, m);
    std::vector<std::pair<std::string, std::string>> resultat;
    for (std::size_t i = 0; i < ecrits.size(); ++i) {
        if (i > 0 && operateur_apres(m, i - 1) != "*")
            return {};
        const std::string facteur(morceau_sans_parentheses(m, i, ecrits[i]));
        const Puissance puissance = separe_puissance(ecrits[i]);
        resultat.emplace_back(facteur, puissance.exposant >= 2 ? puissance.base : facteur);
    }
    if (!resultat.empty() && resultat.front().first == "1")
        resultat.erase(resultat.begin());
    return resultat;
}

bool satisfait(const std::string &signe, int nature)
{
    return signe == ((nature == INFERIEUR || nature == INFERIEUR_OU_EGAL) ? "-" : "+");
}

}  // namespace

std::string signe_de(const std::optional<double> &valeur)
{
    return !valeur ? "" : *valeur > 0 ? "+" : "-";
}

TableauSignes calcule_tableau_signes(const EnonceLu &enonce)
{
    TableauSignes t;
    t.inequation = sans_blancs(enonce.saisi);
    t.nature = enonce.nature;
    if (t.nature < INFERIEUR || t.nature > SUPERIEUR_OU_EGAL || sans_blancs(enonce.membre(1)) != "0")
        return t;

    // A factor free of x keeps its row but has no root, hence no column.
    const bool resolu = resout(enonce, {}).has_value();
    t.membre = sans_blancs(enonce.membre(0));
    const auto facteurs = resolu ? facteurs_et_bases(t.membre) : decltype(facteurs_et_bases("")){};
    bool lineaires = true;
    for (const auto &[facteur, base] : facteurs) {
        LigneSignes ligne;
        ligne.formule = facteur;
        ligne.racine = racine_lineaire(EnonceLu(base));
        lineaires = lineaires && (ligne.racine || !depend_de_l_inconnue(base));
        t.facteurs.push_back(std::move(ligne));
    }
    if (!resolu || !lineaires || t.facteurs.empty() || t.facteurs.size() > FACTEURS_MAX)
        return t;

    // Columns: the distinct roots that have a value, in increasing order.
    std::vector<std::pair<double, std::string>> colonnes;
    for (const LigneSignes &ligne : t.facteurs) {
        const std::optional<double> racine = ligne.racine ? valeur(*ligne.racine, 0) : std::nullopt;
        if (!racine)
            continue;
        const double v = *racine;
        const bool connue = std::any_of(colonnes.begin(), colonnes.end(), [v](const auto &c) {
            return std::fabs(c.first - v) < ECART_RACINES;
        });
        if (!connue)
            colonnes.emplace_back(v, *ligne.racine);
    }
    std::sort(colonnes.begin(), colonnes.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    std::vector<double> valeurs;
    for (const auto &[v, texte] : colonnes) {
        valeurs.push_back(v);
        t.racines.push_back(texte);
    }
    const std::vector<double> points = points_d_essai(valeurs);

    for (LigneSignes &ligne : t.facteurs) {
        const std::optional<Arbre> facteur = lis_formule(ligne.formule);
        for (double x : points)
            ligne.signes.push_back(signe_de(facteur ? valeur(*facteur, x) : std::nullopt));
        for (double v : valeurs)
            ligne.marques.push_back(facteur && vaut_zero(valeur_ordinaire(*facteur, v)) ? "0" : "");
    }
    t.resultat.formule = t.membre;
    const std::optional<Arbre> membre = lis_formule(t.membre);
    for (double x : points) {
        t.resultat.signes.push_back(signe_de(membre ? valeur(*membre, x) : std::nullopt));
        t.cellules_rouges.push_back(satisfait(t.resultat.signes.back(), t.nature));
    }
    for (double v : valeurs)
        t.resultat.marques.push_back(membre && valeur(*membre, v) ? "0" : "||");
    t.zeros_rouges = t.nature == INFERIEUR_OU_EGAL || t.nature == SUPERIEUR_OU_EGAL;
    t.valide = true;
    return t;
}
