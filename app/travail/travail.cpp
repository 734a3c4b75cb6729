#include "app/travail/travail.h"

#include <algorithm>
#include <ctime>

#include "app/travail/mot_de_passe.h"
#include "app/travail/enonce_refuse.h"
#include "app/travail/reponse.h"
#include "algebra/algebre.h"
#include "core/configuration.h"
#include "formula/vocabulaire.h"
#include "exercise/fichier_exercice.h"
#include "exercise/grilles.h"
#include "exercise/preparation.h"
#include "formula/lineaire.h"

namespace {

std::string consigne_de_nature(int nature)
{
    switch (nature) {
    case EXPRESSION: return "Calculer l'expression ci-dessous.";
    case EQUATION: return "Résoudre l'équation ci-dessous.";
    case SYSTEME: return "Résoudre le système ci-dessous.";
    default: return "Résoudre l'inéquation ci-dessous.";
    }
}

// Capital letters typed in a statement are taken as x, y... unless the text
// names vectors, whose points are capitals.
void en_minuscules(std::string &texte)
{
    if (contient(texte, "arrow"))
        return;
    for (char &c : texte)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
}

} // namespace

Travail::Travail()
{
    // The parameters window shows the folder, and saves it back only when the
    // teacher changed it.
    partage.dossier_frere = lit_dossier_frere();
    partie_source.fill(0);
    boites[MTHX1].texte.clear();
    a_zero();
}

void Travail::a_zero()
{
    message = lit_configuration();
    partage.consigne = partage.consigne_initiale;
    valeurs_par_defaut();
    for (int i = 1; i <= ETAPES_MAX; ++i) {
        commentaires[i].clear();
        solutions[i] = false;
        etapes[i].clear();
        tailles[i] = TAILLE_DEFAUT;
    }
    efface_resultats(3);
    liste_aides_visible = false;
    label3 = partage.consigne;
    label7.clear();
}

void Travail::FormActivate(const std::string &argument_ligne_commande)
{
    Partage &p = partage;
    demande_argument.reset();
    if (!premiere_activation)
        return;
    p.etape = 1;
    p.nb_formes = 0;
    p.mode_grille = 0;
    p.expression_x.clear();
    p.expression_y.clear();
    p.base_systeme = false;
    autre_en_cours = false;
    p.forme_canonique_possible = false;
    premier_changement = true;
    autre_texte.clear();

    // The command-line text enters as a typed one would: in lower case and in
    // the linear form that the input box gives.
    std::string base = argument_ligne_commande;
    en_minuscules(base);
    p.expression_base = forme_lineaire(base);
    change_saisie(p.expression_base, false);

    p.autre_rang = 1;
    p.autre_tour = 1;
    // Every later step starts as "not made by a selection".
    std::fill(partie_source.begin() + 2, partie_source.end(), -1);
    partie_choisie = -1;
    premiere_activation = false;
    couleur_label3 = couleur_label7 = COULEUR_CONSIGNE;
    p.exercice_en_argument = !argument_ligne_commande.empty();
    bouton_charger_visible = !p.exercice_en_argument;
    mot_de_passe_demande = !exercice_au_demarrage;
    seme(static_cast<unsigned>(std::time(nullptr)));
}

void Travail::vide_historique()
{
    Partage &p = partage;
    p.nombre_historique = 0;
    for (int i = 1; i <= HISTORIQUE_MAX; ++i) {
        p.historique_expressions[i].clear();
        p.historique_commentaires[i].clear();
    }
}

void Travail::reprendre_base()
{
    Partage &p = partage;
    vide_historique();
    efface_resultats(3);
    p.etape = 1;
    // No step yet: the answer window holds nothing of a previous work.
    p.derniere_expression.clear();
    groupe_fractions_numeriques(p.expression_base);
    compacte_systeme(p.expression_base);
    etapes[1] = p.expression_base;
    enonce_eleve = false;
    montre(MTHX1, p.expression_base, 1);
}

void Travail::nouvel_exercice()
{
    boutons_prof_visibles = false;
    ::nouvel_exercice();
    liste_aides.clear();
    liste_aides_visible = false;
    label7.clear();
    label3 = partage.consigne;
}

