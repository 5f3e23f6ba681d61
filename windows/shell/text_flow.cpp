#include "text_flow.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFrame>
#include <QTextLayout>

namespace zorvik {

void FlowText(QTextEdit& first, QTextEdit& second) {
    const QString text = first.toPlainText().trimmed() + QLatin1Char(' ') + second.toPlainText();
    const qreal margin = first.document()->documentMargin();
    // From the first field's first line to the top of the second field, less
    // a pixel: the first field's last line must not reach under the second.
    const qreal room = second.y() - first.y() - margin - 1;

    QTextDocument measure;
    measure.setDefaultFont(first.font());
    measure.setDocumentMargin(margin);
    measure.setTextWidth(first.width());
    measure.setPlainText(text.section(QLatin1Char('\n'), 0, 0));
    measure.size();  // lays the text out
    const QTextLayout* lines = measure.firstBlock().layout();
    int kept = 0;
    while (kept < lines->lineCount() && lines->lineAt(kept).naturalTextRect().bottom() <= room + 0.5) ++kept;
    if (kept == 0 || kept == lines->lineCount()) return;

    const int split = lines->lineAt(kept).textStart();
    const qreal used = lines->lineAt(kept - 1).naturalTextRect().bottom();
    first.setPlainText(text.left(split).trimmed());
    second.setPlainText(text.mid(split));
    QTextFrameFormat frame = first.document()->rootFrame()->frameFormat();
    frame.setTopMargin(margin + (room - used));
    first.document()->rootFrame()->setFrameFormat(frame);
}

}  // namespace zorvik
