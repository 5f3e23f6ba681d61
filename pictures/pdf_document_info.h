#pragma once
// The document information of a PDF file: Qt's PDF writer records a title
// and the creating program, but no author, and a submittal names the
// engineer who made it. The information is added the way PDF editors amend
// a file, as an incremental update: the bytes Qt wrote stay as they are,
// a new information dictionary and a cross-reference section for it follow,
// and a new trailer points at it and back at the previous cross-reference
// table.

#include <QByteArray>
#include <QString>

namespace zorvik {

struct PdfDocumentInfo {
    QString title;
    QString author;
    QString subject;
    QString creator;  // the program that made the document
};

// `pdf` with `info` as its document information; empty when `pdf` has no
// trailer and cross-reference offset this can read (it is then no PDF Qt
// wrote).
QByteArray WithDocumentInfo(const QByteArray& pdf, const PdfDocumentInfo& info);

}  // namespace zorvik