void Travail::Image19Click()
{
    nouvel_exercice();
    std::fill(tailles.begin() + 1, tailles.end(), TAILLE_DEFAUT);
    reprendre_base();
}

Sortie Travail::Image4Click() const
{
    return partage.exercice_modifie ? Sortie::demander_sauvegarde : Sortie::fermer;
}

void Travail::SpeedButton9Click()
{
    if (!partage.mode_eleve) {
        passe_en_mode_eleve();
        return;
    }
    passage_prof_ = true;
    mot_de_passe_demande = true;
}

void Travail::passe_en_mode_eleve()
{
    Partage &p = partage;
    prepare();
    // The draw is kept so that the same values serve again after the
    // teacher's tables change.
    graine_eleve_ = graines_();
    seme_hasard(graine_eleve_);
    instancier_exercice();
    p.mode_eleve = true;
    // The pupil starts at 20, whatever the teacher tried before.
    p.note = 20;
    p.points_retires.clear();
    p.regles_nommees.clear();
    aides_lues.clear();
    reponses_donnees.clear();
    affiche_exercice();
    reprendre_base();
    libelles_du_mode();
}

void Travail::passe_en_mode_prof()
{
    Partage &p = partage;
    p.expression_base = p.expression_fichier;
    p.mode_eleve = false;
    affiche_exercice();
    reprendre_base();
    libelles_du_mode();
}

void Travail::libelles_du_mode()
{
    const bool eleve = partage.mode_eleve;
    libelle_speedbutton9 = eleve ? "PROF" : "ELEVE";
    libelle_speedbutton1 = eleve ? "REPONSE" : "ENONCE";
    libelle_label1 = eleve ? "Mode élève" : "Mode prof";
}

Passe Travail::mot_de_passe(const std::optional<std::string> &tape)
{
    Partage &p = partage;
    if (tape && !mot_de_passe_correct(*tape, p.mot_de_passe))
        return Passe::refusee;
    const bool depuis_eleve = passage_prof_;
    passage_prof_ = false;
    mot_de_passe_demande = false;
    if (!tape) {
        // Turned away at start-up, the person works as a pupil.
        if (!depuis_eleve && !p.mode_eleve)
            passe_en_mode_eleve();
        return Passe::annulee;
    }
    if (depuis_eleve && p.mode_eleve)
        passe_en_mode_prof();
    return Passe::acceptee;
}

std::vector<std::string> Travail::boutons_bas() const
{
    std::vector<std::string> boutons{libelle_speedbutton1, "SAUVER", "FIN"};
    if (boutons_prof_montres())
        boutons.insert(boutons.end(), {"AIDES", "REPONSES", "VALEURS"});
    boutons.push_back(libelle_speedbutton9);
    return boutons;
}

void Travail::seme(unsigned graine)
{
    graines_.seed(graine);
    seme_hasard(graine);
}

void Travail::grille_validee(int mode)
{
    Partage &p = partage;
    // In pupil mode the helps and answers shown are the instantiated ones:
    // they are drawn again with the same values, the statement staying as it is.
    if (p.mode_eleve && (mode == grille_aides || mode == grille_reponses)) {
        const std::string enonce = p.expression_base;
        p.expression_base = p.expression_fichier;
        seme_hasard(graine_eleve_);
        instancier_exercice();
        p.expression_base = enonce;
    }
    affiche_exercice();
}

void Travail::SpeedButton3Click()
{
    // The pupil's work is never dropped without his word.
    if (partage.mode_eleve) {
        question_recommencer = true;
        return;
    }
    prepare();
    reprendre_base();
}

void Travail::recommence(bool oui)
{
    question_recommencer = false;
    if (oui)
        reprendre_base();
}

void Travail::prepare()
{
    // The instruction typed with "ENONCE" belongs to the exercise being made.
    const std::string consigne = partage.consigne;
    const ExercicePrepare r = preparer_exercice(etapes[1]);
    if (!r.fait)
        return;
    partage.consigne = consigne;
    if (r.aides_refaites) {
        liste_aides = r.liste_aides;
        liste_aides_visible = true;
        label7.clear();
    }
    boutons_prof_visibles = true;
    affiche_exercice();
}

