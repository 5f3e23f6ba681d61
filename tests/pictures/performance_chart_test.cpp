#include <gtest/gtest.h>

#include <QLocale>
#include <QStringList>
#include <cmath>
#include <limits>
#include <sstream>

#include "chart_pictures.h"
#include "catalogue.h"
#include "chart_view.h"
#include "performance_chart.h"

namespace zorvik {
namespace {

using testing::CountColor;
using testing::DrawnPicture;
using testing::DrawnWords;
using testing::WordsNamed;

constexpr int kX0 = ChartOriginX;
constexpr int kY0 = ChartOriginY;
const QRect kPlot(kX0, kY0 - 311, 520, 311);  // inside the axes

class PerformanceChartTest : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale::c()); }

    // The view on axes of these lengths.
    static std::function<void(Canvas&)> Chart(const ChartView& view, double outletMaxPsi, double flowMaxScfm) {
        return [=](Canvas& c) { DrawPerformanceGraph(c, view, kX0, kY0, outletMaxPsi, flowMaxScfm); };
    }
    // The graph window's chart of a model at its settings.
    static std::function<void(Canvas&)> GraphChart(int model, double drivePsi, double inletScale, bool bar) {
        const ChartView view = PrepareGraphChart(model, drivePsi, inletScale, bar).view;
        return [view](Canvas& c) { DrawChart(c, view); };
    }
    static ChartView View(int model, double drivePsi, double inletPsi, bool bar = false) {
        ChartView view;
        view.model = model;
        view.drivePsi = drivePsi;
        view.inletPsi = inletPsi;
        view.bar = bar;
        return view;
    }
};

int ColumnCount(const QImage& image, int x, const QColor& color) {
    return CountColor(image, QRect(x, kPlot.top(), 1, kPlot.height()), color);
}

// The olive band starts at the pixel of the model's maximum outlet pressure;
// when that lies at or beyond the end of the axis there is no band and no
// note. (The cases keep the band's edge off the grid lines, which are drawn
// over it.)
TEST_F(PerformanceChartTest, ShadedBandFromTheMaximumOutletPressure) {
    const struct {
        int model;
        bool bar;
        double outletMax;
        int bandX;  // 0: no band
        // clang-format off
    } cases[] = {
        {5, false, 6000, 266},  // 2500 psig at 6000 / 520 psi per pixel: 216.7
        {5, true, 3000, 457},   // 172.37 bar at 220 / 520 bar per pixel: 407.4
        {4, false, 250, 550},   // axis raised to 260
        {2, true, 450, 510},    // 31.03 bar on a 35 bar axis
        {2, false, 450, 0},     // exactly at the end of the axis
        {5, false, 2000, 0},
    };
    // clang-format on
    for (const auto& c : cases) {
        const ChartView view = View(c.model, 90, 100, c.bar);
        const QImage image = DrawnPicture(Chart(view, c.outletMax, 10));
        const auto shaded = WordsNamed(DrawnWords(Chart(view, c.outletMax, 10)), "shaded");
        if (c.bandX == 0) {
            EXPECT_EQ(CountColor(image, QRect(kX0 + 480, kPlot.top(), 40, kPlot.height()), colors::Olive), 0)
                << "model " << c.model;
            EXPECT_TRUE(shaded.empty()) << "model " << c.model;
            continue;
        }
        EXPECT_GT(ColumnCount(image, c.bandX, colors::Olive), 200) << "model " << c.model;
        EXPECT_EQ(ColumnCount(image, c.bandX - 1, colors::Olive), 0) << "model " << c.model;
        EXPECT_GT(ColumnCount(image, kX0 + 519, colors::Olive), 200) << "model " << c.model;
        EXPECT_EQ(ColumnCount(image, kX0 + 520, colors::Olive), 0) << "model " << c.model;
        EXPECT_EQ(shaded.size(), 1u) << "model " << c.model;
    }
}

// Models 1-3 boost their own drive air: one curve, at the drive pressure.
TEST_F(PerformanceChartTest, OnlyTheRedCurveForModelsThatBoostTheirDriveAir) {
    for (int model : {1, 2, 3, 4}) {
        const QImage image = DrawnPicture(GraphChart(model, 95, 1, false));
        const bool single = model != 4;
        EXPECT_GT(CountColor(image, kPlot, colors::Red), 100) << "model " << model;
        for (const QColor& lower : {colors::Purple, colors::Green, colors::Maroon}) {
            const int n = CountColor(image, kPlot, lower);
            if (single) {
                EXPECT_EQ(n, 0) << "model " << model << " " << lower.name().toStdString();
            } else {
                EXPECT_GT(n, 50) << "model " << model << " " << lower.name().toStdString();
            }
        }
        if (single) {
            // Once in the drive pressure box, once on the curve's balloon.
            EXPECT_EQ(WordsNamed(DrawnWords(GraphChart(model, 95, 1, false)), "95").size(), 2u) << "model " << model;
        }
    }
}

