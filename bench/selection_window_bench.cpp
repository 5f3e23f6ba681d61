// "List Selections" in the selection window, from the click until the rows
// are in the result list, offscreen, for both applications at the window's
// default conditions. Target: under one frame (16 ms) on the development
// machine. The painted variants also draw the list with its new rows.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFont>
#include <QPushButton>
#include <QTest>

#include "notices.h"
#include "session.h"
#include "tab_list_box.h"
#include "amplifier_selection_form.h"

namespace zorvik {
namespace {

void ListSelections(benchmark::State& state, const char* systemPicture, bool paint) {
    Session session;
    SilentNotices notices;  // the default duties show no message
    TAmplifierSelectionForm form(session, notices);
    form.show();
    QTest::mouseClick(form.findChild<QWidget*>(QString::fromLatin1(systemPicture)), Qt::LeftButton);
    auto* button = form.findChild<QPushButton*>(QStringLiteral("ListSelectionsBitBtn"));
    auto* list = form.findChild<TTabListBox*>(QStringLiteral("SelectionTabListBox"));
    for (auto _ : state) {
        button->click();
        if (paint) list->viewport()->repaint();
        if (list->count() < 2) state.SkipWithError("no rows listed");
    }
    state.counters["rows"] = list->count();
}

BENCHMARK_CAPTURE(ListSelections, Flow, "systemAImage", false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ListSelections, FillCylinder, "systemBImage", false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ListSelections, FlowPainted, "systemAImage", true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ListSelections, FillCylinderPainted, "systemBImage", true)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zorvik

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("arial")));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
