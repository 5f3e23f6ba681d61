// A chart is drawn from its view alone: whatever was drawn or run before
// it, in whichever order, leaves it pixel for pixel as a process that has
// drawn nothing else draws it.

#include <gtest/gtest.h>

#include <QLocale>
#include <QTemporaryDir>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "chart_pictures.h"
#include "chart_view.h"
#include "continuous_process.h"
#include "performance_chart.h"
#include "vessel_charging.h"
#include "support/notice_recorder.h"

namespace zorvik {
namespace {

QImage Drawn(const ChartView& view) {
    return testing::DrawnPicture([&](Canvas& c) { DrawChart(c, view); });
}

// Draws charts each in a fresh process: gtest's threadsafe death-test
// style runs the statement in a newly started copy of this test binary, in
// which the test runs up to that statement only, skipping the ones before.
// So the test makes its views first and draws nothing before it has every
// chart alone. The copy writes its picture into a folder named in the
// environment, which it inherits, and leaves by std::_Exit: a plain exit
// would tear down the library's statics under the application still alive
// on the stack, which the address sanitizer rightly reports.
class ChartsAlone {
public:
    ChartsAlone() {
        if (qEnvironmentVariableIsSet(kFolder)) return;  // the copy: the folder is the test's
        folder_.emplace();
        qputenv(kFolder, folder_->path().toLocal8Bit());
    }
    ~ChartsAlone() {
        if (folder_) qunsetenv(kFolder);
    }
    ChartsAlone(const ChartsAlone&) = delete;
    ChartsAlone& operator=(const ChartsAlone&) = delete;

    QImage Draw(const ChartView& view) {
        const QString file = qEnvironmentVariable(kFolder) + QStringLiteral("/chart%1.png").arg(count_++);
        GTEST_FLAG_SET(death_test_style, "threadsafe");
        EXPECT_EXIT(std::_Exit(Drawn(view).save(file) ? 0 : 1), ::testing::ExitedWithCode(0), "");
        return QImage(file).convertToFormat(QImage::Format_RGB32);
    }

private:
    static constexpr char kFolder[] = "ZORVIK_CHARTS_ALONE";
    std::optional<QTemporaryDir> folder_;
    int count_ = 0;
};

int CharactersOfNinePixels(const std::string& text) { return static_cast<int>(text.size()) * 9; }

// The selection window's fields with a duty typed in.
struct SelectionWindow {
    SelectionWindow(const char* drivePsi, const char* inletPsi, const char* outletPsi, const char* airScfm = "100")
        : drive(drivePsi), air(airScfm), inlet(inletPsi), outlet(outletPsi), start(inletPsi), final(outletPsi) {
        controls.fields = {&drive, &air, &inlet, &flow, &outlet, &start, &final, &capacity};
        controls.textWidth = CharactersOfNinePixels;
        controls.notices = &testing::TestNotices();
    }
    TextEntryField drive, air, inlet, flow{"2.00"}, outlet, start, final, capacity{"1.00"};
    SelectionControls controls;
};

// The picture viewer's chart of a listed row: the row's model at the run's
// drive and inlet pressures, with its duty point or its charge.
ChartView ViewerChart(const SelectionResult& run, const SelectionRow& row) {
    ChartView view;
    view.model = row.pumpNo;
    view.axes = ChartAxisRule::SelectionViewer;
    if (run.IsFill()) {
        view.drivePsi = run.chargeDuty.drivePsi;
        view.inletPsi = run.chargeDuty.inletPsi;
        view.charge = ChartChargePoints{run.chargeDuty.startPsi, run.chargeDuty.finalPsi, row.charge.flowScfm};
    } else {
        view.drivePsi = run.flowDuty.drivePsi;
        view.inletPsi = run.flowDuty.inletPsi;
        view.duty = ChartDutyPoint{run.flowDuty.outletPsi, row.flow.delivered.flowScfm};
    }
    return view;
}

// Three runs in one session, one of each application and unit, each
// leaving the session's operating point and units other than it found them.
struct ThreeRuns {
    SelectionWindow flow{"100", "100", "200"};
    SelectionWindow fill{"80", "150", "900"};
    SelectionWindow metric{"6", "7", "20", "3000"};  // barg and nl/min

    SelectionResult Run(Session& session, int which) {
        session.ApplicationType = which == 1 ? ApplicationFillCylinder : ApplicationFlow;
        session.MetricUnits = which == 2;
        if (which == 1) return VesselChargingSelection(session, fill.controls);
        return ContinuousProcessSelection(session, (which == 0 ? flow : metric).controls);
    }
};

class ChartIndependenceTest : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale::c()); }
};

TEST_F(ChartIndependenceTest, OneViewDrawsTheSameChartEveryTime) {
    for (const ChartView& view : {PrepareGraphChart(10, 90, 1, false).view, PrepareGraphChart(2, 120, 1, true).view}) {
        const QImage first = Drawn(view);
        EXPECT_EQ(Drawn(view), first) << "model " << view.model;
        // Again onto the picture it is already on, as a window redraws it.
        QImage again = first;
        {
            Canvas canvas(again);
            DrawChart(canvas, view);
        }
        EXPECT_EQ(again, first) << "model " << view.model;
    }
}

// The graph window's charts of several models, in both units, drawn in turn
// onto one picture, forwards and back.
TEST_F(ChartIndependenceTest, ChartsOfOtherModelsInTurnAreEachAsAlone) {
    const std::vector<ChartView> views = {
        PrepareGraphChart(1, 90, 1, false).view,    PrepareGraphChart(8, 120, 1.5, true).view,
        PrepareGraphChart(12, 60, 1, false).view,   PrepareGraphChart(15, 90, 1, true).view,
        PrepareGraphChart(6, 150, 0.5, false).view,
    };
    ChartsAlone fresh;
    std::vector<QImage> alone;
    for (const ChartView& view : views) alone.push_back(fresh.Draw(view));

    QImage picture(ChartPictureWidth, ChartPictureHeight, QImage::Format_RGB32);
    for (int round = 0; round < 2; ++round)
        for (std::size_t i = 0; i < views.size(); ++i) {
            const std::size_t k = round == 0 ? i : views.size() - 1 - i;
            {
                Canvas canvas(picture);
                DrawChart(canvas, views[k]);
            }
            EXPECT_EQ(picture, alone[k]) << "model " << views[k].model << ", round " << round;
        }
}

// Charts of listed rows, each drawn after a selection run of another
// application, units or duty in the same session.
TEST_F(ChartIndependenceTest, ChartsBetweenSelectionRunsAreEachAsAlone) {
    Session session;
    ThreeRuns runs;
    std::vector<ChartView> views;
    for (int which = 0; which < 3; ++which) {
        const SelectionResult run = runs.Run(session, which);
        ASSERT_FALSE(run.rows.empty()) << "run " << which;
        views.push_back(ViewerChart(run, run.rows.front()));
        views.push_back(ViewerChart(run, run.rows.back()));
    }
    ChartsAlone fresh;
    std::vector<QImage> alone;
    for (const ChartView& view : views) alone.push_back(fresh.Draw(view));

    for (std::size_t i = 0; i < views.size(); ++i) {
        runs.Run(session, static_cast<int>(i + 1) % 3);
        EXPECT_EQ(Drawn(views[i]), alone[i]) << "chart " << i << ", model " << views[i].model;
    }
}

}  // namespace
}  // namespace zorvik
