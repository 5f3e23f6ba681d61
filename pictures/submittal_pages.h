#pragma once
// The pages of a submittal (submittal.h), each drawn into an area of a
// page in device pixels with the footer's band left free.

#include <QRectF>
#include <cstddef>
#include <vector>

#include "item_figures.h"
#include "office_table.h"
#include "schedule.h"

class QPainter;
class QPaintDevice;

namespace zorvik {

enum class SubmittalPageKind { Cover, Schedule, Duty, Comparison, Chart, Drawing, ModelData };

struct SubmittalPage {
    SubmittalPageKind kind = SubmittalPageKind::Cover;
    std::size_t item = 0;      // the item of an item's page
    std::size_t firstRow = 0;  // a schedule page: its rows
    std::size_t rows = 0;
};

bool IsLandscape(SubmittalPageKind kind);

// What every page reads.
struct SubmittalDocument {
    const job::Job& job;
    const std::vector<job::ItemResult>& results;
    const job::Schedule& schedule;
    const TAddressData& office;
    int dpi;
    const Translator* reader;  // the language of the pages' texts and numbers
};

// The pages an item has: its duty; the comparison when its duty can be
// computed; the chart, the drawing and the rated data when a model is
// chosen as well.
std::vector<SubmittalPageKind> ItemPages(const job::JobItem& item, const job::ItemResult& result);

void DrawCoverPage(QPainter& painter, const QRectF& area, const SubmittalDocument& document);

// How many schedule rows each schedule page takes, in order, for pages of
// `area` on `device`.
std::vector<std::size_t> SchedulePageRows(QPaintDevice* device, const QRectF& area, const SubmittalDocument& document);
void DrawSchedulePage(QPainter& painter, const QRectF& area, const SubmittalDocument& document,
                      const SubmittalPage& page);

void DrawItemPage(QPainter& painter, const QRectF& area, const SubmittalDocument& document, const SubmittalPage& page);

// Under `area`: the job's name and revision, the item's tag on its pages,
// and "Page n of N".
void DrawPageFooter(QPainter& painter, const QRectF& area, const SubmittalDocument& document, const SubmittalPage& page,
                    int number, int count);

}  // namespace zorvik
