#include "formula/widget/construction.h"

#include <algorithm>

namespace dessin {

namespace {

constexpr qreal ECHELLE_EXPOSANT = 0.71;
constexpr qreal ECHELLE_FRACTION_INTERIEURE = 0.8;

// Spaces around signs, in ems.
constexpr qreal ESPACE_OPERATION = 0.22;
constexpr qreal ESPACE_RELATION = 0.28;
constexpr qreal ESPACE_FINE = 0.17;

class Constructeur {
public:
    Constructeur(const Arbre &arbre, std::string_view texte, Polices &polices, int limite)
        : a_(arbre), texte_(texte), polices_(polices), limite_(limite)
    {
    }

    BoitePtr noeud(int i, qreal taille)
    {
        const Noeud &n = a_[i];
        switch (n.genre) {
        case Genre::nombre: {
            // As typed: a decimal comma stays a comma on the screen.
            const std::string_view ecrit = piece(n.debut, n.fin);
            return texte_du_noeud(n.debut, n.fin, QString::fromUtf8(ecrit.data(), static_cast<qsizetype>(ecrit.size())),
                                  style(taille));
        }
        case Genre::lettre:
            if (n.debut >= limite_)
                return marque(std::make_unique<BoiteTexte>(QStringLiteral("\u25A1"), style(taille)), n);
            return texte_du_noeud(n.debut, n.fin, mot(n), style(taille, true));
        case Genre::vecteur:
            return vecteur(n, taille);
        case Genre::infini:
            return marque(std::make_unique<BoiteTexte>(QStringLiteral("\u221E"), style(taille)), n);
        case Genre::fonction:
            return fonction(n, taille);
        case Genre::puissance:
            return puissance(n, taille);
        case Genre::produit:
            return produit(n, taille);
        case Genre::somme:
            return somme(n, taille);
        case Genre::signe:
            return signe(n, taille);
        case Genre::groupe:
            return entre(Delimiteur::parenthese_gauche, noeud(enfant(n, 0), taille),
                         Delimiteur::parenthese_droite, n, taille);
        case Genre::relation:
            return relation(n, taille);
        case Genre::systeme:
            return systeme(n, taille);
        case Genre::liste:
            return suite(n, taille, QStringLiteral("et"), "*et*", 0.45);
        case Genre::domaine:
            return domaine(n, taille);
        case Genre::reunion:
            return suite(n, taille, QStringLiteral("\u222A"), "or", ESPACE_OPERATION);
        case Genre::ensemble:
            return ensemble(n, taille);
        }
        return std::make_unique<BoiteLigne>();
    }

private:
    const Arbre &a_;
    std::string_view texte_;
    Polices &polices_;
    int limite_;
    int profondeur_fraction_ = 0;

    const Style &style(qreal taille, bool italique = false) { return polices_.style(taille, italique); }

    int enfant(const Noeud &n, int k) const { return a_.enfant(n, k); }
    int nombre_enfants(const Noeud &n) const { return n.nombre_enfants; }
    char operateur_avant(const Noeud &n, int k) const { return a_.operateur(n, k); }
    QString mot(const Noeud &n) const
    {
        const std::string_view m = a_.mot(n);
        return QString::fromUtf8(m.data(), static_cast<qsizetype>(m.size()));
    }

    std::string_view piece(int debut, int fin) const
    {
        const auto d = static_cast<std::size_t>(std::clamp(debut, 0, static_cast<int>(texte_.size())));
        const auto f = static_cast<std::size_t>(std::clamp(fin, static_cast<int>(d), static_cast<int>(texte_.size())));
        return texte_.substr(d, f - d);
    }

    BoitePtr marque(BoitePtr boite, const Noeud &n) const { return marque(std::move(boite), n.debut, n.fin); }
    BoitePtr marque(BoitePtr boite, int debut, int fin) const
    {
        boite->debut = debut;
        boite->fin = fin;
        boite->estompee = debut >= limite_;
        return boite;
    }

    // The text of a node; its characters map to the bytes of its span when
    // the span holds exactly that text.
    BoitePtr texte_du_noeud(int debut, int fin, const QString &affiche, const Style &s) const
    {
        if (piece(debut, fin) == affiche.toStdString()) {
            BoitePtr boite = BoiteTexte::directe(affiche, s, debut);
            boite->estompee = debut >= limite_;
            return boite;
        }
        return marque(std::make_unique<BoiteTexte>(affiche, s), debut, fin);
    }

