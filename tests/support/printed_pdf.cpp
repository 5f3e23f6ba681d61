#include "support/printed_pdf.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace zorvik::testing {
namespace {

QString Unescaped(QString text) {
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return text;
}

}  // namespace

QByteArray RunPdfTool(const QString& tool, const QStringList& arguments) {
    const QString path = QStandardPaths::findExecutable(tool);
    if (path.isEmpty()) {
        ADD_FAILURE() << tool.toStdString() << " is not installed (scripts/packages.txt: poppler-utils)";
        return {};
    }
    QProcess process;
    process.start(path, arguments);
    EXPECT_TRUE(process.waitForFinished(30000)) << tool.toStdString();
    return process.readAllStandardOutput();
}

QString PdfText(const QString& pdf) {
    return QString::fromUtf8(
        RunPdfTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")}));
}

std::vector<PdfWord> PdfWords(const QString& pdf) {
    const QString html =
        QString::fromUtf8(RunPdfTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")}));
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)"[^>]*>([^<]*)</word>)re"));
    std::vector<PdfWord> words;
    for (const QRegularExpressionMatch& m : word.globalMatch(html))
        words.push_back({m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                         m.captured(4).toDouble(), Unescaped(m.captured(5))});
    return words;
}

QString PdfTitle(const QString& pdf) {
    static const QRegularExpression title(QStringLiteral(R"(^Title:\s*(.*)$)"), QRegularExpression::MultilineOption);
    return title.match(QString::fromUtf8(RunPdfTool(QStringLiteral("pdfinfo"), {pdf}))).captured(1).trimmed();
}

}  // namespace zorvik::testing