void Travail::ComboBox2Click(int index)
{
    Partage &p = partage;
    const int numero = index + 1;
    if (numero < 1 || numero >= static_cast<int>(p.penalites_aides.size()))
        return;
    // A help costs the pupil once; the teacher reads it for nothing. The
    // exercise keeps its cost either way, for the next pupil and for the file.
    const bool gratuite = !p.mode_eleve || std::any_of(aides_lues.begin(), aides_lues.end(),
                                                       [numero](const AideLue &a) { return a.numero == numero; });
    const int cout = p.penalites_aides[numero];
    const int note = p.note;
    if (gratuite)
        p.penalites_aides[numero] = 0;
    const std::optional<AideOuverte> aide = ouvre_aide(numero);
    p.penalites_aides[numero] = cout;
    if (!aide)
        return;
    label7 = aide->texte;
    taille_label7 = aide->taille_police;
    if (gratuite)
        return;
    const std::string titre = index < static_cast<int>(liste_aides.size()) ? liste_aides[index] : std::string();
    aides_lues.push_back({numero, titre, aide->texte, note - p.note});
    retient("Aide " + std::to_string(numero), note - p.note);
}

void Travail::retient(const std::string &quoi, int points)
{
    if (points > 0)
        partage.points_retires.push_back(quoi + " : −" + std::to_string(points));
}

void Travail::repond(const std::string &reponse)
{
    Partage &p = partage;
    const int note = p.note;
    if (!verifie_reponse(reponse, etapes[1], !enonce_eleve))
        return;
    if (enonce_eleve)
        p.commentaire_final = p.commentaire_final == SANS_COMMENTAIRES
                                  ? std::string(REPONSE_NON_NOTEE)
                                  : p.commentaire_final + " " + REPONSE_NON_NOTEE;
    std::string ecrite = reponse;
    remplace_chaque(ecrite, "*et*", " et ");
    retient("Réponse " + ecrite, note - p.note);
    reponses_donnees.push_back({ecrite, p.commentaire_final, note - p.note});
}

void Travail::SpeedButton1Click()
{
    Partage &p = partage;
    if (!p.mode_eleve) {
        editeur_consigne_visible = true;
        return;
    }
    demande_reponse();
}

void Travail::demande_reponse()
{
    Partage &p = partage;
    const int nature = EnonceLu(etapes[1]).nature;
    if (nature >= INFERIEUR && nature <= SUPERIEUR_OU_EGAL)
        p.saisie_inequation = true;
    p.action_en_cours = 10;
    demande_argument =
        DemandeArgument{10, p.dx_fenetre + p.dx_haut + 78, p.dy_haut + 22, p.derniere_expression};
}

void Travail::SpeedButton7Click(const std::string &texte_memo)
{
    std::string consigne = texte_memo;
    std::erase_if(consigne, [](char c) { return c == '\r' || c == '\n'; });
    partage.consigne = consigne;
    editeur_consigne_visible = false;
    label3 = consigne;
    partage.exercice_modifie = true;
}

void Travail::SpeedButton8Click() { editeur_consigne_visible = false; }

void Travail::affiche_exercice() { label3 = partage.consigne; }

// ---------------------------------------------------------------- boxes

void Travail::MthX1Enter()
{
    efface_resultats(3);
    partage.etape = 1;
    boite_active = MTHX1;
    change_saisie(boites[MTHX1].texte, false);
}

void Travail::change_saisie(const std::string &texte, bool tapee)
{
    Partage &p = partage;
    // A text too long for any operation is kept in the box but worked on as
    // an empty one; the user is told once.
    const bool trop_long = texte_trop_long(texte);
    if (trop_long && !texte_trop_long(boites[MTHX1].texte))
        message = MESSAGE_TEXTE_TROP_LONG;
    boites[MTHX1].texte = texte;
    if (!autre_en_cours)
        autre_texte.clear();
    p.etape = 1;
    std::string base = premier_changement ? p.expression_base : trop_long ? std::string() : texte;
    en_minuscules(base);
    base = forme_lineaire(base, lettres_des_variables(p.lignes_parametres));
    groupe_fractions_numeriques(base);
    // Another statement typed starts another work: the steps of the former
    // one must not become the history of this one.
    if (tapee && base != etapes[1]) {
        vide_historique();
        enonce_eleve = enonce_eleve || p.mode_eleve;
    }
    etapes[1] = base;
    p.mode_vecteurs = contient(base, "arrow");
    remplit_parties(base);
    met_a_jour_panneaux(base);
    premier_changement = false;
    // A statement that cannot be what it looks like offers nothing to do.
    const std::string refus = refus_enonce(base);
    if (!refus.empty()) {
        label3 = refus;
        parties.clear();
        for (EtatPanneau &panneau : menus.panneaux)
            panneau.actif = false;
    } else if (enonce_refuse) {
        label3 = p.consigne;
    }
    enonce_refuse = !refus.empty();
}

