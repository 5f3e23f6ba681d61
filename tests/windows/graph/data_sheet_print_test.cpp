#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>

#include "printing.h"
#include "graph_window_fixture.h"
#include "support/failing_printer.h"
#include "support/notice_recorder.h"
#include "support/printed_pdf.h"
#include "language.h"

namespace zorvik::testing {
namespace {

bool Dark(const QImage& page, int x, int y) { return qGray(page.pixel(x, y)) < 128; }

// The printed picture's frame, found on a page rendered at 100 dpi: the
// first dark run across the middle of the page is the frame's left edge, and
// the frame runs down from there without a break.
QRect PrintedPictureFrame(const QImage& page) {
    const int middle = page.height() * 2 / 5;
    int left = 0;
    while (left < page.width() && !Dark(page, left, middle)) ++left;
    int right = page.width() - 1;
    while (right > left && !Dark(page, right, middle)) --right;
    int top = middle;
    while (top > 0 && Dark(page, left, top - 1)) --top;
    int bottom = middle;
    while (bottom + 1 < page.height() && Dark(page, left, bottom + 1)) ++bottom;
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

class DataSheetPrintTest : public GraphWindowTest {
protected:
    // Prints the window's data sheet on a page of the given size; returns
    // the text of the PDF and leaves the page rendered in `rendered`.
    QString Print(QPageSize::PageSizeId size) {
        const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
        {
            const auto printer = MakePdfPrinter(pdf);
            printer->setPageSize(QPageSize(size));
            printableInches = double(printer->width()) / printer->resolution();
            EXPECT_TRUE(form.PrintDataSheetOn(*printer));
        }
        const QString png = dir.filePath(QStringLiteral("sheet"));
        RunPdfTool(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("100"),
                                                QStringLiteral("-singlefile"), pdf, png});
        rendered = QImage(png + QStringLiteral(".png"));
        return PdfText(pdf);
    }

    QTemporaryDir dir;
    QImage rendered;
    double printableInches = 0;
};

TEST_F(DataSheetPrintTest, NamesTheOfficeTheDateAndHowToGetHelp) {
    Open();
    ChooseModel(8);
    Press(Button("DrawGraphBitBtn"));
    const QString text = Print(QPageSize::A4);
    EXPECT_EQ(text.count(QLatin1Char('\f')), 1);
    const QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines[0].simplified(), QStringLiteral("Zorvik Pneumatics Ltd."));
    EXPECT_EQ(lines[1].simplified(), QStringLiteral("Data sheet ") + texts::ShortDate(texts::DesktopTranslator()));
    EXPECT_EQ(lines[lines.size() - 3].simplified(),
              QStringLiteral("Please contact Zorvik Pneumatics Ltd. if you require assistance."));
    EXPECT_EQ(lines[lines.size() - 2].simplified(),
              QStringLiteral("Tel: +44 (0)1632 960 210 Fax: +44 (0)1632 960 211"));

    session.OfficeIndex = 0;
    const QString other = Print(QPageSize::A4);
    const QString company = QString::fromStdString(session.Office().Field[1]);
    EXPECT_TRUE(other.startsWith(company)) << other.toStdString();
    EXPECT_TRUE(other.contains(QStringLiteral("Please contact ") + company)) << other.toStdString();
}

// A company name or telephone line from a hand-written office file that is
// wider than the page is shortened at a whole character and ends in "…":
// every printed word stays inside the right margin.
TEST_F(DataSheetPrintTest, OverLongOfficeLinesStayOnThePage) {
    Open();
    ChooseModel(8);
    Press(Button("DrawGraphBitBtn"));
    session.OfficeIndex = 0;
    session.Offices[0].Field[1] = "Zorvik " + std::string(80, 'W') + " Very Long Compressed Air Holdings Ltd.";
    session.Offices[0].Field[6] = std::string(120, '9');
    const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
    double pageWidthPoints = 0;
    {
        const auto printer = MakePdfPrinter(pdf);
        printer->setPageSize(QPageSize(QPageSize::A4));
        pageWidthPoints = printer->pageLayout().fullRect(QPageLayout::Point).width();
        ASSERT_TRUE(form.PrintDataSheetOn(*printer));
    }
    const QString text = PdfText(pdf);
    EXPECT_EQ(text.count(QChar(0x2026)), 3) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral(" if you require assistance."))) << text.toStdString();
    for (const PdfWord& word : PdfWords(pdf)) EXPECT_LT(word.right, pageWidthPoints - 18) << word.text.toStdString();
}

