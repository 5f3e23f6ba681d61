#include "submittal.h"

#include <QBuffer>
#include <QLocale>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include "item_figures.h"
#include "job_file.h"
#include "language.h"
#include "pdf_document_info.h"
#include "picture_file.h"
#include "submittal_pages.h"

namespace zorvik {
namespace {

constexpr int kPdfDpi = 600;
constexpr double kFooterInches = 0.4;
const QMarginsF kMarginsMm(15, 12, 15, 10);

QPageLayout::Orientation OrientationOf(SubmittalPageKind kind) {
    return IsLandscape(kind) ? QPageLayout::Landscape : QPageLayout::Portrait;
}

// The printable part of a page in device pixels, from its top-left corner.
QRectF PageArea(const QPagedPaintDevice& device, int dpi, SubmittalPageKind kind) {
    QPageLayout layout = device.pageLayout();
    layout.setOrientation(OrientationOf(kind));
    return QRectF(QPointF(0, 0), layout.paintRectPixels(dpi).size());
}

// The page without the footer's band.
QRectF ContentArea(const QRectF& page, int dpi) { return page.adjusted(0, 0, 0, -kFooterInches * dpi); }

std::vector<SubmittalPage> PlanPages(QPagedPaintDevice& device, const SubmittalDocument& d) {
    std::vector<SubmittalPage> pages = {{SubmittalPageKind::Cover}};
    const QRectF scheduleArea = ContentArea(PageArea(device, d.dpi, SubmittalPageKind::Schedule), d.dpi);
    std::size_t first = 0;
    for (const std::size_t rows : SchedulePageRows(&device, scheduleArea, d)) {
        pages.push_back({SubmittalPageKind::Schedule, 0, first, rows});
        first += rows;
    }
    for (std::size_t i = 0; i < d.job.items.size(); ++i)
        for (const SubmittalPageKind kind : ItemPages(d.job.items[i], d.results[i])) pages.push_back({kind, i});
    return pages;
}

void DrawPage(QPainter& painter, const QRectF& page, const SubmittalDocument& d, const SubmittalPage& s, int number,
              int count) {
    const QRectF area = ContentArea(page, d.dpi);
    painter.save();
    if (s.kind == SubmittalPageKind::Cover)
        DrawCoverPage(painter, area, d);
    else if (s.kind == SubmittalPageKind::Schedule)
        DrawSchedulePage(painter, area, d, s);
    else
        DrawItemPage(painter, area, d, s);
    painter.restore();
    DrawPageFooter(painter, area, d, s, number, count);
}

// Letter where the reader measures in US units, else A4.
QPageSize PaperOf(const Translator* reader) {
    return QPageSize(texts::LocaleOf(reader).measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                              : QPageSize::A4);
}

PdfDocumentInfo InfoOf(const job::JobHeader& header, const TAddressData& office) {
    const QString name = QString::fromStdString(header.name);
    QString subject = QString::fromStdString(header.customer);
    if (!header.reference.empty()) subject += QStringLiteral(", ") + QString::fromStdString(header.reference);
    return {QStringLiteral("Submittal: ") + name,
            QString::fromStdString(header.engineer.empty() ? office.Field[1] : header.engineer), subject,
            QStringLiteral("Zorvik Air Pressure Amplifiers ") + QString::fromLatin1(job::ProgramVersion())};
}

}  // namespace

const TAddressData& JobOffice(const job::JobHeader& header, const OfficeTable& offices, const TAddressData& chosen) {
    if (header.office.empty()) return chosen;
    for (const TAddressData& office : offices)
        if (office.Field[0] == header.office) return office;
    return chosen;
}

bool DrawSubmittal(QPagedPaintDevice& device, int dpi, const job::Job& job, const TAddressData& office,
                   const Translator* reader, const PageProgress& progress) {
    const std::vector<job::ItemResult> results = job::ComputeJob(job);
    const job::Schedule schedule = job::JobSchedule(job, results);
    const SubmittalDocument document{job, results, schedule, office, dpi, reader};
    const std::vector<SubmittalPage> pages = PlanPages(device, document);
    const int count = static_cast<int>(pages.size());
    QPainter painter;
    if (!device.setPageOrientation(OrientationOf(pages.front().kind)) || !painter.begin(&device)) return false;
    for (int n = 0; n < count; ++n) {
        const SubmittalPage& page = pages[static_cast<std::size_t>(n)];
        if (progress && !progress(n, count)) {
            painter.end();
            return false;
        }
        // A new orientation takes effect with the next page.
        if (n > 0 && (!device.setPageOrientation(OrientationOf(page.kind)) || !device.newPage())) {
            painter.end();
            return false;
        }
        DrawPage(painter, PageArea(device, dpi, page.kind), document, page, n + 1, count);
    }
    return painter.end();
}

bool WriteSubmittalPdf(const std::filesystem::path& file, const job::Job& job, const TAddressData& office,
                       const Translator* reader, QString& error, const PageProgress& progress) {
    const PdfDocumentInfo info = InfoOf(job.header, office);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    bool drawn = false;
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(kPdfDpi);
        pdf.setPageLayout(QPageLayout(PaperOf(reader), QPageLayout::Portrait, kMarginsMm, QPageLayout::Millimeter));
        pdf.setTitle(info.title);
        pdf.setCreator(info.creator);
        drawn = DrawSubmittal(pdf, kPdfDpi, job, office, reader, progress);
    }
    const QByteArray bytes = drawn ? WithDocumentInfo(buffer.data(), info) : QByteArray();
    if (bytes.isEmpty()) {
        error = QStringLiteral("the pages of \"%1\" cannot be made").arg(ShownPath(file));
        return false;
    }
    return WriteOutputFile(file, bytes, error, reader);
}

}  // namespace zorvik