void Travail::change_resultat(Boite boite)
{
    // An empty box shows "1" without a step number; a step that reads "1" is a
    // statement like any other, and the panels must follow it.
    const std::string &texte = boites[boite].texte;
    if (texte.empty() || (texte == "1" && !boites[boite].badge_visible))
        return;
    remplit_parties(texte);
    met_a_jour_panneaux(texte);
}

void Travail::met_a_jour_panneaux(const std::string &texte)
{
    const int e = partage.etape;
    EtatMenus etat;
    etat.base = etapes[1];
    etat.partie_source_etape = e >= 2 && e <= ETAPES_MAX ? partie_source[e] : -1;
    etat.partie_source_2 = partie_source[2];
    etat.autre_en_cours = autre_en_cours;
    menus = met_a_jour_menus(texte, etat);
    if (partage.mode_eleve)
        menus = sans_panneaux_retenus(std::move(menus), partage.panneaux_permis);
}

void Travail::options_changees()
{
    met_a_jour_panneaux(courante());
    if (enonce_refuse)
        for (EtatPanneau &panneau : menus.panneaux)
            panneau.actif = false;
}

void Travail::efface_resultats(int n)
{
    boites[MTHX1].couleur = COULEUR_BLANC;
    for (Boite b : {MTHX2, MTHX4, MTHX3}) {
        if (n <= 0)
            break;
        --n;
        AffichageBoite &a = boites[b];
        a.couleur = COULEUR_BOITE_VIDE;
        a.taille = TAILLE_DEFAUT;
        a.texte = "1";
        a.commentaire.clear();
        a.couleur_commentaire = COULEUR_BOITE_VIDE;
        a.badge_visible = false;
        a.fleches_visibles = false;
    }
}

void Travail::montre(Boite boite, const std::string &texte, int numero, bool en_cours)
{
    AffichageBoite &a = boites[boite];
    a.taille = tailles[numero];
    a.texte = texte;
    boite_active = boite;
    if (boite == MTHX1) {
        change_saisie(texte, false);
        return;
    }
    a.badge = numero;
    a.badge_visible = true;
    if (en_cours)
        change_resultat(boite);
}

void Travail::montre_etape(int n, const std::string &texte, const std::string &commentaire,
                           bool avant)
{
    const Couleur couleur = partage.couleur_commentaire;
    auto etiquette = [&](Boite b, const std::string &c) {
        boites[b].commentaire = c;
        boites[b].couleur_commentaire = COULEUR_ANCIENNE;
    };
    auto nouvelle = [&](Boite b, Boite precedente) {
        boites[b].couleur = couleur;
        if (precedente != b)
            boites[precedente].couleur = COULEUR_ANCIENNE;
        montre(b, texte, n);
        boites[b].fleches_visibles = true;
        etiquette(b, commentaire);
    };
    if (n == 1) {
        efface_resultats(3);
        montre(MTHX1, texte, 1);
    } else if (n == 2) {
        efface_resultats(2);
        nouvelle(MTHX3, MTHX3);
    } else if (n == 3) {
        efface_resultats(1);
        nouvelle(MTHX4, MTHX3);
    } else if (n == 4 && avant) {
        nouvelle(MTHX2, MTHX4);
    } else {
        if (avant)
            glissements.push_back(2);
        boites[MTHX2].couleur = couleur;
        // The older steps only move up a box: the panels and the parts follow the new one.
        montre(MTHX4, etapes[n - 1], n - 1, false);
        montre(MTHX3, etapes[n - 2], n - 2, false);
        montre(MTHX2, texte, n);
        if (!avant)
            glissements.push_back(-2);
        // Each label shows the comment of the step in its box, either way.
        etiquette(MTHX3, commentaires[n - 2]);
        etiquette(MTHX4, commentaires[n - 1]);
        etiquette(MTHX2, commentaire);
    }
}