    // A sign between two parts, with its span: the first occurrence of
    // `signe` in the text between them.
    BoitePtr operateur(const QString &affiche, std::string_view signe, int entre, int et, qreal taille,
                       qreal espace)
    {
        const qreal em = style(taille).em;
        auto boite = std::make_unique<BoiteTexte>(affiche, style(taille), espace * em, espace * em);
        const std::size_t p = piece(entre, et).find(signe);
        if (entre >= 0 && p != std::string_view::npos) {
            boite->debut = entre + static_cast<int>(p);
            boite->fin = boite->debut + static_cast<int>(signe.size());
        }
        return boite;
    }

    BoitePtr entre(Delimiteur gauche, BoitePtr contenu, Delimiteur droite, const Noeud &n, qreal taille)
    {
        return entre(gauche, std::move(contenu), droite, n.debut, n.fin, taille);
    }
    BoitePtr entre(Delimiteur gauche, BoitePtr contenu, Delimiteur droite, int debut, int fin, qreal taille)
    {
        return marque(std::make_unique<BoiteDelimiteurs>(gauche, std::move(contenu), droite, style(taille),
                                                         fin > limite_),
                      debut, fin);
    }

    BoitePtr entre_parentheses(BoitePtr contenu, qreal taille)
    {
        return std::make_unique<BoiteDelimiteurs>(Delimiteur::parenthese_gauche, std::move(contenu),
                                                  Delimiteur::parenthese_droite, style(taille));
    }

    // A node drawn without the parentheses that only group it in the linear text.
    BoitePtr sans_parentheses(int i, qreal taille)
    {
        const Noeud &n = a_[i];
        return noeud(n.genre == Genre::groupe ? enfant(n, 0) : i, taille);
    }

    // A signed operand after an operation is drawn in parentheses: 2 × (−3).
    BoitePtr operande(int i, qreal taille)
    {
        BoitePtr boite = noeud(i, taille);
        return a_[i].genre == Genre::signe ? entre_parentheses(std::move(boite), taille) : std::move(boite);
    }

    bool commence_par_chiffre(int i) const
    {
        for (int profondeur = 0; profondeur < 10000; ++profondeur) {
            const Noeud &n = a_[i];
            if (n.genre == Genre::nombre)
                return true;
            if (n.genre != Genre::puissance && n.genre != Genre::produit && n.genre != Genre::somme &&
                n.genre != Genre::relation)
                return false;
            i = enfant(n, 0);
        }
        return false;
    }

    BoitePtr vecteur(const Noeud &n, qreal taille)
    {
        BoitePtr points;
        if (a_.mot(n) == "o")
            points = std::make_unique<BoiteTexte>(QStringLiteral("0"), style(taille));
        else
            points = BoiteTexte::directe(mot(n), style(taille, true), n.debut);
        return marque(std::make_unique<BoiteVecteur>(std::move(points), style(taille)), n);
    }

    BoitePtr fonction(const Noeud &n, qreal taille)
    {
        BoitePtr argument = noeud(enfant(n, 0), taille);
        const std::string_view nom = a_.mot(n);
        if (nom == "sqrt")
            return marque(std::make_unique<BoiteRacine>(std::move(argument), style(taille)), n);
        if (nom == "abs")
            return entre(Delimiteur::barre, std::move(argument), Delimiteur::barre, n, taille);
        auto ligne = std::make_unique<BoiteLigne>();
        const int fin_nom = n.debut + static_cast<int>(nom.size());
        ligne->ajoute(texte_du_noeud(n.debut, fin_nom, mot(n), style(taille)));
        ligne->ajoute(entre(Delimiteur::parenthese_gauche, std::move(argument), Delimiteur::parenthese_droite,
                            fin_nom, n.fin, taille),
                      0.04 * style(taille).em);
        return marque(std::move(ligne), n);
    }

    BoitePtr puissance(const Noeud &n, qreal taille)
    {
        BoitePtr base = noeud(enfant(n, 0), taille);
        BoitePtr exposant = sans_parentheses(enfant(n, 1), std::max(taille * ECHELLE_EXPOSANT, TAILLE_MINIMALE));
        return marque(std::make_unique<BoitePuissance>(std::move(base), std::move(exposant), style(taille)), n);
    }

