// The main window offscreen, its input box holding the longest statement the
// program works on, or a far longer text pasted at once: one keystroke more
// (with the menus, the parts list and the repaint it causes) must stay within
// a frame, and the process well under 200 MB.

#include <sys/resource.h>

#include <QApplication>
#include <QKeyEvent>

#include <benchmark/benchmark.h>

#include "app/fenetres/fenetre_principale.h"
#include "core/encodage.h"
#include "core/partage.h"

namespace {

void application()
{
    if (QApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char nom[] = "bench_fenetre_texte_colle";
    static char *argv[] = {nom, nullptr};
    new QApplication(argc, argv);
}

void touche(QWidget *boite, const QString &texte)
{
    QKeyEvent appui(QEvent::KeyPress, texte.isEmpty() ? int(Qt::Key_Backspace) : 0, Qt::NoModifier, texte);
    QApplication::sendEvent(boite, &appui);
    QApplication::processEvents();
}

// range(0): the length of the text in the box, in characters.
void BM_fenetre_texte_colle(benchmark::State &state)
{
    application();
    remet_a_zero_complet();
    TForm1 f;
    f.show();
    QApplication::processEvents();
    QWidget *boite = f.controle(QStringLiteral("MthX1"));
    QString texte = QStringLiteral("x");
    while (texte.size() < state.range(0))
        texte += QStringLiteral("+3*x^2-5*x");
    texte.truncate(static_cast<int>(state.range(0)));
    touche(boite, texte);
    bool ajoute = false;
    for (auto _ : state) {
        ajoute = !ajoute;
        touche(boite, ajoute ? QStringLiteral("1") : QString());
    }
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    state.counters["memoire_max_Mo"] = static_cast<double>(r.ru_maxrss) / 1024.0;
}
BENCHMARK(BM_fenetre_texte_colle)
    ->Arg(static_cast<int>(LONGUEUR_TEXTE_MAX))
    ->Arg(1 << 20)
    ->Unit(benchmark::kMillisecond);

} // namespace