// Model 7 needs 100 psig at its inlet: from 150 psig the curves are 150,
// 125, 100, 75 and 50 psig, and the fourth ends them.
TEST_F(PerformanceChartTest, InletCurvesEndAtTheFirstPressureBelowTheMinimum) {
    const struct {
        double scale;
        int curves;
    } cases[] = {{0.1, 3}, {1.0, 5}};
    const QColor colours[5] = {colors::Red, colors::Purple, colors::Green, colors::Maroon, colors::Olive};
    for (const auto& c : cases) {
        const QImage image = DrawnPicture(GraphChart(7, 90, c.scale, false));
        for (int j = 0; j < 5; ++j) {
            const int n = CountColor(image, kPlot, colours[j]);
            if (j < c.curves) {
                EXPECT_GT(n, 50) << "scale " << c.scale << " curve " << j;
            } else {
                EXPECT_EQ(n, 0) << "scale " << c.scale << " curve " << j;
            }
        }
    }
}

// Model 1's lines end at 330 psig (10 steps of 33) and are labelled there,
// in scfm or in Nm3/min.
TEST_F(PerformanceChartTest, AirUseLinesOfALineModelAreLabelledAtTheirLastPoint) {
    // Last points: psi chart 350 / 520 psi and 8 / 312 scfm per pixel; bar
    // chart 24 / 520 bar and 240 / 312 nl/min per pixel.
    const struct {
        QString label;
        bool bar;
        int x, y;
        // clang-format off
    } lines[] = {
        {"15.0", false, 540, 188}, {"12.0", false, 540, 239}, {"9.0", false, 540, 353}, {"6.0", false, 540, 375},
        {"0.42", true, 542, 199},  {"0.34", true, 542, 248},  {"0.25", true, 542, 355}, {"0.17", true, 542, 376},
    };
    // clang-format on
    for (bool bar : {false, true}) {
        const auto words = DrawnWords(Chart(View(1, 90, 90, bar), 350, 6 + 2));
        for (const auto& line : lines) {
            if (line.bar != bar) continue;
            const auto found = WordsNamed(words, line.label);
            ASSERT_EQ(found.size(), 1u) << line.label.toStdString();
            // Centred under the point, its text top 13 pixels above it.
            EXPECT_NEAR(found[0].box.center().x(), line.x, 1.5) << line.label.toStdString();
            EXPECT_NEAR(found[0].box.top(), line.y - 13, 1.5) << line.label.toStdString();
        }
    }
}

// Level 2 stands for 20 scfm; in bar it is 20 x 0.88286 scfm and reads
// 20 x 28.317 x 0.88286 / 1000 = 0.49999893 Nm3/min.
TEST_F(PerformanceChartTest, LowestAirUseLevelReadsHalfANormalCubicMetreInBar) {
    for (int model : {6, 10}) {
        const auto words = DrawnWords(GraphChart(model, 90, 1, true));
        EXPECT_EQ(WordsNamed(words, "0.50").size(), 1u) << "model " << model;
        EXPECT_TRUE(WordsNamed(words, "0.49").empty()) << "model " << model;
        EXPECT_EQ(WordsNamed(words, "Nm3").size(), 1u);
    }
}

class SelectionOverlayTest : public PerformanceChartTest {};

// Vessel charging: the eleven flows of the view's charge, at the start
// pressure and ten equal steps to the final one; none without a charge.
TEST_F(SelectionOverlayTest, ChargingPointsAtTheirPixels) {
    ChartChargePoints charge{100, 200, {}};
    for (int i = 0; i < ChargeCurvePoints; ++i) charge.flowScfm[i] = 30.1 - 2 * i;
    // 0.5 psi and 56 / 312 scfm per pixel.
    const int rows[ChargeCurvePoints] = {217, 228, 239, 250, 261, 273, 284, 295, 306, 317, 328};
    for (bool shown : {true, false}) {
        ChartView view = View(8, 100, 100);
        if (shown) view.charge = charge;
        const QImage image = DrawnPicture(Chart(view, 260, 52));
        for (int i = 0; i < ChargeCurvePoints; ++i) {
            const int x = 250 + 20 * i;
            const int red = CountColor(image, QRect(x - 2, rows[i] - 2, 5, 5), colors::Red);
            if (shown) {
                EXPECT_GE(red, 18) << "point " << i;
            } else {
                EXPECT_LT(red, 10) << "point " << i;
            }
            EXPECT_LT(CountColor(image, QRect(x - 2, 356 - 2, 5, 5), colors::Red), 10) << "point " << i;
        }
    }
}