    // Factors grouped from the left: a "/" makes everything before it the
    // numerator. A group alone as a numerator or as a denominator loses its
    // parentheses.
    BoitePtr produit(const Noeud &n, qreal taille)
    {
        // Factors before the last "/" and every denominator are parts of a
        // fraction; inside a fraction they are drawn smaller.
        int derniere_barre = -1;
        for (int k = 1; k < nombre_enfants(n); ++k)
            if (operateur_avant(n, k) == '/')
                derniere_barre = k;
        const qreal taille_partie =
            profondeur_fraction_ > 0 ? std::max(taille * ECHELLE_FRACTION_INTERIEURE, TAILLE_MINIMALE) : taille;
        auto ligne = std::make_unique<BoiteLigne>();
        for (int k = 0; k < nombre_enfants(n); ++k) {
            const int f = enfant(n, k);
            const char op = operateur_avant(n, k);
            const bool dans_fraction = k < derniere_barre || (k > 0 && op == '/');
            const qreal t = dans_fraction ? taille_partie : taille;
            const int niveau = dans_fraction ? 1 : 0;
            profondeur_fraction_ += niveau;
            if (k == 0) {
                const bool seul_numerateur = nombre_enfants(n) > 1 && operateur_avant(n, 1) == '/';
                ligne->ajoute(seul_numerateur ? sans_parentheses(f, t) : noeud(f, t));
            } else if (op == '/') {
                BoitePtr numerateur = std::move(ligne);
                auto fraction = std::make_unique<BoiteFraction>(std::move(numerateur), sans_parentheses(f, t),
                                                                style(taille));
                ligne = std::make_unique<BoiteLigne>();
                ligne->ajoute(std::move(fraction));
            } else if (commence_par_chiffre(f) || a_[f].genre == Genre::signe) {
                ligne->ajoute(operateur(QStringLiteral("\u00D7"), "*", a_[enfant(n, k - 1)].fin, a_[f].debut, t,
                                        ESPACE_OPERATION));
                ligne->ajoute(operande(f, t));
            } else {
                const Noeud &facteur = a_[f];
                const bool nom_de_fonction = facteur.genre == Genre::fonction && a_.mot(facteur) != "sqrt" &&
                                             a_.mot(facteur) != "abs";
                ligne->ajoute(noeud(f, t), (nom_de_fonction ? ESPACE_FINE : 0.03) * style(t).em);
            }
            profondeur_fraction_ -= niveau;
        }
        return marque(std::move(ligne), n);
    }

    BoitePtr somme(const Noeud &n, qreal taille)
    {
        auto ligne = std::make_unique<BoiteLigne>();
        for (int k = 0; k < nombre_enfants(n); ++k) {
            const int t = enfant(n, k);
            if (k == 0) {
                ligne->ajoute(noeud(t, taille));
                continue;
            }
            const char op = operateur_avant(n, k);
            ligne->ajoute(operateur(op == '-' ? QStringLiteral("\u2212") : QStringLiteral("+"),
                                    std::string_view(op == '-' ? "-" : "+"), a_[enfant(n, k - 1)].fin,
                                    a_[t].debut, taille, ESPACE_OPERATION));
            ligne->ajoute(operande(t, taille));
        }
        return marque(std::move(ligne), n);
    }

    BoitePtr signe(const Noeud &n, qreal taille)
    {
        auto ligne = std::make_unique<BoiteLigne>();
        const QString affiche = a_.mot(n) == "-" ? QStringLiteral("\u2212") : QStringLiteral("+");
        ligne->ajoute(marque(std::make_unique<BoiteTexte>(affiche, style(taille), 0, 0.04 * style(taille).em),
                             n.debut, n.debut + 1));
        ligne->ajoute(operande(enfant(n, 0), taille));
        return marque(std::move(ligne), n);
    }

    BoitePtr relation(const Noeud &n, qreal taille)
    {
        static const std::pair<std::string_view, const char16_t *> SIGNES[] = {
            {"<=", u"\u2264"}, {">=", u"\u2265"}, {"=", u"="}, {"<", u"<"}, {">", u">"}};
        const std::string_view source = a_.mot(n);
        QString affiche = mot(n);
        for (const auto &[texte, signe] : SIGNES)
            if (source == texte)
                affiche = QString::fromUtf16(signe);
        auto ligne = std::make_unique<BoiteLigne>();
        const int gauche = enfant(n, 0);
        const int droite = enfant(n, 1);
        ligne->ajoute(noeud(gauche, taille));
        ligne->ajoute(operateur(affiche, source, a_[gauche].fin, a_[droite].debut, taille, ESPACE_RELATION));
        ligne->ajoute(noeud(droite, taille));
        return marque(std::move(ligne), n);
    }

