// The pages of one item of a submittal: its duty, the comparison of every
// model at it, and the chosen model's chart, drawing and rated data. The
// chart and the drawing are laid out as the windows print them
// (DrawDataSheet), on the job's office.

#include <QPainter>

#include "canvas.h"
#include "catalogue.h"
#include "comparison_page.h"
#include "data_sheet.h"
#include "dimension_drawings.h"
#include "language.h"
#include "model_data_lines.h"
#include "page_text.h"
#include "performance_chart.h"
#include "submittal_pages.h"

namespace zorvik {
namespace {

constexpr int kPictureDpi = 96;
constexpr double kCaptionPoints = 10;
constexpr double kCaptionBandPoints = 70;

QString Plain(const std::string& text) { return QString::fromStdString(text); }

QString ModelName(int model) { return Plain(CatalogueRow(model).DisplayName()).simplified(); }

bool Metric(const job::JobItem& item) { return item.duty.units == job::UnitSystem::Metric; }

QString ApplicationText(job::Application application) {
    return application == job::Application::Flow
               ? QStringLiteral("Continuous process: a constant pressure source feeding a continuous process")
               : QStringLiteral("Vessel charging: a constant pressure source charging a vessel or cylinder");
}

// Where the chart marks the duty: at the outlet pressure, each unit's share
// of the flow the duty needs; a model that cannot be sized for it is shown
// against the flow asked for, or, with none asked for, against what it gives.
ChartDutyPoint DutyPointOf(const FlowComparisonRow& row, const FlowDuty& duty) {
    if (row.duty.Sized()) return {duty.outletPsi, row.duty.unitFlowScfm};
    if (AsksForFlow(duty)) return {duty.outletPsi, duty.flowRequiredScfm};
    return {duty.outletPsi, row.candidate.delivered.flowScfm};
}

ChartView ChartOf(const job::JobItem& item, const job::ItemResult& result) {
    ChartView view;
    view.model = *item.model;
    view.bar = Metric(item);
    view.axes = ChartAxisRule::SelectionViewer;
    if (result.flow) {
        const FlowDuty& duty = result.reading.flow;
        view.drivePsi = duty.drivePsi;
        view.inletPsi = duty.inletPsi;
        view.duty = DutyPointOf(*result.flow, duty);
    } else {
        const ChargeDuty& duty = result.reading.fill;
        view.drivePsi = duty.drivePsi;
        view.inletPsi = duty.inletPsi;
        view.charge = ChartChargePoints{duty.startPsi, duty.finalPsi, result.fill->candidate.flowScfm};
    }
    return view;
}

// A picture on the data sheet's layout, drawn in picture pixels scaled to
// the page, with a caption under it.
void DrawSheet(QPainter& p, const QRectF& area, const SubmittalDocument& d, const PictureDrawing& picture,
               const QString& caption) {
    const double scale = static_cast<double>(d.dpi) / kPictureDpi;
    p.save();
    p.translate(area.topLeft());
    p.scale(scale, scale);
    {
        Canvas sheet(p, QSize(static_cast<int>(area.width() / scale), static_cast<int>(area.height() / scale)));
        sheet.SetTranslator(d.reader);
        DrawDataSheet(sheet, picture, d.office);
    }
    p.restore();
    const double band = kCaptionBandPoints * d.dpi / 72.0;
    PageText t(p, QRectF(area.left(), area.bottom() - band, area.width(), band), d.dpi);
    t.Paragraph(caption, kCaptionPoints);
}

void DrawFigures(PageText& t, const ComparisonTable& table, const Translator* reader) {
    for (const ComparisonTable::Row& row : table.rows)
        if (!row.cells.empty() && !row.cells.front().Empty())
            t.Field(texts::Figures(row.label, reader), texts::Figures(row.cells.front(), reader), 4);
}

void DrawDuty(QPainter& p, const QRectF& area, const SubmittalDocument& d, std::size_t index) {
    const job::JobItem& item = d.job.items[index];
    const job::ItemResult& result = d.results[index];
    PageText t(p, area, d.dpi);
    t.Title(QStringLiteral("Item ") + Plain(item.tag));
    t.Paragraph(ApplicationText(item.application), 11);
    t.Skip(6);
    t.Field(QStringLiteral("Quantity"), QString::number(item.quantity));
    t.Field(QStringLiteral("Model"), item.model ? ModelName(*item.model) : QStringLiteral("none chosen yet"));
    if (!item.notes.empty()) t.Field(QStringLiteral("Notes"), Plain(item.notes), 8);
    t.Heading(QStringLiteral("Duty, as typed"));
    for (const job::DutyLine& line : job::DutyLines(item))
        t.Field(texts::Said(line.label, d.reader), texts::Figures(line.value, d.reader), 2);
    if (!result.reading.Readable()) {
        t.Heading(QStringLiteral("The duty cannot be computed"));
        t.Paragraph(texts::Figures(result.reading.problem, d.reader), 10);
        return;
    }
    t.Skip(8);
    if (result.reading.equalised)
        t.Paragraph(QStringLiteral("The vessel starts below the inlet pressure: it is equalised to the inlet "
                                   "pressure first, and charged from there."),
                    10);
    if (!item.model) {
        t.Paragraph(QStringLiteral("No model is chosen for this item yet; the next page compares the candidates."), 10);
        return;
    }
    t.Heading(QStringLiteral("The chosen model at the duty"));
    if (result.flow) DrawFigures(t, FlowComparisonTable({*result.flow}, Metric(item)), d.reader);
    if (result.fill) DrawFigures(t, ChargeComparisonTable({*result.fill}, Metric(item)), d.reader);
}

void DrawComparison(QPainter& p, const QRectF& area, const SubmittalDocument& d, std::size_t index) {
    const job::JobItem& item = d.job.items[index];
    const job::ItemResult& result = d.results[index];
    const CostSettings cost = job::ItemCost(item, d.job.header.cost);
    const bool metric = Metric(item);
    ComparisonPage page;
    if (item.application == job::Application::Flow) {
        const FlowDuty& duty = result.reading.flow;
        page = FlowComparisonPage(CompareForFlow(duty, AllModels(), cost, metric), duty, cost, metric);
    } else {
        const ChargeDuty& duty = result.reading.fill;
        page = ChargeComparisonPage(CompareForCharge(duty, AllModels(), cost, metric), duty, cost, metric);
    }
    page.title = "Item " + item.tag + ": " + page.title;
    DrawComparisonPage(p, area, page, d.reader);
}

void DrawChartPage(QPainter& p, const QRectF& area, const SubmittalDocument& d, std::size_t index) {
    const job::JobItem& item = d.job.items[index];
    const ChartView view = ChartOf(item, d.results[index]);
    const QString point = view.duty ? QStringLiteral(
                                          "the duty point marked at the outlet pressure and each unit's "
                                          "flow")
                                    : QStringLiteral(
                                          "the vessel's charge marked from its initial to its final "
                                          "pressure");
    DrawSheet(
        p, area, d, [view](Canvas& canvas) { DrawChart(canvas, view); },
        QStringLiteral("Item ") + Plain(item.tag) + QStringLiteral(": performance of the ") + ModelName(view.model) +
            QStringLiteral(" at the air drive and inlet pressures of the duty, ") + point + QStringLiteral("."));
}

void DrawDrawingPage(QPainter& p, const QRectF& area, const SubmittalDocument& d, std::size_t index) {
    const job::JobItem& item = d.job.items[index];
    const DrawingView view{*item.model, Metric(item), 0, {}};
    DrawSheet(
        p, area, d, [view](Canvas& canvas) { DrawDrawing(canvas, view); },
        QStringLiteral("Item ") + Plain(item.tag) + QStringLiteral(": outline drawing of the ") +
            ModelName(view.model) + (view.mm ? QStringLiteral(", in millimetres.") : QStringLiteral(", in inches.")));
}

void DrawModelData(QPainter& p, const QRectF& area, const SubmittalDocument& d, std::size_t index) {
    const int model = *d.job.items[index].model;
    PageText t(p, area, d.dpi);
    t.Title(ModelName(model) + QStringLiteral(": rated data"));
    t.Paragraph(QStringLiteral("The model's limits and constants, pressures in barg and psig."), 10);
    t.Skip(8);
    for (const ModelDataLine& line : ModelDataLines(CatalogueRow(model), d.reader)) t.Field(line.label, line.value, 3);
}

}  // namespace

std::vector<SubmittalPageKind> ItemPages(const job::JobItem& item, const job::ItemResult& result) {
    if (!result.reading.Readable()) return {SubmittalPageKind::Duty};
    if (!item.model) return {SubmittalPageKind::Duty, SubmittalPageKind::Comparison};
    return {SubmittalPageKind::Duty, SubmittalPageKind::Comparison, SubmittalPageKind::Chart,
            SubmittalPageKind::Drawing, SubmittalPageKind::ModelData};
}

void DrawItemPage(QPainter& painter, const QRectF& area, const SubmittalDocument& d, const SubmittalPage& page) {
    switch (page.kind) {
        case SubmittalPageKind::Duty:
            return DrawDuty(painter, area, d, page.item);
        case SubmittalPageKind::Comparison:
            return DrawComparison(painter, area, d, page.item);
        case SubmittalPageKind::Chart:
            return DrawChartPage(painter, area, d, page.item);
        case SubmittalPageKind::Drawing:
            return DrawDrawingPage(painter, area, d, page.item);
        case SubmittalPageKind::ModelData:
            return DrawModelData(painter, area, d, page.item);
        default:
            return;
    }
}

}  // namespace zorvik
