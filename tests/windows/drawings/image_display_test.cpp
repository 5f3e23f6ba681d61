#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLocale>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "chart_view.h"
#include "dimension_drawings.h"
#include "image_display_form.h"
#include "performance_chart.h"
#include "printing.h"
#include "session.h"
#include "support/modal_dialog.h"
#include "support/notice_recorder.h"
#include "support/printed_pdf.h"

namespace zorvik {
namespace {

QImage Drawn(const std::function<void(Canvas&)>& draw) {
    QImage picture(ChartPictureWidth, ChartPictureHeight, QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        Canvas canvas(picture);
        draw(canvas);
    }
    return picture;
}

// The chart of a model chosen from a selection list, at an operating point.
ChartView Selected(int model, double airDrivePsi, double inletPsi) {
    ChartView view;
    view.model = model;
    view.drivePsi = airDrivePsi;
    view.inletPsi = inletPsi;
    view.axes = ChartAxisRule::SelectionViewer;
    return view;
}

TEST(ViewRangeTest, FixedAndMinimumRanges) {
    const struct {
        int model;
        double air, inlet;
        double outlet, flow;
        // clang-format off
    } cases[] = {
        {1, 90, 90, 350, 8},      {1, 125, 125, 350, 8},
        {2, 90, 90, 450, 6},      {2, 40, 40, 450, 6},     // the fixed 4 scfm, plus 2
        {3, 90, 90, 550, 5},      {3, 125, 125, 550, 5},   // 550 here, not the graph window's 600
        {4, 40, 25, 250, 40},                              // raised to the minimum ranges
        {15, 40, 25, 250, 225},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.model);
        const GraphAxisRange r = ChartAxisRange(Selected(c.model, c.air, c.inlet));
        EXPECT_EQ(r.outletMaxPsi, c.outlet);
        EXPECT_EQ(r.flowMaxScfm, c.flow);
    }
    ChartView graphWindow = Selected(3, 90, 90);
    graphWindow.axes = ChartAxisRule::GraphWindow;
    EXPECT_EQ(ChartAxisRange(graphWindow).outletMaxPsi, 600);
}

// The other models take the stall pressure of the operating point as the
// outlet axis, supply term included.
TEST(ViewRangeTest, OtherModelsRunToTheirStallPressure) {
    const struct {
        int model;
        double air, inlet, outlet;
        // clang-format off
    } cases[] = {
        {6, 100, 700, 1500},   // 15 x 100
        {9, 100, 200, 600},    // 4 x 100 + 200
        {12, 90, 135, 3267},   // 30 x 90 + 4.2 x 135
        {4, 125, 250, 369.375},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.model);
        const GraphAxisRange r = ChartAxisRange(Selected(c.model, c.air, c.inlet));
        EXPECT_DOUBLE_EQ(r.outletMaxPsi, c.outlet);
        EXPECT_GT(r.flowMaxScfm, 0);
    }
}

TEST(ViewRangeTest, SmallFlowAxesGetTwoMore) {
    const std::pair<double, double> cases[] = {{11, 13}, {11.5, 11.5}, {10.999, 12.999}, {0, 2}, {225, 225}};
    for (const auto& [computed, axis] : cases) EXPECT_DOUBLE_EQ(PadSmallFlowAxis(computed), axis) << computed;
}

// The viewer on a session of its own, as the selection window opens it.
class ImageDisplayTest : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale::c()); }

    // Opens the viewer on `chart` as the selection window does and reads
    // what it shows.
    QImage View(const ChartView& chart, std::uint8_t mode) {
        viewer.SetChart(chart);
        return View(mode);
    }
    QImage View(std::uint8_t mode) {
        session.DisplayMode = mode;
        viewer.show();
        QApplication::processEvents();
        return viewer.ShownPicture();
    }
    QPushButton* Button(const char* name) { return viewer.findChild<QPushButton*>(QString::fromLatin1(name)); }
    void Flip() { QTest::mouseClick(Button("flipUnitsBitBtn"), Qt::LeftButton); }

    static QImage ModelDrawing(int model, bool mm) {
        return Drawn([=](Canvas& c) { DrawModelDrawing(c, model, mm); });
    }
    static QImage ChartIn(ChartView view, bool bar) {
        view.bar = bar;
        return Drawn([&view](Canvas& c) { DrawChart(c, view); });
    }

    Session session;
    TimageDisplayForm viewer{session, testing::TestNotices()};
};

TEST_F(ImageDisplayTest, LayoutOfTheWindow) {
    View(DisplayDrawingMm);
    EXPECT_EQ(viewer.windowTitle(), QStringLiteral("Zorvik Air Pressure Amplifiers - Selected Model"));
    EXPECT_EQ(viewer.size(), QSize(792, 573));
    EXPECT_EQ(viewer.findChild<QWidget*>(QStringLiteral("PerformanceGraphImage"))->geometry(), QRect(88, 32, 617, 485));
    // The buttons leave room for their captions in every language.
    const std::tuple<const char*, const char*, int> buttons[] = {
        {"printBitBtn", "&Print", 376},
        {"CopyToClipboardBitBtn", "&Copy", 482},
        {"flipUnitsBitBtn", "&Flip Units", 588},
        {"OkBitBtn", "&OK", 698},
    };
    for (const auto& [name, caption, x] : buttons) {
        EXPECT_EQ(Button(name)->text(), QString::fromLatin1(caption));
        EXPECT_EQ(Button(name)->pos(), QPoint(x, 544));
        QPushButton* b = Button(name);
        const int content =
            b->fontMetrics().horizontalAdvance(b->text().remove(QLatin1Char('&'))) + b->iconSize().width();
        EXPECT_LE(content + 12, b->width()) << name;
    }
    EXPECT_EQ(Button("CopyToClipboardBitBtn")->toolTip(), QStringLiteral("Copy Image to Clipboard"));
    QTest::mouseClick(Button("OkBitBtn"), Qt::LeftButton);
    EXPECT_FALSE(viewer.isVisible());
}

