#include "window_scenes.h"

#include <gtest/gtest.h>

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QRegularExpression>
#include <QPushButton>
#include <QTest>

#include "comparison_window.h"
#include "data_table_dialog.h"
#include "model_hand_off.h"
#include "support/notice_recorder.h"

namespace zorvik::testing {
namespace {

std::unique_ptr<AppWindows>& Made() {
    static std::unique_ptr<AppWindows> windows;
    return windows;
}

class ScenesEnvironment final : public ::testing::Environment {
public:
    void TearDown() override { Made().reset(); }
};
const auto* const environment = ::testing::AddGlobalTestEnvironment(new ScenesEnvironment);

void Press(QWidget* window, const char* button) {
    QTest::mouseClick(window->findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
}

QWidget* Selection(AppWindows& w, bool fill, bool list) {
    TAmplifierSelectionForm& form = *w.AmplifierSelectionForm;
    form.show();
    const char* system = fill ? "systemBImage" : "systemAImage";
    QTest::mouseClick(form.findChild<QWidget*>(QString::fromLatin1(system)), Qt::LeftButton);
    if (list) Press(&form, "ListSelectionsBitBtn");
    return &form;
}

QWidget* Comparison(AppWindows& w) {
    Selection(w, false, true);
    w.AmplifierSelectionForm->CompareBitBtnClick();
    return w.AmplifierSelectionForm->Comparison();
}

QWidget* Graph(AppWindows& w, bool chart) {
    TzampGraph1Form& form = *w.zampGraph1Form;
    form.show();
    const std::uint8_t mode = SceneSession().DisplayMode;
    const bool showsChart = mode == DisplayChartPsi || mode == DisplayChartBar;
    if (chart != showsChart) Press(&form, chart ? "DrawGraphBitBtn" : "ShowDrawingBitBtn");
    return &form;
}

QWidget* Adjust(AppWindows& w) {
    Graph(w, true);
    TAdjustAirDriveForm& form = *w.AdjustAirDriveForm;
    form.AdjustShowsBar = false;
    form.ChartShown = w.zampGraph1Form->ChartShown();
    form.show();
    return &form;
}

QWidget* Viewer(AppWindows& w) {
    ChartView chart;
    chart.model = 6;
    chart.drivePsi = 100;
    chart.inletPsi = 100;
    chart.duty = ChartDutyPoint{200, 10, ChartRequiredFlow{2, 20, 12}};
    SceneSession().DisplayMode = DisplayChartPsi;  // as the selection window leaves it for a chart
    w.imageDisplayForm->SetChart(chart);
    w.imageDisplayForm->show();
    return w.imageDisplayForm.get();
}

QWidget* ChartTable(AppWindows& w) {
    QWidget* graph = Graph(w, true);
    graph->activateWindow();
    if (!QTest::qWaitForWindowActive(graph)) return nullptr;
    QTest::keyClick(graph, Qt::Key_T, Qt::ControlModifier);
    return graph->findChild<DataTableDialog*>();
}

}  // namespace

Session& SceneSession() {
    static Session session;
    return session;
}

AppWindows& SceneWindows() {
    if (!Made()) Made() = CreateAppWindows(SceneSession(), TestNotices());
    return *Made();
}

const std::vector<WindowScene>& WindowScenes() {
    static const std::vector<WindowScene> scenes = {
        {"main", [](AppWindows& w) -> QWidget* { return w.ZorvAmpMainForm.get(); }},
        {"introduction", [](AppWindows& w) -> QWidget* { return w.ZorvikAmpIntroductionForm.get(); }},
        {"applications", [](AppWindows& w) -> QWidget* { return w.ZampApplicationsForm.get(); }},
        {"general_description", [](AppWindows& w) -> QWidget* { return w.ZampGeneralDescriptionForm.get(); }},
        {"operational_guide", [](AppWindows& w) -> QWidget* { return w.ZampOperationalGuideForm.get(); }},
        {"sizing_amplifiers", [](AppWindows& w) -> QWidget* { return w.ZampSizingAmplifiersForm.get(); }},
        {"saturated_air", [](AppWindows& w) -> QWidget* { return w.ZampSaturatedAirForm.get(); }},
        {"using_curves", [](AppWindows& w) -> QWidget* { return w.ZampUsingCurvesForm.get(); }},
        {"calc_cycle_speed", [](AppWindows& w) -> QWidget* { return w.ZampCalcCycleSpeedForm.get(); }},
        {"model_selection_chart", [](AppWindows& w) -> QWidget* { return w.ZampModelSelectionChartForm.get(); }},
        {"selection_flow", [](AppWindows& w) { return Selection(w, false, false); }},
        {"selection_fill", [](AppWindows& w) { return Selection(w, true, false); }},
        {"selection_list", [](AppWindows& w) { return Selection(w, false, true); }},
        {"comparison", Comparison},
        {"graph_drawing", [](AppWindows& w) { return Graph(w, false); }},
        {"graph_chart", [](AppWindows& w) { return Graph(w, true); }},
        {"adjust_air_drive", Adjust},
        {"model_data",
         [](AppWindows& w) -> QWidget* {
             w.zampGraph1Form->show();
             return w.modelDataForm.get();
         }},
        {"image_display", Viewer},
        {"chart_table", ChartTable},
        {"job", [](AppWindows& w) -> QWidget* { return w.Jobs.get(); }},
    };
    return scenes;
}

QString SpokenName(QWidget* w) {
    // Qt on Linux hands a combo box's choice over as its name; what the box
    // is comes from the label whose buddy it is, or from the name given to
    // it where no label fits the fixed layout.
    if (qobject_cast<QComboBox*>(w) != nullptr) {
        if (!w->accessibleName().isEmpty()) return w->accessibleName();
        for (const QLabel* l : w->window()->findChildren<QLabel*>())
            if (l->buddy() == w) return QString(l->text()).remove(QRegularExpression(QStringLiteral("&(?!&)")));
        return {};
    }
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
}

QStringList TabChain(QWidget* window) {
    QStringList chain;
    for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain()) {
        const bool tabStop = w->window() == window && w->isVisible() && w->isEnabled() &&
                             (w->focusPolicy() & Qt::TabFocus) &&
                             qobject_cast<QAbstractSpinBox*>(w->parentWidget()) == nullptr;
        if (!tabStop) continue;
        chain.append(w->objectName().isEmpty() ? SpokenName(w) : w->objectName());
    }
    return chain;
}

QWidget* OpenScene(const WindowScene& scene) {
    for (QWidget* top : QApplication::topLevelWidgets()) top->hide();
    QWidget* window = scene.open(SceneWindows());
    if (window == nullptr) return nullptr;
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window)) return nullptr;
    QApplication::processEvents();
    return window;
}

}  // namespace zorvik::testing