// Continuous flow: blue lines from the view's duty point to each axis;
// none without a duty point.
TEST_F(SelectionOverlayTest, OperatingPointLinesToBothAxes) {
    const ChartDutyPoint duty{1510, 20.3};  // x = 50 + 261, y = 384 - 158
    const int x = 311;
    const int y = 226;
    for (bool shown : {true, false}) {
        ChartView view = View(10, 100, 800);
        if (shown) view.duty = duty;
        const QImage image = DrawnPicture(Chart(view, 2600, 40));
        for (int px : {kX0 + 2, 150, x - 3}) {
            const int blue = CountColor(image, QRect(px, y - 2, 1, 5), colors::Blue);
            if (shown) {
                EXPECT_GE(blue, 2) << "x " << px;
            } else {
                EXPECT_EQ(blue, 0) << "x " << px;
            }
        }
        for (int py : {y + 3, 300, kY0 - 2}) {
            const int blue = CountColor(image, QRect(x - 2, py, 5, 1), colors::Blue);
            if (shown) {
                EXPECT_GE(blue, 2) << "y " << py;
            } else {
                EXPECT_EQ(blue, 0) << "y " << py;
            }
        }
        EXPECT_EQ(CountColor(image, QRect(x + 4, y - 2, 100, 5), colors::Blue), 0);
        EXPECT_EQ(CountColor(image, QRect(x - 2, y - 100, 5, 95), colors::Blue), 0);
    }
}

// Left unguarded, these sent pixel coordinates through undefined
// double-to-int conversions or counted ticks by the hundred thousand.
TEST_F(PerformanceChartTest, OutlandishInputsNeitherHangNorCrash) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    ChartView view = View(8, 100, 100);
    view.duty = ChartDutyPoint{150, 3};

    const struct {
        double outlet, flow;
        bool empty;
    } ranges[] = {{1e12, 1e12, false}, {inf, 5, false}, {350, 1e300, false}, {nan, 5, true},
                  {350, nan, true},    {350, 0, true},  {-1, -1, true}};
    for (const auto& r : ranges) {
        const QImage image = DrawnPicture(Chart(view, r.outlet, r.flow));
        const int white = CountColor(image, QRect(1, 1, 615, 459), colors::White);
        if (r.empty) {
            EXPECT_EQ(white, 615 * 459) << r.outlet << " " << r.flow;
        } else {
            EXPECT_LT(white, 615 * 459) << r.outlet << " " << r.flow;
        }
    }

    view.duty = ChartDutyPoint{1e300, -inf};
    DrawnPicture(Chart(view, 260, 52));
    view.drivePsi = 1e9;
    view.inletPsi = nan;
    DrawnPicture(Chart(view, 260, 52));
    DrawnPicture([&](Canvas& c) { DrawChart(c, view); });  // on the axes such a view works out

    view = View(8, 100, 100);
    view.charge = ChartChargePoints{-1e300, inf, {}};
    view.charge->flowScfm.fill(nan);
    view.charge->flowScfm[3] = -inf;
    const QImage image = DrawnPicture(Chart(view, 260, 52));
    EXPECT_EQ(QColor(image.pixel(0, 0)), colors::Black);
}

// The same routine draws on a picture of another size, about another
// origin (the information window's example chart).
TEST_F(PerformanceChartTest, DrawsAboutAnyOrigin) {
    QImage image(700, 520, QImage::Format_RGB32);
    {
        Canvas canvas(image);
        DrawPerformanceGraph(canvas, View(10, 90, 800), 120, 440, 2150, 38);
    }
    EXPECT_EQ(QColor(image.pixel(699, 519)), colors::Black);  // frame of the whole picture
    for (int y = 440 - 300; y < 440; y += 50) EXPECT_EQ(QColor(image.pixel(120, y)), colors::Black) << y;
    EXPECT_EQ(QColor(image.pixel(120, 440 - 318)), colors::White);  // axis is 317 long
    EXPECT_GT(CountColor(image, QRect(121, 440 - 311, 520, 311), colors::Red), 100);
}

// One chart of the grid the label tests walk.
struct ChartSetting {
    int model;
    bool bar;
    double drivePsi;
    double inletScale;
};

std::string Describe(const ChartSetting& s) {
    std::ostringstream out;
    out << "model " << s.model << " at " << s.drivePsi << " psig, inlet x " << s.inletScale
        << (s.bar ? " bar" : " psi");
    return out.str();
}

