// The submittal as a customer reads it, back out of the PDF: as many pages
// as its items call for, each with the job, its revision and "Page n of
// N", every item's tag on its own pages and once in the schedule, the
// title and author recorded, and no picture stored as an image.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "pdf_document_info.h"
#include "picture_file.h"
#include "submittal.h"
#include "support/printed_pdf.h"

namespace zorvik::testing {
namespace {

job::JobItem Item(const std::string& tag, std::optional<int> model, const std::string& outlet = "200") {
    job::JobItem item;
    item.tag = tag;
    item.model = model;
    item.duty.outlet = outlet;
    return item;
}

job::JobItem FillItem(const std::string& tag, int model) {
    job::JobItem item = Item(tag, model);
    item.application = job::Application::Fill;
    item.duty.units = job::UnitSystem::Metric;
    item.duty.drive = item.duty.inlet = item.duty.initial = "6.9";
    item.duty.air = "2831.7";
    item.duty.final = "68.9";
    item.duty.capacity = "28.3";
    return item;
}

job::Job JobOf(std::vector<job::JobItem> items) {
    job::Job j;
    j.header.name = "Pump station";
    j.header.revision = "C";
    j.header.engineer = "Jürgen Smith";
    j.header.customer = "ACME Gas";
    j.items = std::move(items);
    return j;
}

class SubmittalTest : public ::testing::Test {
public:
    // The pages' texts, written from `job`.
    QStringList Pages(const job::Job& j) {
        QString error;
        EXPECT_TRUE(WriteSubmittalPdf(FilePath(file), j, InitOffices()[1], nullptr, error)) << error.toStdString();
        QStringList pages = PdfText(file).split(QLatin1Char('\f'));
        pages.removeLast();  // after the last page's end
        return pages;
    }

    QTemporaryDir folder;
    QString file = folder.filePath(QStringLiteral("pack.pdf"));
};

TEST_F(SubmittalTest, AnItemHasThePagesItsDutyAndModelCallFor) {
    // clang-format off
    const struct { const char* job; std::vector<job::JobItem> items; int pages; } cases[] = {
        {"no items",                   {},                                                           2},
        {"a model at its duty",        {Item("B-1", 6)},                                             7},
        {"a vessel charged",           {FillItem("V-1", 10)},                                        7},
        {"no model yet",               {Item("B-1", std::nullopt)},                                  4},
        {"a duty that cannot be read", {Item("B-1", 6, "-5")},                                       3},
        {"all of them",                {Item("B-1", 6), Item("B-2", {}), Item("B-3", 6, "-5")},      10},
    };
    // clang-format on
    for (const auto& c : cases) {
        const QStringList pages = Pages(JobOf(c.items));
        ASSERT_EQ(pages.size(), c.pages) << c.job;
        for (int n = 0; n < pages.size(); ++n) {
            EXPECT_TRUE(pages[n].contains(QStringLiteral("Pump station - Revision C"))) << c.job << " page " << n + 1;
            EXPECT_TRUE(pages[n].contains(QStringLiteral("Page %1 of %2").arg(n + 1).arg(c.pages)))
                << c.job << " page " << n + 1;
        }
    }
}

// Page after page an item's tag stands in the footer; the schedule lists
// each item once, over as many pages as it takes.
TEST_F(SubmittalTest, EveryItemIsOnItsPagesAndOnceInTheSchedule) {
    std::vector<job::JobItem> items;
    for (int i = 1; i <= 70; ++i)
        items.push_back(Item(QStringLiteral("T%1").arg(i, 3, 10, QLatin1Char('0')).toStdString(), {}));
    const QStringList pages = Pages(JobOf(items));
    int schedulePages = 0;
    while (pages[1 + schedulePages].contains(QStringLiteral("Schedule"))) ++schedulePages;
    EXPECT_GT(schedulePages, 1);
    ASSERT_EQ(pages.size(), 1 + schedulePages + 2 * 70);
    const QString schedule = pages.mid(1, schedulePages).join(QString());
    for (int i = 0; i < 70; ++i) {
        const QString tag = QString::fromStdString(items[static_cast<std::size_t>(i)].tag);
        EXPECT_EQ(schedule.count(tag), 1) << tag.toStdString();
        for (int page : {1 + schedulePages + 2 * i, 2 + schedulePages + 2 * i})
            EXPECT_TRUE(pages[page].contains(QStringLiteral("Item ") + tag)) << tag.toStdString() << " page " << page;
    }
}

TEST_F(SubmittalTest, TheDocumentSaysWhatItIsAndHoldsNoImages) {
    Pages(JobOf({Item("B-1", 6), FillItem("V-1", 10)}));
    const QString info = QString::fromUtf8(RunPdfTool(QStringLiteral("pdfinfo"), {file}));
    EXPECT_EQ(PdfTitle(file), QStringLiteral("Submittal: Pump station"));
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Author:\\s+Jürgen Smith\\n")))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Subject:\\s+ACME Gas\\n")))) << info.toStdString();
    const QStringList images =
        QString::fromUtf8(RunPdfTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), file}))
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_EQ(images.size(), 2) << "only the heading lines: " << images.join(QLatin1Char('\n')).toStdString();
}

