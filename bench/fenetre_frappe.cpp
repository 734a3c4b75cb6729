// The main window driven offscreen:
//   fenetre_frappe      one keystroke in the input box, with the menus, the
//                       parts list and the repaint it causes; reports the
//                       median and the 99th percentile in milliseconds
//   fenetre_demarrage   the eight windows created until the password window shows
//   fenetre_texte_long  one keystroke while the box holds the longest statement
//                       worked on, or after a far longer text was offered at
//                       once (refused); reports the peak memory too

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QKeyEvent>
#include <sys/resource.h>

#include <benchmark/benchmark.h>

#include "app/fenetres/fenetre_argument.h"
#include "app/fenetres/fenetre_mot_de_passe.h"
#include "app/fenetres/fenetre_principale.h"
#include "app/fenetres/fenetre_question.h"
#include "app/fenetres/fenetre_resultat.h"
#include "core/encodage.h"
#include "core/partage.h"
#include "exercise/fenetres/parametres.h"
#include "exercise/fenetres/professeur.h"
#include "print/imprime.h"

namespace {

using Horloge = std::chrono::steady_clock;

void application()
{
    if (QApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char nom[] = "bench_fenetre_frappe";
    static char *argv[] = {nom, nullptr};
    new QApplication(argc, argv);
}

double millisecondes(Horloge::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double centile(std::vector<double> v, double q)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[static_cast<std::size_t>(q * static_cast<double>(v.size() - 1))];
}

// The main window shown, from the reset state.
std::unique_ptr<TForm1> fenetre_montree()
{
    application();
    remet_a_zero_complet();
    auto f = std::make_unique<TForm1>();
    f->show();
    QApplication::processEvents();
    return f;
}

// Statements typed one after the other, each erased by Backspace before the next.
const char *const ENONCES[] = {"2*(x+1)=4", "(x+1)*(x+2)+3*x", "{x+y=3", "x^2-1>=0", "sqrt(2)*x+1/2=3*x-(x-1)"};

void fenetre_frappe(benchmark::State &state)
{
    const std::unique_ptr<TForm1> f = fenetre_montree();
    QWidget *boite = f->controle(QStringLiteral("MthX1"));
    // Each key press as a text typed, an empty text standing for Backspace.
    std::vector<QString> touches;
    for (const char *enonce : ENONCES) {
        const std::string t = enonce;
        for (const char c : t)
            touches.emplace_back(QChar(c));
        touches.insert(touches.end(), t.size() + 2, QString());
    }
    std::vector<double> durees;
    std::size_t i = 0;
    for (auto _ : state) {
        const QString &texte = touches[i++ % touches.size()];
        QKeyEvent touche(QEvent::KeyPress, texte.isEmpty() ? int(Qt::Key_Backspace) : 0, Qt::NoModifier, texte);
        const auto debut = Horloge::now();
        QApplication::sendEvent(boite, &touche);
        QApplication::processEvents();
        const auto duree = Horloge::now() - debut;
        durees.push_back(millisecondes(duree));
        state.SetIterationTime(std::chrono::duration<double>(duree).count());
    }
    state.counters["mediane_ms"] = centile(durees, 0.5);
    state.counters["p99_ms"] = centile(durees, 0.99);
    state.counters["max_ms"] = centile(durees, 1.0);
}
BENCHMARK(fenetre_frappe)->UseManualTime()->Iterations(3000)->Unit(benchmark::kMillisecond);

void fenetre_demarrage(benchmark::State &state)
{
    application();
    std::vector<double> durees;
    for (auto _ : state) {
        remet_a_zero_complet();
        const auto debut = Horloge::now();
        auto form1 = std::make_unique<TForm1>();
        auto form2 = std::make_unique<TForm2>();
        auto form4 = std::make_unique<TForm4>();
        auto imprime = std::make_unique<TImprime>();
        auto form3 = std::make_unique<TForm3>();
        auto form5 = std::make_unique<TForm5>();
        auto form6 = std::make_unique<TForm6>();
        auto form7 = std::make_unique<TForm7>();
        form1->attache({form2.get(), form4.get(), imprime.get(), form3.get(), form5.get(), form6.get(), form7.get()});
        form1->show();
        while (!form6->isVisible())
            QApplication::processEvents();
        QApplication::processEvents();
        const auto duree = Horloge::now() - debut;
        durees.push_back(millisecondes(duree));
        state.SetIterationTime(std::chrono::duration<double>(duree).count());
    }
    state.counters["premier_ms"] = durees.empty() ? 0 : durees.front();
    state.counters["mediane_ms"] = centile(durees, 0.5);
}
BENCHMARK(fenetre_demarrage)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

// range(0): the length in characters of the text offered to the box at once.
void fenetre_texte_long(benchmark::State &state)
{
    const std::unique_ptr<TForm1> f = fenetre_montree();
    QWidget *boite = f->controle(QStringLiteral("MthX1"));
    const auto touche = [boite](const QString &texte) {
        QKeyEvent appui(QEvent::KeyPress, texte.isEmpty() ? int(Qt::Key_Backspace) : 0, Qt::NoModifier, texte);
        QApplication::sendEvent(boite, &appui);
        QApplication::processEvents();
    };
    QString texte = QStringLiteral("x");
    while (texte.size() < state.range(0))
        texte += QStringLiteral("+3*x^2-5*x");
    texte.truncate(static_cast<int>(state.range(0)));
    touche(texte);
    bool ajoute = false;
    for (auto _ : state) {
        ajoute = !ajoute;
        touche(ajoute ? QStringLiteral("1") : QString());
    }
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    state.counters["memoire_max_Mo"] = static_cast<double>(r.ru_maxrss) / 1024.0;
}
BENCHMARK(fenetre_texte_long)->Arg(static_cast<int>(LONGUEUR_TEXTE_MAX))->Arg(1 << 20)->Unit(benchmark::kMillisecond);

} // namespace
