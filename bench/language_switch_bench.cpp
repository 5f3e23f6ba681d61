// The language switched while every window of the program is open: the
// selection listed and compared, the graph window on a chart, every
// information window shown. One iteration switches to the next language and
// has every window write its texts and draw its pictures again.
//
// Target: within 100 ms a switch.

#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFont>
#include <QTemporaryDir>

#include "app_windows.h"
#include "comparison_window.h"
#include "program_folder.h"
#include "program_language.h"
#include "qt_notices.h"

namespace {

using namespace zorvik;

std::vector<QWidget*> OpenEverything(AppWindows& w) {
    std::vector<QWidget*> all = {
        w.ZorvAmpMainForm.get(),        w.AdjustAirDriveForm.get(),          w.ZampCalcCycleSpeedForm.get(),
        w.modelDataForm.get(),          w.ZampGeneralDescriptionForm.get(),  w.zampGraph1Form.get(),
        w.imageDisplayForm.get(),       w.ZampModelSelectionChartForm.get(), w.ZampApplicationsForm.get(),
        w.AmplifierSelectionForm.get(), w.ZampSizingAmplifiersForm.get(),    w.ZampOperationalGuideForm.get(),
        w.ZampSaturatedAirForm.get(),   w.ZampUsingCurvesForm.get(),         w.ZorvikAmpIntroductionForm.get(),
    };
    for (QWidget* window : all) window->show();
    w.zampGraph1Form->findChild<QAbstractButton*>(QStringLiteral("DrawGraphBitBtn"))->click();
    w.AmplifierSelectionForm->findChild<QAbstractButton*>(QStringLiteral("ListSelectionsBitBtn"))->click();
    w.AmplifierSelectionForm->CompareBitBtnClick();
    all.push_back(w.AmplifierSelectionForm->Comparison());
    QApplication::processEvents();
    return all;
}

void BM_SwitchLanguage(benchmark::State& state) {
    ProgramLanguage language;
    Session session;
    QtNotices notices;
    const auto windows = CreateAppWindows(session, notices);
    const std::vector<QWidget*> open = OpenEverything(*windows);
    const char* cycle[] = {"de", "fr", "it", "es", "nl", "en"};
    std::size_t next = 0;
    for (auto _ : state) {
        language.Use(QString::fromLatin1(cycle[next++ % std::size(cycle)]));
        QApplication::processEvents();
        for (QWidget* window : open) window->repaint();
    }
    state.counters["windows"] = static_cast<double>(open.size());
}
BENCHMARK(BM_SwitchLanguage)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("arial")));
    QTemporaryDir folder;
    SetProgramFolder(folder.path());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