TEST_F(ImageDisplayTest, ShowsTheDrawingAndFlipsItsUnits) {
    const QImage inches = View(Selected(8, 90, 150), DisplayDrawingInches);
    EXPECT_EQ(inches, ModelDrawing(8, false));
    Flip();
    EXPECT_EQ(session.DisplayMode, DisplayDrawingMm);
    EXPECT_EQ(viewer.ShownPicture(), ModelDrawing(8, true));
    Flip();
    EXPECT_EQ(session.DisplayMode, DisplayDrawingInches);
    EXPECT_EQ(viewer.ShownPicture(), inches);
}

TEST_F(ImageDisplayTest, ShowsTheSelectionsChartAndFlipsItsUnits) {
    ChartView chart = Selected(9, 100, 200);
    chart.duty = ChartDutyPoint{450, 12};
    const QImage psi = View(chart, DisplayChartPsi);
    EXPECT_EQ(viewer.ViewStallOutletPsi, 600);
    EXPECT_EQ(psi, ChartIn(chart, false));

    Flip();
    EXPECT_EQ(session.DisplayMode, DisplayChartBar);
    EXPECT_EQ(viewer.ShownPicture(), ChartIn(chart, true));
    Flip();
    EXPECT_EQ(session.DisplayMode, DisplayChartPsi);
    EXPECT_EQ(viewer.ShownPicture(), psi);

    // The overlay marks the operating point: without it the chart differs.
    EXPECT_NE(psi, ChartIn(Selected(9, 100, 200), false));
}

// Whichever window set the chart, the viewer keeps to its own axis rule:
// model 3's outlet axis ends at 550 psig here.
TEST_F(ImageDisplayTest, DrawsOnTheViewersAxesWhateverTheChartsRule) {
    ChartView chart = Selected(3, 90, 90);
    chart.axes = ChartAxisRule::GraphWindow;
    const QImage shown = View(chart, DisplayChartPsi);
    EXPECT_EQ(viewer.ViewStallOutletPsi, 550);
    EXPECT_EQ(shown, ChartIn(Selected(3, 90, 90), false));
}

TEST_F(ImageDisplayTest, AnyOtherModeKeepsThePicture) {
    const QImage drawing = View(Selected(5, 90, 100), DisplayDrawingMm);
    viewer.close();
    EXPECT_EQ(View(DisplayNothing), drawing);
    Flip();
    EXPECT_EQ(session.DisplayMode, DisplayNothing);
    EXPECT_EQ(viewer.ShownPicture(), drawing);
}

TEST_F(ImageDisplayTest, CopyPutsTheShownPictureOnTheClipboard) {
    View(Selected(15, 100, 100), DisplayChartBar);
    QTest::mouseClick(Button("CopyToClipboardBitBtn"), Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), viewer.ShownPicture());
}

TEST_F(ImageDisplayTest, PrintAsksThePrintDialogAndACancelPrintsNothing) {
    View(Selected(5, 90, 100), DisplayDrawingMm);
    QString asked;
    const testing::ModalDialog printDialog([&](QWidget* dialog) {
        asked = QString::fromLatin1(dialog->metaObject()->className());
        dialog->close();
    });
    QTest::mouseClick(Button("printBitBtn"), Qt::LeftButton);
    EXPECT_EQ(asked, QStringLiteral("QPrintDialog"));
    EXPECT_TRUE(viewer.isVisible());
}

// The data sheet carries the picture on show, units flipped included, as
// vectors, and names the office of the viewer's own session.
TEST_F(ImageDisplayTest, PrintsThePictureOnShowForItsSessionsOffice) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
    session.OfficeIndex = 0;
    View(Selected(9, 100, 200), DisplayChartPsi);
    Flip();
    ASSERT_TRUE(viewer.PrintDataSheetOn(*MakePdfPrinter(pdf)));
    const QString text = testing::PdfText(pdf);
    EXPECT_TRUE(text.startsWith(QString::fromStdString(session.Office().Field[1]))) << text.toStdString();
    EXPECT_TRUE(text.simplified().contains(QStringLiteral("Outlet pressure bar"))) << text.toStdString();
    const QByteArray images = testing::RunPdfTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
    EXPECT_EQ(images.count('\n'), 2) << images.toStdString();  // the list's two heading lines only
}

TEST_F(ImageDisplayTest, APrintThatCannotStartIsReported) {
    testing::NoticeRecorder notices;
    notices.Expect(testing::NoticeKind::Error,
                   "The data sheet could not be printed: the printer could not be started.");
    View(Selected(5, 90, 100), DisplayDrawingMm);
    QTemporaryDir dir;
    EXPECT_FALSE(viewer.PrintDataSheetOn(*MakePdfPrinter(dir.filePath(QStringLiteral("no/such/folder/sheet.pdf")))));
    EXPECT_EQ(notices.Beeps(), 1);
}

}  // namespace
}  // namespace zorvik
