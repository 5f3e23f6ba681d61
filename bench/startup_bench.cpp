// The program's start-up beside a bare Qt window of the same size.
//
// In-process timings (warm: pictures already rendered once):
//   BM_ProgramStartup/en  session, the seventeen windows, main window shown and painted
//   BM_ProgramStartup/de  the same with the German translation loaded first
//   BM_BareWindow       one empty 792 x 573 window shown and painted
// Cold timings, each in a fresh process (what a user waits for), with the
// process's peak memory as a counter:
//   BM_ColdStart/program, BM_ColdStart/bare, and for reference a bare window
//   with one line of text
//
// Of the seventeen windows only the main window is built at start; the
// others are made then but build their contents when first shown or used.
// The bare windows run in this same executable, so they load the same
// libraries (QtSvg, QtPrintSupport, QtNetwork) as the program: the figures
// compare what each start does beyond that.
//
// Targets: the program within 1.5 x the bare window's time and 1.3 x its
// memory; in another language within 5 % of its start in English
// (BM_ColdStart/program-de against BM_ColdStart/program).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFont>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>
#include <cstring>

#include "program_folder.h"
#include "program_language.h"
#include "qt_notices.h"
#include "app_windows.h"
#include "session.h"

namespace {

using namespace zorvik;

// As the program starts: its language, its session and notices, then the
// windows on them.
void StartProgram(const char* language = "en") {
    ProgramLanguage chosen;
    chosen.Use(QString::fromLatin1(language));
    Session session;
    QtNotices notices;
    const auto windows = CreateAppWindows(session, notices);
    windows->ZorvAmpMainForm->SetProgramLanguage(&chosen);
    windows->ZorvAmpMainForm->show();
    windows->ZorvAmpMainForm->repaint();
    benchmark::DoNotOptimize(windows.get());
}

// With `text`, the window also shows one line of text: the first text of a
// process loads the font configuration, which every real window pays for.
void StartBareWindow(bool text = false) {
    QWidget window;
    window.setFixedSize(792, 573);
    if (text) (new QLabel(QStringLiteral("Zorvik Air Pressure Amplifiers"), &window))->move(20, 20);
    window.show();
    window.repaint();
}

const char* kLanguages[] = {"en", "de"};

void BM_ProgramStartup(benchmark::State& state) {
    for (auto _ : state) StartProgram(kLanguages[state.range(0)]);
    state.SetLabel(kLanguages[state.range(0)]);
}
BENCHMARK(BM_ProgramStartup)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_BareWindow(benchmark::State& state) {
    for (auto _ : state) StartBareWindow();
}
BENCHMARK(BM_BareWindow)->Unit(benchmark::kMillisecond);

// Peak resident memory of this process, kB.
long PeakRssKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

const char* kWhat[] = {"program", "program-de", "bare", "bare-with-text"};

void BM_ColdStart(benchmark::State& state) {
    const QString what = QString::fromLatin1(kWhat[state.range(0)]);
    long rss = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--cold=") + what});
        child.waitForFinished(30000);
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
        rss = child.readAllStandardOutput().trimmed().toLong();
    }
    state.counters["peak_rss_kB"] = static_cast<double>(rss);
    state.SetLabel(what.toStdString());
}
BENCHMARK(BM_ColdStart)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

// One start in this process, then its peak memory on stdout.
int ColdStart(int argc, char** argv, const char* what) {
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("arial")));
    QTemporaryDir folder;
    SetProgramFolder(folder.path());
    if (std::strcmp(what, "program") == 0)
        StartProgram();
    else if (std::strcmp(what, "program-de") == 0)
        StartProgram("de");
    else
        StartBareWindow(std::strcmp(what, "bare-with-text") == 0);
    std::printf("%ld\n", PeakRssKb());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 2 && std::strncmp(argv[1], "--cold=", 7) == 0) return ColdStart(argc, argv, argv[1] + 7);
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("arial")));
    QTemporaryDir folder;
    SetProgramFolder(folder.path());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