void Travail::change_taille(Boite boite, int pas)
{
    AffichageBoite &a = boites[boite];
    a.taille = std::clamp(a.taille + pas, 1, 200);
    tailles[std::clamp(partage.etape, 1, ETAPES_MAX)] = a.taille;
}

// ---------------------------------------------------------------- steps

void Travail::ajoute_historique(const std::string &texte, const std::string &commentaire)
{
    Partage &p = partage;
    p.nombre_historique = std::min(p.nombre_historique + 1, HISTORIQUE_MAX);
    p.historique_expressions[p.nombre_historique] = texte;
    p.historique_commentaires[p.nombre_historique] = commentaire;
}

void Travail::enregistrer_etape(std::string texte, std::string commentaire, bool avant, GenreEtape genre)
{
    Partage &p = partage;
    p.etape = std::clamp(p.etape + (avant ? 1 : -1), 1, ETAPES_MAX);
    const int n = p.etape;
    // A list of solutions is no product: its "*et*" must stay as it is.
    if (!contient(texte, "*et*"))
        groupe_fractions_numeriques(texte);
    etapes[n] = texte;
    p.derniere_expression = texte;
    if (n == 2 && p.consigne == p.consigne_initiale) {
        p.consigne = consigne_de_nature(p.nature_exercice);
        label3 = p.consigne;
    }
    const bool autre = genre == GenreEtape::autre_forme;
    if (autre) {
        commentaire = "Demander une autre expression";
    } else {
        autre_texte.clear();
        autre_en_cours = false;
    }
    if (genre == GenreEtape::annulation) {
        commentaire = commentaires[n];
    } else {
        commentaires[n] = commentaire;
        solutions[n] = genre == GenreEtape::solution;
    }
    p.couleur_commentaire = solutions[n] ? COULEUR_SOLUTION : COULEUR_NOUVELLE;
    if (n == 2 && avant && p.nombre_historique == 0)
        ajoute_historique(etapes[1], "Expression de base");
    if (contient(etapes[1], "{\r\n"))
        compacte_systeme(etapes[1]);
    if (!commentaire.empty()) {
        ajoute_historique(texte, commentaire);
        // The teacher's steps are the exercise to come: leaving asks first.
        if (!p.mode_eleve)
            p.exercice_modifie = true;
    }
    // A step made by anything but a selection (or a new form of the same
    // step) must not keep the part of an erased step at the same number.
    if (avant && !selection_en_cours && !autre)
        partie_source[n] = -1;
    montre_etape(n, texte, commentaire, avant);
}

void Travail::Image17Click()
{
    Partage &p = partage;
    if (p.etape <= 1)
        return;
    enregistrer_etape(etapes[p.etape - 1], "", false, GenreEtape::annulation);
    p.nombre_historique = std::max(p.nombre_historique - 2, 0);
}

// ---------------------------------------------------------------- parts

namespace {

// What each part of the list is, named from the statement: a line of a
// system (feminine), a member of a relation, a factor of a product or a term.
NomPartie nom_des_parties(const EnonceLu &enonce)
{
    if (enonce.nature == SYSTEME)
        return {" " + enonce.mot_systeme, true};
    if (enonce.nature != EXPRESSION)
        return {" membre", false};
    const Membre &m = enonce.membres.front();
    return {!m.termes && m.parties.size() > 1 ? " facteur" : " terme", false};
}

} // namespace

void Travail::remplit_parties(const std::string &texte)
{
    Partage &p = partage;
    std::string t = texte;
    groupe_fractions_numeriques(t);
    const EnonceLu enonce(t);
    parties.clear();
    nom_partie = nom_des_parties(enonce);
    if (p.etape == 1) {
        p.base_systeme = enonce.nature == SYSTEME;
        if (!p.base_systeme) {
            p.expression_x.clear();
            p.expression_y.clear();
        }
    }
    if (enonce.nature == EXPRESSION) {
        const Membre &membre = enonce.membres.front();
        const std::optional<PieceSeule> seule = piece_seule(enonce, membre);
        if (seule)
            parties.push_back(" " + seule->base);
        else
            for (const std::string &piece : pieces_affichees(enonce, membre))
                parties.push_back(" " + piece);
        p.libelle_membres = libelle_des_parties(enonce, membre);
    } else {
        parties.push_back(" " + enonce.membre(0));
        parties.push_back(" " + enonce.membre(1));
        p.libelle_membres =
            enonce.nature == SYSTEME ? "Deux " + enonce.mot_systeme + "s..." : "Deux membres...";
    }
    parties.push_back(p.libelle_membres);
    partie_affichee = static_cast<int>(parties.size()) - 1;
}

