#pragma once
// Reads a printout back: tests print to a PDF file and look at its text and
// where each word stands (poppler-utils' pdftotext and pdfinfo).

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace zorvik::testing {

// Runs one of poppler-utils' tools and returns what it wrote; a missing tool
// fails the test with the package to install.
QByteArray RunPdfTool(const QString& tool, const QStringList& arguments);

// The text of the PDF as pdftotext -layout lays it out; "\f" ends each page.
QString PdfText(const QString& pdf);

// One word of a printout; positions in points from the page's top-left.
struct PdfWord {
    double x;       // left edge
    double y;       // top
    double right;   // right edge
    double bottom;  // bottom edge
    QString text;
};
std::vector<PdfWord> PdfWords(const QString& pdf);

// The document title recorded in the PDF.
QString PdfTitle(const QString& pdf);

}  // namespace zorvik::testing
