#include "model_chart_page.h"

#include <QFontMetrics>
#include <array>

#include "language.h"
#include "text_fit.h"

namespace zorvik {
namespace {

// The printout starts from Arial at 10 points (13 px on screen).
constexpr int StartFontPoints = 10;

// Where the eight columns start: margin a = W/20 plus these many units of
// b = W/40, W being the page width.
constexpr std::array<int, ChartFieldCount> ColumnStartUnits = {0, 5, 9, 13, 17, 23, 27, 31};

// The heading over each of the eight columns, its lines parted by "\n"; the
// lines of all headings start together, four at most.
// clang-format off
constexpr const char* Headings[ChartFieldCount] = {
    ZORVIK_TR_NOOP("ModelSelectionChartPrint", "Model\nNumber"),
    ZORVIK_TR_NOOP("ModelSelectionChartPrint", "\nRatio"),
    ZORVIK_TR_NOOP("ModelSelectionChartPrint", "Max.\nRated\nGas\nSupply"),
    ZORVIK_TR_NOOP("ModelSelectionChartPrint", "Max.\nRated\nGas\nOutlet"),
    ZORVIK_TR_NOOP("ModelSelectionChartPrint", "Static Outlet\nPressure\nFormula"),
    ZORVIK_TR_NOOP("ModelSelectionChartPrint", "Piston\nDispl.\nPer\nCycle"),
    ZORVIK_TR_NOOP("ModelSelectionChartPrint", "Max.\nAir\nDrive"),
    ZORVIK_TR_NOOP("ModelSelectionChartPrint", "Drive\nSize"),
};
constexpr int HeadingLineCount = 4;
// clang-format on

// Page geometry, in printer pixels.
struct ChartPageLayout {
    int a = 0;  // left margin
    int g = 0;  // small vertical gap
    std::array<int, ChartFieldCount> column{};
};

ChartPageLayout LayOut(int width, int height) {
    ChartPageLayout p;
    p.a = width / 20;
    const int b = width / 40;
    p.g = height / 320;
    for (int i = 0; i < ChartFieldCount; ++i) p.column[i] = p.a + ColumnStartUnits[i] * b;
    return p;
}

// A list row without its leading tab: the first seven fields in their own
// columns, whatever follows the seventh tab in the eighth.
void PrintRow(Canvas& c, const ChartPageLayout& p, int y, const QString& row) {
    const QStringList fields = (row.startsWith(QLatin1Char('\t')) ? row.mid(1) : row).split(QLatin1Char('\t'));
    for (int i = 0; i < fields.size() && i < ChartFieldCount - 1; ++i) c.TextOut(p.column[i], y, fields[i]);
    if (fields.size() >= ChartFieldCount)
        c.TextOut(p.column[ChartFieldCount - 1], y, fields.mid(ChartFieldCount - 1).join(QLatin1Char('\t')));
}

void PrintUnitLine(Canvas& c, const ChartPageLayout& p, int y, bool metric) {
    const ChartUnitTexts units = ChartUnits(metric);
    for (int i : {2, 3, 6}) c.TextOut(p.column[i], y, units.Pressure);
    c.TextOut(p.column[5], y, units.Displacement);
    c.TextOut(p.column[7], y, units.DriveSize);
}

// Leading blanks until the text measures `width` pixels in the list's font.
QString PadToWidth(QString text, int width, const QFontMetrics& metrics) {
    while (metrics.horizontalAdvance(text) < width) text.prepend(QLatin1Char(' '));
    return text;
}

}  // namespace

QFont ModelChartListFont() { return QFont(QStringLiteral("Arial"), 12); }

QString ModelChartRow(const ChartFields& fields, const QFont& listFont) {
    const QFontMetrics metrics(listFont);
    QString row;
    for (int i = 0; i < ChartFieldCount; ++i)
        row += QLatin1Char('\t') + PadToWidth(QString::fromStdString(fields[i]), ChartFieldMinWidth[i], metrics);
    return row;
}

PrintResult PrintModelSelectionChart(PrintPage& page, bool metric, const QFont& listFont, const TAddressData& office,
                                     const Translator* reader) {
    if (!page.IsOpen()) return PrintResult::NotStarted;
    Canvas& c = page.Page();
    c.SetTranslator(reader);
    const int width = page.Width();
    const ChartPageLayout p = LayOut(width, page.Height());
    const QString company = QString::fromStdString(office.Field[1]);

    c.SetFont(QStringLiteral("Arial"), StartFontPoints, true, false, true);
    c.SetPenWidth(1);
    c.SetBrushStyle(BrushStyle::Solid);
    // One line step, measured in the bold underlined font, serves the page.
    const int e = c.TextHeight(company) + 1;
    const int lineWidth = width - 2 * p.a;
    TextOutFitted(c, p.a, 0, lineWidth, {}, company);

    c.SetFontUnderline(false);
    int y = 2 * p.g + e;
    c.TextOut(p.a, y, c.Say(Tr("ModelSelectionChartPrint", "Air Amplifier  Model Selection Chart")));
    c.SetFontBold(false);
    c.TextOut(width / 8 * 7, y, texts::ShortDate(reader));

    c.SetFontBold(true);
    y += 2 * e;
    for (int i = 0; i < ChartFieldCount; ++i) {
        const QStringList lines = c.Say(Tr("ModelSelectionChartPrint", Headings[i])).split(QLatin1Char('\n'));
        for (int line = 0; line < lines.size() && line < HeadingLineCount; ++line)
            c.TextOut(p.column[i], y + line * e, lines[line]);
    }
    y += HeadingLineCount * e;
    c.SetFontBold(false);
    PrintUnitLine(c, p, y, metric);

    // A print job started from Qt's print dialog cannot be cancelled while
    // the page is drawn, so the page is drawn whole.
    y += 2 * e;
    for (const std::string_view row : ChartRows) {
        const std::optional<ChartFields> fields = ChartRowFields(row, metric, texts::DecimalOf(reader));
        if (fields) PrintRow(c, p, y, ModelChartRow(*fields, listFont));
        y += e;
    }

    y += e;
    c.TextOut(p.a, y,
              c.Say(Tr("ModelSelectionChartPrint", "Pa = Air Drive Pressure       Ps = Supply Inlet Gas Pressure")));

    c.SetFont(QStringLiteral("arial"), StartFontPoints, true);
    y += 5 * p.g + e;
    TextOutContact(c, p.a, y, lineWidth, company);
    y += e;
    TextOutFitted(c, p.a, y, lineWidth, {}, QString::fromStdString(TelFaxLine(office)));
    return page.End();
}

}  // namespace zorvik
