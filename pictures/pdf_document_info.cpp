#include "pdf_document_info.h"

#include <QRegularExpression>

namespace zorvik {
namespace {

// A PDF text string that holds any character: UTF-16 big-endian with its
// byte order mark, written in hexadecimal.
QByteArray TextString(const QString& text) {
    QByteArray bytes("<FEFF");
    for (const QChar c : text) bytes += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    return bytes + '>';
}

struct Trailer {
    int size = 0;
    QByteArray root;  // "2 0 R"
    QByteArray id;    // "[<...> <...>]", when there is one
    qint64 crossReference = -1;
};

// The last trailer's entries and the offset of the last cross-reference table.
Trailer LastTrailer(const QByteArray& pdf) {
    Trailer t;
    const qsizetype at = pdf.lastIndexOf("trailer");
    const qsizetype start = pdf.lastIndexOf("startxref");
    if (at < 0 || start < at) return t;
    const QString dictionary = QString::fromLatin1(pdf.mid(at, start - at));
    const auto size = QRegularExpression(QStringLiteral("/Size\\s+(\\d+)")).match(dictionary);
    const auto root = QRegularExpression(QStringLiteral("/Root\\s+(\\d+\\s+\\d+\\s+R)")).match(dictionary);
    const auto id = QRegularExpression(QStringLiteral("/ID\\s*(\\[[^\\]]*\\])")).match(dictionary);
    const auto offset =
        QRegularExpression(QStringLiteral("startxref\\s+(\\d+)")).match(QString::fromLatin1(pdf.mid(start)));
    if (!size.hasMatch() || !root.hasMatch() || !offset.hasMatch()) return t;
    t.size = size.captured(1).toInt();
    t.root = root.captured(1).toLatin1();
    if (id.hasMatch()) t.id = id.captured(1).toLatin1();
    t.crossReference = offset.captured(1).toLongLong();
    return t;
}

}  // namespace

QByteArray WithDocumentInfo(const QByteArray& pdf, const PdfDocumentInfo& info) {
    const Trailer old = LastTrailer(pdf);
    if (old.size <= 0 || old.crossReference < 0) return {};
    QByteArray out = pdf;
    if (!out.endsWith('\n')) out += '\n';
    const QByteArray number = QByteArray::number(old.size);
    const qsizetype objectAt = out.size();
    out += number + " 0 obj\n<<\n/Title " + TextString(info.title) + "\n/Author " + TextString(info.author) +
           "\n/Subject " + TextString(info.subject) + "\n/Creator " + TextString(info.creator) + "\n>>\nendobj\n";
    const qsizetype crossReferenceAt = out.size();
    // Each entry is exactly 20 bytes: ten digits of offset, five of
    // generation, "n", and a two-byte line end.
    out += "xref\n" + number + " 1\n" + QByteArray::number(objectAt).rightJustified(10, '0') + " 00000 n \n";
    out += "trailer\n<<\n/Size " + QByteArray::number(old.size + 1) + "\n/Root " + old.root + "\n/Info " + number +
           " 0 R\n/Prev " + QByteArray::number(old.crossReference) + "\n";
    if (!old.id.isEmpty()) out += "/ID " + old.id + "\n";
    out += ">>\nstartxref\n" + QByteArray::number(crossReferenceAt) + "\n%%EOF\n";
    return out;
}

}  // namespace zorvik