// The 617 x 461 picture is printed at 617 : 485 across the printable width
// less half-inch margins, whatever the paper.
TEST_F(DataSheetPrintTest, ThePictureKeepsItsPrintedProportions) {
    Open();
    for (QPageSize::PageSizeId size : {QPageSize::A4, QPageSize::Letter}) {
        SCOPED_TRACE(QPageSize::name(size).toStdString());
        Print(size);
        ASSERT_FALSE(rendered.isNull());
        const QRect frame = PrintedPictureFrame(rendered);
        EXPECT_NEAR(double(frame.width()) / frame.height(), 617.0 / 485.0, 0.006);
        EXPECT_NEAR(frame.width(), (printableInches - 1.0) * 100, 3);
    }
}

// The picture is drawn afresh onto the page as vectors: no bitmap on the
// page, its words are the PDF's text, and whatever the window showed last
// (a chart, a model's drawing, an option's drawing) is what is printed.
TEST_F(DataSheetPrintTest, ThePictureIsPrintedAsVectors) {
    Open();
    ChooseModel(13);
    const struct {
        const char* button;
        const char* word;
    } kShown[] = {
        {"DrawGraphBitBtn", "Outlet pressure"},
        {"ShowDrawingBitBtn", "Fixings"},
    };
    for (const auto& shown : kShown) {
        SCOPED_TRACE(shown.button);
        Press(Button(shown.button));
        const QString text = Print(QPageSize::A4);
        EXPECT_TRUE(text.contains(QLatin1String(shown.word))) << text.toStdString();
        const QByteArray images = RunPdfTool(QStringLiteral("pdfimages"),
                                             {QStringLiteral("-list"), dir.filePath(QStringLiteral("sheet.pdf"))});
        EXPECT_EQ(images.count('\n'), 2) << images.toStdString();  // the list's two heading lines only
    }
}

// Printed from the view it was drawn with, not from what the session says
// by the time of the print.
TEST_F(DataSheetPrintTest, PrintsThePictureShownAfterTheModelHasChangedElsewhere) {
    Open();
    ChooseModel(8);
    Press(Button("DrawGraphBitBtn"));
    session.SelectPump(2);
    session.DisplayMode = DisplayDrawingMm;
    const QString text = Print(QPageSize::A4);
    EXPECT_TRUE(text.contains(QString::fromStdString(CatalogueRow(8).DisplayName()).trimmed())) << text.toStdString();
    EXPECT_EQ(session.CurrentPump.PumpNo, 2);
    EXPECT_EQ(session.DisplayMode, DisplayDrawingMm);
}

TEST_F(DataSheetPrintTest, APrintThatCannotStartIsReported) {
    NoticeRecorder notices;
    notices.Expect(NoticeKind::Error, "The data sheet could not be printed: the printer could not be started.");
    const auto printer = MakePdfPrinter(dir.filePath(QStringLiteral("no/such/folder/sheet.pdf")));
    EXPECT_FALSE(form.PrintDataSheetOn(*printer));
    EXPECT_EQ(notices.Beeps(), 1);
}

TEST_F(DataSheetPrintTest, APrintThatCannotFinishIsReported) {
    Open();
    NoticeRecorder notices;
    notices.Expect(NoticeKind::Error,
                   "The data sheet could not be printed: the job could not be handed to the printer.");
    FailingPrinter printer;
    EXPECT_FALSE(form.PrintDataSheetOn(printer));
    EXPECT_EQ(notices.Beeps(), 1);
}

}  // namespace
}  // namespace zorvik::testing