int Travail::fait_n_box(Boite boite, int gauche, int droite)
{
    const Partage &p = partage;
    const EnonceLu enonce(etapes[std::clamp(p.etape, 1, ETAPES_MAX)]);
    const int m = static_cast<int>(boites[boite].texte.size());
    if (gauche + m == droite)
        return 0;
    if (enonce.nature != EXPRESSION && enonce.position_relation > 0)
        return enonce.position_relation < gauche + 1 ? 2 : 1;
    // The part that holds the caret, among the eight parts shown.
    const std::vector<Partie> &parties = enonce.membres.front().parties;
    std::size_t k = 1;
    while (k < std::min<std::size_t>(parties.size(), 8) && static_cast<int>(parties[k - 1].etendue.fin) < gauche + 1)
        ++k;
    return static_cast<int>(k);
}

void Travail::c_box1(int k)
{
    static constexpr const char *ordinaux[] = {"premier",  "second",    "troisième", "quatrième",
                                               "cinquième", "sixième", "septième",  "huitième"};
    // Only a part can be selected: not the title, not past the list.
    if (k < 0 || k >= 8 || k + 1 >= static_cast<int>(parties.size()))
        return;
    const bool feminin = nom_partie.feminin;
    partie_choisie = k;
    // "la première équation", "le second membre".
    std::string ordinal = ordinaux[k];
    if (feminin && k <= 1)
        ordinal = k == 0 ? "première" : "seconde";
    const std::string nom = (feminin ? "la " : "le ") + ordinal + nom_partie.nom;
    partie_source[std::min(partage.etape + 1, ETAPES_MAX)] = k;
    selection_en_cours = true;
    enregistrer_etape(parties[static_cast<std::size_t>(k)], "Il faut sélectionner " + nom, true);
    selection_en_cours = false;
}

void Travail::ComboBox1Click(int index)
{
    if (index < static_cast<int>(parties.size()) - 1)
        c_box1(index);
}

void Travail::clic_resultat(Boite boite, int gauche, int droite)
{
    Partage &p = partage;
    // An older box takes the work back to the step it shows.
    const AffichageBoite &a = boites[boite];
    if ((boite == MTHX3 || boite == MTHX4) && a.badge_visible && a.badge >= 1 && a.badge < p.etape)
        p.etape = a.badge;
    if (boite == MTHX1)
        change_saisie(boites[MTHX1].texte, false);
    else
        change_resultat(boite);
    const int k = fait_n_box(boite, gauche, droite);
    if (k > 0)
        c_box1(k - 1);
}

void Travail::MthX1LMouseClicked(int gauche, int droite) { clic_resultat(MTHX1, gauche, droite); }
void Travail::MthX2LMouseClicked(int gauche, int droite) { clic_resultat(MTHX2, gauche, droite); }
void Travail::MthX3LMouseClicked(int gauche, int droite) { clic_resultat(MTHX3, gauche, droite); }
void Travail::MthX4LMouseClicked(int gauche, int droite) { clic_resultat(MTHX4, gauche, droite); }

Saisie Travail::AppMessage(const Saisie &saisie, Message message)
{
    autre_en_cours = false;
    autre_texte.clear();
    if (message.code == TOUCHE_CARRE)
        boite_active = MTHX1;
    const Saisie apres = frappe(saisie, message, partage.mode_vecteurs);
    // A text too long for any operation does not enter the box.
    if (apres.texte.size() > saisie.texte.size() && texte_trop_long(apres.texte)) {
        this->message = MESSAGE_TEXTE_TROP_LONG;
        return saisie;
    }
    if (apres.texte != saisie.texte)
        MthX1Change(apres.texte);
    return apres;
}