// Texts typed without bounds are cut on their page, never over the next.
TEST_F(SubmittalTest, EndlessTextsKeepToTheirPlace) {
    job::Job j = JobOf({Item(std::string(3000, 'W'), 6)});
    j.header.name = std::string(2000, 'N');
    j.header.notes.assign(20000, 'x').append("\nend");
    j.items[0].notes = std::string(5000, 'y');
    const QStringList pages = Pages(j);
    ASSERT_EQ(pages.size(), 7);
    for (int n = 0; n < pages.size(); ++n)
        EXPECT_TRUE(pages[n].contains(QStringLiteral("Page %1 of 7").arg(n + 1))) << "page " << n + 1;
}

// Stopped between pages (the window's Cancel), nothing is written: an old
// file of that name stays as it was.
TEST_F(SubmittalTest, AStoppedDocumentLeavesTheFileAsItWas) {
    QFile old(file);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    std::vector<std::pair<int, int>> told;
    const auto stopAtThird = [&told](int done, int count) {
        told.emplace_back(done, count);
        return done < 2;
    };
    QString error;
    EXPECT_FALSE(
        WriteSubmittalPdf(FilePath(file), JobOf({Item("B-1", 6)}), InitOffices()[1], nullptr, error, stopAtThird));
    EXPECT_EQ(told, (std::vector<std::pair<int, int>>{{0, 7}, {1, 7}, {2, 7}}));
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("old"));
}

// The amended file keeps Qt's bytes and adds a section whose offsets are right.
TEST(PdfDocumentInfoTest, TheInformationIsAnUpdateWithTrueOffsets) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        QPainter painter(&pdf);
        painter.drawLine(0, 0, 100, 100);
    }
    const QByteArray original = buffer.data();
    const QByteArray amended = WithDocumentInfo(original, {"T", "Ann Ödegård", "S", "C"});
    ASSERT_TRUE(amended.startsWith(original));
    const auto offset = QRegularExpression(QStringLiteral("startxref\\s+(\\d+)\\s+%%EOF\\s*$"))
                            .match(QString::fromLatin1(amended))
                            .captured(1)
                            .toLongLong();
    ASSERT_TRUE(amended.mid(offset).startsWith("xref\n"));
    const auto entry = QRegularExpression(QStringLiteral("^xref\\n(\\d+) 1\\n(\\d{10}) 00000 n \\n"))
                           .match(QString::fromLatin1(amended.mid(offset)));
    ASSERT_TRUE(entry.hasMatch());
    EXPECT_TRUE(amended.mid(entry.captured(2).toLongLong()).startsWith((entry.captured(1) + " 0 obj").toLatin1()));
    EXPECT_TRUE(WithDocumentInfo("no PDF at all", {}).isEmpty());
}

}  // namespace
}  // namespace zorvik::testing