    BoitePtr systeme(const Noeud &n, qreal taille)
    {
        const Style &s = style(taille);
        std::vector<BoitePtr> lignes;
        for (int k = 0; k < nombre_enfants(n); ++k)
            lignes.push_back(noeud(enfant(n, k), taille));
        auto pile = std::make_unique<BoitePile>(std::move(lignes), 0.3 * s.em, s.axe);
        return entre(Delimiteur::accolade_gauche, std::move(pile), Delimiteur::aucun, n, taille);
    }

    // Items joined by a word or a sign: "et" lists and unions.
    BoitePtr suite(const Noeud &n, qreal taille, const QString &lien, std::string_view source, qreal espace)
    {
        auto ligne = std::make_unique<BoiteLigne>();
        for (int k = 0; k < nombre_enfants(n); ++k) {
            const int e = enfant(n, k);
            if (k > 0)
                ligne->ajoute(operateur(lien, source, a_[enfant(n, k - 1)].fin, a_[e].debut, taille, espace));
            ligne->ajoute(noeud(e, taille));
        }
        return marque(std::move(ligne), n);
    }

    bool infini(int i) const
    {
        const Noeud &n = a_[i];
        return n.genre == Genre::infini || (n.genre == Genre::signe && a_[enfant(n, 0)].genre == Genre::infini);
    }

    // An upper bound "inf" reads "+∞".
    BoitePtr borne(int i, qreal taille)
    {
        const Noeud &n = a_[i];
        if (n.genre == Genre::infini)
            return marque(std::make_unique<BoiteTexte>(QStringLiteral("+\u221E"), style(taille)), n);
        return noeud(i, taille);
    }

    // ]a ; b[ and the like: an infinite end is always open.
    BoitePtr domaine(const Noeud &n, qreal taille)
    {
        const int basse = enfant(n, 1);
        const int haute = enfant(n, 2);
        const std::string_view code = a_.mot(n);
        const bool basse_ouverte = code == "12" || code == "14" || infini(basse);
        const bool haute_ouverte = code == "12" || code == "15" || infini(haute);
        auto ligne = std::make_unique<BoiteLigne>();
        ligne->ajoute(borne(basse, taille));
        ligne->ajoute(operateur(QStringLiteral(";"), ",", a_[basse].fin, a_[haute].debut, taille, 0.25));
        ligne->ajoute(borne(haute, taille));
        return entre(basse_ouverte ? Delimiteur::crochet_droit : Delimiteur::crochet_gauche, std::move(ligne),
                     haute_ouverte ? Delimiteur::crochet_gauche : Delimiteur::crochet_droit, n, taille);
    }

    BoitePtr ensemble(const Noeud &n, qreal taille)
    {
        if (nombre_enfants(n) == 0)
            return marque(std::make_unique<BoiteTexte>(QStringLiteral("\u2205"), style(taille)), n);
        auto ligne = std::make_unique<BoiteLigne>();
        const std::string_view separateur = a_.mot(n).empty() ? std::string_view(";") : a_.mot(n);
        for (int k = 0; k < nombre_enfants(n); ++k) {
            const int v = enfant(n, k);
            if (k > 0)
                ligne->ajoute(operateur(QStringLiteral(";"), separateur, a_[enfant(n, k - 1)].fin, a_[v].debut,
                                        taille, 0.25));
            ligne->ajoute(noeud(v, taille));
        }
        return entre(Delimiteur::accolade_gauche, std::move(ligne), Delimiteur::accolade_droite, n, taille);
    }
};

} // namespace

BoitePtr construit_boites(const Arbre &arbre, std::string_view texte, Polices &polices, qreal taille, int limite)
{
    if (arbre.racine < 0 || arbre.racine >= static_cast<int>(arbre.noeuds.size()))
        return std::make_unique<BoiteLigne>();
    return Constructeur(arbre, texte, polices, limite).noeud(arbre.racine, taille);
}

} // namespace dessin