int modele_eclaire(int x, int y)
{
    const bool gauche = x > 5 && x < 35, droite = x > 40 && x < 75;
    if (y > 40 && y < 75)
        return gauche ? 6 : droite ? 29 : 0;
    if (y >= 6 && y < 40)
        return gauche ? 8 : droite ? 9 : 0;
    return 0;
}

// The relation buttons send their two characters straight to the box, past
// the keyboard rules; the other two post theirs through the rules.
Saisie Travail::Image8Click(const Saisie &saisie)
{
    return tape_modele(saisie, {{GenreMessage::touche, TOUCHE_DROITE}, {GenreMessage::caractere, '<'}, {GenreMessage::caractere, '='}},
                       false);
}

Saisie Travail::Image9Click(const Saisie &saisie)
{
    return tape_modele(saisie, {{GenreMessage::touche, TOUCHE_DROITE}, {GenreMessage::caractere, '>'}, {GenreMessage::caractere, '='}},
                       false);
}

Saisie Travail::Image29Click(const Saisie &saisie)
{
    return tape_modele(saisie, {{GenreMessage::caractere, '^'}}, true);
}

Saisie Travail::Image6Click(const Saisie &saisie)
{
    return tape_modele(saisie, {{GenreMessage::caractere, CARACTERE_RACINE}}, true);
}

Saisie Travail::tape_modele(const Saisie &saisie, std::initializer_list<Message> messages, bool par_les_regles)
{
    boite_active = MTHX1;
    Saisie apres = saisie;
    for (const Message &m : messages) {
        if (par_les_regles) {
            apres = AppMessage(apres, m);
        } else {
            applique_message(apres, m);
            if (apres.texte != boites[MTHX1].texte)
                MthX1Change(apres.texte);
        }
    }
    return apres;
}

// ---------------------------------------------------------------- files

bool Travail::charge_exercice(const std::string &chemin)
{
    Partage &p = partage;
    const bool eleve = p.mode_eleve;
    std::array<int, 5> tailles_fichier{};
    std::copy(tailles.begin(), tailles.begin() + 5, tailles_fichier.begin());
    Exercice exercice = exercice_en_cours({}, tailles_fichier);
    if (const LectureExercice lecture = lire_exercice(chemin, exercice); lecture != LectureExercice::reussie) {
        message = lecture.message;
        return false;
    }
    message.clear();
    installe_exercice(exercice);
    p.fichier_exercice = chemin;
    p.exercice_modifie = false;
    for (int i = 1; i <= 4; ++i)
        tailles[i] = exercice.tailles[i];
    liste_aides.clear();
    for (const Aide &aide : exercice.aides)
        liste_aides.push_back(aide.titre);
    if (exercice.liste_aides)
        liste_aides.push_back(TITRE_LISTE_AIDES);
    liste_aides_visible = exercice.liste_aides;
    affiche_exercice();
    reprendre_base();
    boutons_prof_visibles = true;
    // A pupil opens the exercise as a pupil, its values drawn.
    if (eleve)
        passe_en_mode_eleve();
    else
        libelles_du_mode();
    return true;
}

bool Travail::ouvre_exercice(const std::string &chemin)
{
    const bool ouvert = charge_exercice(chemin);
    if (ouvert && !partage.mode_eleve)
        passe_en_mode_eleve();
    if (!ouvert && exercice_au_demarrage && !partage.mode_eleve)
        mot_de_passe_demande = true;
    return ouvert;
}

bool Travail::sauve_exercice(const std::string &chemin, HorsFormat hors_format)
{
    Partage &p = partage;
    prepare();
    const std::vector<std::string> titres = titres_des_aides(liste_aides);
    std::array<int, 5> tailles_fichier{};
    std::copy(tailles.begin(), tailles.begin() + 5, tailles_fichier.begin());
    const Enregistrement sauve = sauver_exercice(chemin, exercice_en_cours(titres, tailles_fichier), hors_format);
    caracteres_hors_format = sauve.hors_format;
    if (!sauve) {
        message = sauve.message;
        return false;
    }
    message.clear();
    p.fichier_exercice = chemin;
    p.exercice_modifie = false;
    return true;
}