// Every model in both units at the lowest drive pressure, at its highest and
// at `drivesBetween` steps between them, each at the inlet scales given.
std::vector<ChartSetting> ChartGrid(int drivesBetween, const std::vector<double>& inletScales) {
    std::vector<ChartSetting> grid;
    for (int model = 1; model <= PumpCount; ++model) {
        const double maxDrive = CatalogueRow(model).MaxAirDrivePsi;
        for (int step = 0; step <= drivesBetween + 1; ++step) {
            const double drive = std::round(40 + (maxDrive - 40) * step / (drivesBetween + 1));
            for (double scale : inletScales)
                for (bool bar : {false, true}) grid.push_back({model, bar, drive, scale});
        }
    }
    return grid;
}

// The grid of the label check: four drive pressures and four inlet
// scales, or - for a finer look by hand (scripts/check_chart_labels.sh) -
// ZORVIK_LABEL_GRID="D,S": D drive pressures between the lowest and the
// highest, S inlet scales from 0.5 to 1.5.
std::vector<ChartSetting> LabelGrid() {
    const QStringList fine = qEnvironmentVariable("ZORVIK_LABEL_GRID").split(u',');
    const int drivesBetween = fine.size() == 2 ? fine[0].toInt() : -1;
    const int scales = fine.size() == 2 ? fine[1].toInt() : 0;
    if (drivesBetween < 0 || scales < 2) {
        // With two charts where a user found labels touching.
        std::vector<ChartSetting> grid = ChartGrid(2, {0.5, 0.8, 1.2, 1.5});
        grid.push_back({3, true, 50, 1.0});
        grid.push_back({10, true, 100, 1.0});
        return grid;
    }
    std::vector<double> inletScales;
    for (int i = 0; i < scales; ++i) inletScales.push_back(0.5 + 1.0 * i / (scales - 1));
    return ChartGrid(drivesBetween, inletScales);
}

std::string Corners(const QRectF& r) {
    std::ostringstream out;
    out << "(" << r.left() << ", " << r.top() << ")-(" << r.right() << ", " << r.bottom() << ")";
    return out.str();
}

// Pixels left free between the outlines of two labels.
constexpr double kLabelsClear = 2;

std::function<void(Canvas&)> ChartOf(const ChartSetting& s) {
    const ChartView view = PrepareGraphChart(s.model, s.drivePsi, s.inletScale, s.bar).view;
    return [view](Canvas& c) { DrawChart(c, view); };
}

// Labels are placed where the model's figures put them, so on some charts
// a tag, a balloon and the shaded-area note would meet: every model's
// chart, in both unit systems, from the lowest drive pressure to the
// highest and from half to one and a half times the reference inlet
// pressure, keeps its words apart, and the outlines of its labels (tag
// boxes, balloons) two pixels clear of each other.
TEST_F(PerformanceChartTest, NoLabelCoversAnotherOnAnyModelsChart) {
    const std::vector<ChartSetting> grid = LabelGrid();
    std::vector<std::function<void(Canvas&)>> charts;
    for (const ChartSetting& s : grid) charts.push_back(ChartOf(s));
    const auto pages = testing::DrawnWordsOfEach(charts);
    for (std::size_t i = 0; i < grid.size(); ++i) {
        for (const auto& [a, b] : testing::OverlappingWords(pages[i]))
            ADD_FAILURE() << Describe(grid[i]) << ": \"" << a.text.toStdString() << "\" over \"" << b.text.toStdString()
                          << "\"";
        for (const auto& [a, b] : testing::OutlinesCloserThan(testing::DrawnOutlines(charts[i]), kLabelsClear))
            ADD_FAILURE() << Describe(grid[i]) << ": outline " << Corners(a) << " against " << Corners(b);
    }
}

// Curves, air-use lines and their tags stay on the plot: nothing of theirs
// right of the axis end (the bar axis reaches the top curve's stall) and no
// tag above the plot, where the legends are.
TEST_F(PerformanceChartTest, CurvesAndTagsStayOnThePlot) {
    const QRect rightOfAxis(kX0 + 521, kPlot.top() - 1, ChartPictureWidth - kX0 - 522, kY0 - kPlot.top() + 2);
    const QRect abovePlot(kX0, 1, 521, kPlot.top() - 2);
    const QRect legends[] = {{129, 23, 43, 22}, {360, 24, 30, 22}};  // the Ps balloon and the QA box
    for (const ChartSetting& s : ChartGrid(1, {0.5, 1.5})) {
        const QImage image = DrawnPicture(ChartOf(s));
        for (const QColor& colour : {colors::Red, colors::Purple, colors::Green, colors::Maroon, colors::Magenta})
            EXPECT_EQ(CountColor(image, rightOfAxis, colour), 0) << Describe(s) << " " << colour.name().toStdString();
        int legendMagenta = 0;
        for (const QRect& legend : legends) legendMagenta += CountColor(image, legend, colors::Magenta);
        EXPECT_EQ(CountColor(image, abovePlot, colors::Magenta), legendMagenta) << Describe(s);
    }
}

}  // namespace
}  // namespace zorvik
