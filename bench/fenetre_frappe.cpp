// The main window driven offscreen:
//   fenetre_frappe      one keystroke in the input box, with the menus, the
//                       parts list and the repaint it causes; reports the
//                       median and the 99th percentile in milliseconds
//   fenetre_demarrage   the eight windows created until the password window shows

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QKeyEvent>

#include <benchmark/benchmark.h>

#include "app/fenetres/fenetre_argument.h"
#include "app/fenetres/fenetre_mot_de_passe.h"
#include "app/fenetres/fenetre_principale.h"
#include "app/fenetres/fenetre_question.h"
#include "app/fenetres/fenetre_resultat.h"
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

// Statements typed one after the other, each erased by Backspace before the next.
const char *const ENONCES[] = {"2*(x+1)=4", "(x+1)*(x+2)+3*x", "{x+y=3", "x^2-1>=0", "sqrt(2)*x+1/2=3*x-(x-1)"};

void fenetre_frappe(benchmark::State &state)
{
    application();
    remet_a_zero_complet();
    TForm1 f;
    f.show();
    QApplication::processEvents();
    QWidget *boite = f.controle(QStringLiteral("MthX1"));
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

} // namespace
