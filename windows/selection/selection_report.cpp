#include "selection_report.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>

#include "session.h"
#include "printing.h"
#include "text_fit.h"
#include "language.h"

namespace zorvik {
namespace {

constexpr int ResultColumns = 5;
constexpr int ReportFontPoints = 12;  // Arial 16 pixels on the screen

// The result columns start at the margin plus these many twentieths of the
// page width.
constexpr std::array<int, ResultColumns> ColumnTwentieths = {0, 4, 7, 10, 13};

class SelectionReportPage {
    Q_DECLARE_TR_FUNCTIONS(SelectionReport)
};

// The heading over each result column, by application type.
// clang-format off
constexpr const char* ColumnHeadings[2][ResultColumns] = {
    {QT_TRANSLATE_NOOP("SelectionReport", "Model No."), QT_TRANSLATE_NOOP("SelectionReport", "Flow rate "),
     QT_TRANSLATE_NOOP("SelectionReport", "Air Used "), QT_TRANSLATE_NOOP("SelectionReport", "Cycles / min"), ""},
    {QT_TRANSLATE_NOOP("SelectionReport", "Model No."), QT_TRANSLATE_NOOP("SelectionReport", "Fill time"),
     QT_TRANSLATE_NOOP("SelectionReport", "Air Used "), QT_TRANSLATE_NOOP("SelectionReport", "Cycles / min"),
     QT_TRANSLATE_NOOP("SelectionReport", "Total Air Used")},
};

constexpr const char* ApplicationTexts[2] = {
    QT_TRANSLATE_NOOP("SelectionReport", "Constant pressure source feeding continous process"),
    QT_TRANSLATE_NOOP("SelectionReport", "Constant pressure source charging vessel or cylinder"),
};
// clang-format on

struct UnitWords {
    const char* pressure;
    const char* flow;
    const char* air;
    const char* volume;
};
constexpr UnitWords ImperialWords = {"psig", "scfm", "scfm", "ft.3"};
constexpr UnitWords MetricWords = {"barg", "nl/min", "n.m3", "litres"};

// Where a condition's caption, figure and unit word stand, as fractions of
// the page width past the margin: one set for the inlet side, one for the
// outlet side.
struct ConditionColumn {
    double caption;
    double figure;
    double unit;
};
constexpr ConditionColumn InletSide = {0.0, 0.175, 0.25};
constexpr ConditionColumn OutletSide = {0.375, 0.55, 0.625};

// Page geometry in printer pixels: W the page width, x0 = W div 16 the
// margin, L the line pitch.
class ReportLayout {
public:
    ReportLayout(int width, int lineHeight) : width_(width), x0_(width / 16), pitch_(lineHeight + 2) {
        for (int i = 0; i < ResultColumns; ++i) column_[i] = x0_ + ColumnTwentieths[i] * (width / 20);
    }
    int Margin() const { return x0_; }
    int Pitch() const { return pitch_; }
    // A text "at f" stands at x0 + trunc(W x f).
    int At(double fraction) const { return x0_ + static_cast<int>(width_ * fraction); }
    int Column(int i) const { return column_[i]; }

private:
    int width_;
    int x0_;
    int pitch_;
    std::array<int, ResultColumns> column_{};
};

class ReportPrinter {
public:
    ReportPrinter(Canvas& canvas, const ReportLayout& layout) : c_(canvas), p_(layout) {}

    void Text(double at, int y, const QString& text) { c_.TextOut(p_.At(at), y, text); }

    // A figure is printed as typed, so a long one (a capacity of many
    // litres, say) would run into its unit word: the word then stands one
    // blank after the figure instead.
    void Condition(const ConditionColumn& side, int y, const QString& caption, const QString& figure,
                   const char* unit) {
        Text(side.caption, y, caption);
        const int figureX = p_.At(side.figure);
        c_.TextOut(figureX, y, figure);
        const int unitX = std::max(p_.At(side.unit), figureX + c_.TextWidth(figure + QLatin1Char(' ')));
        c_.TextOut(unitX, y, QString::fromLatin1(unit));
    }

    void ColumnTexts(int y, const std::array<QString, ResultColumns>& texts) {
        for (int i = 0; i < ResultColumns; ++i) c_.TextOut(p_.Column(i), y, texts[i]);
    }

    // The cells of a list row, blanks kept: the text before the first tab is
    // dropped and the next five pieces go to the five columns.
    void Row(int y, const QString& row) {
        const QStringList pieces = row.split(QLatin1Char('\t'));
        for (int i = 0; i < ResultColumns && i + 1 < pieces.size(); ++i) c_.TextOut(p_.Column(i), y, pieces[i + 1]);
    }

private:
    Canvas& c_;
    const ReportLayout& p_;
};

// A text in lines no wider than `width` in the canvas's font, broken at blanks.
QStringList WrappedLines(const Canvas& c, const QString& text, int width) {
    QStringList lines;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!lines.isEmpty() && c.TextWidth(lines.back() + QLatin1Char(' ') + word) <= width)
            lines.back() += QLatin1Char(' ') + word;
        else
            lines << word;
    }
    return lines;
}

std::array<QString, ResultColumns> Headings(int type) {
    std::array<QString, ResultColumns> texts;
    for (int i = 0; i < ResultColumns; ++i) texts[i] = SelectionReportPage::tr(ColumnHeadings[type][i]);
    return texts;
}

std::array<QString, ResultColumns> UnitRow(int type, const UnitWords& words) {
    const QString air = QString::fromLatin1(words.air);
    if (type == ApplicationFillCylinder)
        return {QString(), SelectionReportPage::tr("minutes"), SelectionReportPage::tr("%1 (average)").arg(air),
                SelectionReportPage::tr("(average)"), air};
    return {QString(), QString::fromLatin1(words.flow), air, QString(), QString()};
}

// The outlet side of the conditions, from the line of the inlet pressure
// down.
void PrintOutletConditions(ReportPrinter& out, int y, int pitch, const SelectionReport& report,
                           const UnitWords& words) {
    if (report.applicationType == ApplicationFillCylinder) {
        out.Condition(OutletSide, y, SelectionReportPage::tr("Initial outlet"), report.initial, words.pressure);
        out.Condition(OutletSide, y + pitch, SelectionReportPage::tr("Final outlet"), report.final, words.pressure);
        out.Condition(OutletSide, y + 2 * pitch, SelectionReportPage::tr("Vessel capacity"), report.capacity,
                      words.volume);
    } else {
        out.Condition(OutletSide, y, SelectionReportPage::tr("Air outlet"), report.outlet, words.pressure);
        if (report.flowIgnored)
            out.Text(OutletSide.caption, y + pitch,
                     SelectionReportPage::tr("Flow required: any (the window ignores it)"));
        else
            out.Condition(OutletSide, y + pitch, SelectionReportPage::tr("Flow required"), report.flowRequired,
                          words.flow);
    }
}

// The drive air the list was sized on, under the inlet pressure.
void PrintAirAvailable(ReportPrinter& out, int y, const SelectionReport& report, const UnitWords& words) {
    if (report.airUnlimited)
        out.Text(InletSide.caption, y, SelectionReportPage::tr("Air available: not limited"));
    else
        out.Condition(InletSide, y, SelectionReportPage::tr("Air available"), report.airAvailable, words.flow);
}

}  // namespace

PrintResult PrintSelectionReport(QPrinter& printer, const SelectionReport& report) {
    PrinterPage page(printer, SelectionReportPage::tr("Zorvik air amplifiers"));
    if (!page.IsOpen()) return PrintResult::NotStarted;
    Canvas& c = page.Page();
    const int type = report.applicationType == ApplicationFillCylinder ? ApplicationFillCylinder : ApplicationFlow;
    const UnitWords& words = report.metric ? MetricWords : ImperialWords;
    const TAddressData& office = report.office;
    const QString company = QString::fromStdString(office.Field[1]);

    c.SetPenWidth(1);
    c.SetBrushStyle(BrushStyle::Solid);
    c.SetFont(QStringLiteral("Arial"), ReportFontPoints, true, false, true);
    const ReportLayout p(page.Width(), c.TextHeight(company));
    ReportPrinter out(c, p);
    const int L = p.Pitch();

    const int lineWidth = page.Width() - 2 * p.Margin();
    TextOutFitted(c, p.Margin(), 0, lineWidth, {}, company);

    c.SetFontUnderline(false);
    const int y1 = 2 * (page.Height() / 240) + L;
    c.TextOut(p.Margin(), y1, SelectionReportPage::tr("Air Amplifier  Selection choices"));
    c.SetFontBold(false);
    c.TextOut(page.Width() / 8 * 7, y1, texts::ShortDate(texts::DesktopTranslator()));

    int y = y1 + 2 * L;
    out.Text(0, y, SelectionReportPage::tr("Application type"));
    out.Text(InletSide.figure, y, QStringLiteral(":  ") + SelectionReportPage::tr(ApplicationTexts[type]));
    y += L;
    out.Text(0, y, SelectionReportPage::tr("Gas to be boosted"));
    out.Text(InletSide.figure, y, QStringLiteral(":  ") + report.gas);

    y += 2 * L;
    c.SetFontUnderline(true);
    out.Text(InletSide.caption, y, SelectionReportPage::tr("Inlet conditions"));
    out.Text(OutletSide.caption, y, SelectionReportPage::tr("Outlet conditions"));
    c.SetFontUnderline(false);
    y += L;
    out.Condition(InletSide, y, SelectionReportPage::tr("Air Drive"), report.airDrive, words.pressure);
    y += L;
    out.Condition(InletSide, y, SelectionReportPage::tr("Air Inlet"), report.inlet, words.pressure);
    PrintOutletConditions(out, y, L, report, words);
    PrintAirAvailable(out, y + L, report, words);

    y += 4 * L;
    out.ColumnTexts(y, Headings(type));
    y += L;
    out.ColumnTexts(y, UnitRow(type, words));
    y += L;
    for (const QString& row : report.rows) {
        out.Row(y, row);
        y += L;
    }

    y += L;
    c.TextOut(p.Margin(), y,
              SelectionReportPage::tr("Air used figures listed above indicate the drive air volume required"));
    y += L;
    c.TextOut(p.Margin(), y, SelectionReportPage::tr("Add outlet air quantity to obtain total input required."));
    for (const QString& line : WrappedLines(c, report.safetyNote, lineWidth)) {
        y += L;
        c.TextOut(p.Margin(), y, line);
    }
    y += 2 * L;
    TextOutContact(c, p.Margin(), y, lineWidth, company);
    y += L;
    TextOutFitted(c, p.Margin(), y, lineWidth, {}, QString::fromStdString(TelFaxLine(office)));
    return page.End();
}

}  // namespace zorvik
