#include "text_fit_checks.h"

#include <QAbstractButton>
#include <QAbstractTextDocumentLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <map>

#include "heading_label.h"

namespace zorvik::testing {
namespace {

// Button frames and the gap between a check box's mark and its text.
constexpr int kButtonMargin = 3;
// Boxes of two texts may touch by this much, in pixels: a label's box runs
// a little above and below its letters.
constexpr int kBoxSlack = 3;
// A word of a printout may touch its neighbour by this much, in points:
// kerning and the bounding boxes poppler reports.
constexpr double kWordSlack = 0.6;

std::string Name(const QWidget* w, const QString& text) {
    return (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName())
               .toStdString() +
           " \"" + text.toStdString() + "\"";
}

// The text as shown: "&&" is "&", a single "&" marks the mnemonic.
QString Shown(QString text) {
    text.replace(QLatin1String("&&"), QString(QChar(0x1)));
    text.remove(QLatin1Char('&'));
    return text.replace(QChar(0x1), QLatin1Char('&'));
}

std::string Size(const QRect& r) { return std::to_string(r.width()) + "x" + std::to_string(r.height()); }

int TextWidth(const QFontMetrics& metrics, const QString& text) {
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

bool Visible(const QWidget* w, const QWidget* window) { return w->isVisibleTo(window) && w->width() > 0; }

// Where a label's text stands in the window, or nothing for a label that
// shows no text.
std::optional<QRect> LabelTextRect(const QLabel* label, const QWidget* window, std::vector<std::string>& faults) {
    if (label->text().isEmpty() || label->textFormat() == Qt::RichText) return std::nullopt;
    const QRect inside = label->contentsRect();
    const QFontMetrics metrics(label->font());
    QSize needed;
    if (const auto* heading = qobject_cast<const HeadingLabel*>(label)) {
        const QStringList lines = HeadingLines(label->text(), metrics, inside.width());
        needed = QSize(TextWidth(metrics, lines.join(QLatin1Char('\n'))), metrics.height() * lines.size());
        if (needed.width() > inside.width() || needed.height() > inside.height())
            faults.push_back(Name(heading, label->text()) + " does not fit its heading");
    } else if (label->wordWrap()) {
        const int height = label->heightForWidth(label->width());
        needed = QSize(inside.width(), height);
        // A wrapped text that does not fit loses a whole line; a margin
        // running into the frame loses nothing.
        if (height > label->height() + metrics.height() / 2)
            faults.push_back(Name(label, label->text()) + " wraps taller than its label");
    } else {
        const QString text = label->buddy() != nullptr ? Shown(label->text()) : label->text();
        needed = QSize(TextWidth(metrics, text) + label->indent() * (label->indent() > 0),
                       metrics.height() * static_cast<int>(text.count(QLatin1Char('\n')) + 1));
        if (needed.width() > inside.width()) faults.push_back(Name(label, label->text()) + " is wider than its label");
    }
    const QRect text =
        QStyle::alignedRect(label->layoutDirection(), label->alignment(), needed.boundedTo(inside.size()), inside);
    return QRect(label->mapTo(window, text.topLeft()), text.size());
}

int ButtonTextRoom(const QAbstractButton* button) {
    const QStyle* style = button->style();
    int room = button->width() - 2 * kButtonMargin;
    if (!button->icon().isNull()) room -= button->iconSize().width() + kButtonMargin;
    if (qobject_cast<const QCheckBox*>(button) != nullptr)
        room -= style->pixelMetric(QStyle::PM_IndicatorWidth) + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
    if (qobject_cast<const QRadioButton*>(button) != nullptr)
        room -= style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
    if (const auto* push = qobject_cast<const QPushButton*>(button); push != nullptr && push->menu() != nullptr)
        room -= style->pixelMetric(QStyle::PM_MenuButtonIndicator);
    return room;
}

// A control stacked above the label that hides part of its text.
const QWidget* CoveringSibling(const QLabel* label, const QRect& text, const QWidget* window) {
    const QWidget* parent = label->parentWidget();
    const QObjectList& siblings = parent->children();
    for (qsizetype i = siblings.indexOf(label) + 1; i < siblings.size(); ++i) {
        const auto* sibling = qobject_cast<const QWidget*>(siblings[i]);
        if (sibling == nullptr || !Visible(sibling, window) || sibling->isWindow()) continue;
        // A label without a background of its own lets the text show through.
        if (qobject_cast<const QLabel*>(sibling) != nullptr && !sibling->autoFillBackground()) continue;
        const QRect common = QRect(sibling->mapTo(window, QPoint()), sibling->size()).intersected(text);
        if (common.width() > kBoxSlack && common.height() > kBoxSlack) return sibling;
    }
    return nullptr;
}

int ComboTextRoom(const QComboBox* box) {
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.editable = false;
    int room = box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box).width();
    if (!box->itemIcon(box->currentIndex()).isNull()) room -= box->iconSize().width() + kButtonMargin;
    return room;
}

// A word too long for a text field is broken inside; lines may carry on
// only at a blank.
void CheckWordBreaks(const QWidget* memo, const QTextDocument* document, std::vector<std::string>& faults) {
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        const QString text = block.text();
        for (int i = 0; layout != nullptr && i + 1 < layout->lineCount(); ++i) {
            const int end = layout->lineAt(i).textStart() + layout->lineAt(i).textLength();
            if (end > 0 && end < text.size() && text[end - 1].isLetterOrNumber() && text[end].isLetterOrNumber())
                faults.push_back(Name(memo, text) + " breaks a word");
        }
    }
}

void CheckPlainMemo(const QPlainTextEdit* memo, std::vector<std::string>& faults) {
    if (memo->verticalScrollBar()->maximum() > 0)
        faults.push_back(Name(memo, memo->toPlainText().left(40)) + " needs more room than its text field has");
    CheckWordBreaks(memo, memo->document(), faults);
}

void CheckMemo(const QTextEdit* memo, std::vector<std::string>& faults) {
    const QTextDocument* document = memo->document();
    const QString start = memo->toPlainText().left(40);
    if (document->size().height() > memo->viewport()->height() + 1)
        faults.push_back(Name(memo, start) + " needs more room than its text field has");
    CheckWordBreaks(memo, document, faults);
    // Lines drawn beside bullets stand one to a bullet.
    if (!memo->property("linesBesideBullets").toBool()) return;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        if (block.layout() != nullptr && block.layout()->lineCount() > 1)
            faults.push_back(Name(memo, block.text()) + " wraps beside its bullet");
}

// Where a text field's lines stand in the window: as wide as the longest
// line, not the whole field, so a button beside a short text is clear of it.
QRect MemoTextRect(const QTextEdit* memo, const QWidget* window) {
    QRectF lines;
    const QTextDocument* document = memo->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        if (layout == nullptr) continue;
        const QPointF at = document->documentLayout()->blockBoundingRect(block).topLeft();
        for (int i = 0; i < layout->lineCount(); ++i) lines |= layout->lineAt(i).naturalTextRect().translated(at);
    }
    const QRect inside = lines.toAlignedRect().intersected(memo->viewport()->rect());
    return QRect(memo->viewport()->mapTo(window, inside.topLeft()), inside.size());
}

void CheckTabBar(const QTabBar* bar, std::vector<std::string>& faults) {
    if (bar->sizeHint().width() > bar->width())
        faults.push_back(Name(bar, bar->tabText(0)) + " is too narrow for its tabs");
}

}  // namespace

std::vector<std::string> UnfitTexts(QWidget* window) {
    std::vector<std::string> faults;
    std::vector<std::pair<const QWidget*, QRect>> texts;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (!Visible(label, window)) continue;
        const auto rect = LabelTextRect(label, window, faults);
        if (!rect) continue;
        texts.emplace_back(label, *rect);
        if (const QWidget* cover = CoveringSibling(label, *rect, window))
            faults.push_back(Name(label, label->text()) + " runs under " + cover->objectName().toStdString());
    }
    for (const QComboBox* box : window->findChildren<QComboBox*>())
        if (Visible(box, window) && !box->isEditable() &&
            TextWidth(box->fontMetrics(), box->currentText()) > ComboTextRoom(box))
            faults.push_back(Name(box, box->currentText()) + " is wider than its list box");
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (!Visible(button, window) || button->text().isEmpty()) continue;
        if (TextWidth(QFontMetrics(button->font()), Shown(button->text())) > ButtonTextRoom(button))
            faults.push_back(Name(button, button->text()) + " is wider than its button by " +
                             std::to_string(TextWidth(QFontMetrics(button->font()), Shown(button->text())) -
                                            ButtonTextRoom(button)));
        texts.emplace_back(button, QRect(button->mapTo(window, QPoint()), button->size()));
    }
    for (const QTextEdit* memo : window->findChildren<QTextEdit*>()) {
        if (!Visible(memo, window) || memo->toPlainText().isEmpty()) continue;
        CheckMemo(memo, faults);
        texts.emplace_back(memo, MemoTextRect(memo, window));
    }
    for (const QPlainTextEdit* memo : window->findChildren<QPlainTextEdit*>())
        if (Visible(memo, window)) CheckPlainMemo(memo, faults);
    for (const QTabBar* bar : window->findChildren<QTabBar*>())
        if (Visible(bar, window)) CheckTabBar(bar, faults);
    for (std::size_t i = 0; i < texts.size(); ++i)
        for (std::size_t j = i + 1; j < texts.size(); ++j) {
            const auto& [a, ra] = texts[i];
            const auto& [b, rb] = texts[j];
            const QRect common = ra.intersected(rb);
            if (a->isAncestorOf(b) || b->isAncestorOf(a) || common.width() <= kBoxSlack || common.height() <= kBoxSlack)
                continue;
            faults.push_back(Name(a, a->property("text").toString()) + " overlaps " +
                             Name(b, b->property("text").toString()) + " by " + Size(ra.intersected(rb)));
        }
    return faults;
}

std::vector<std::string> RepeatedMnemonics(QWidget* window) {
    std::map<QChar, QStringList> users;
    const auto add = [&](const QString& text) {
        const QString marked = QString(text).replace(QLatin1String("&&"), QString());
        const qsizetype at = marked.indexOf(QLatin1Char('&'));
        if (at >= 0 && at + 1 < marked.size()) users[marked[at + 1].toLower()] << text;
    };
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
        if (Visible(button, window)) add(button->text());
    for (const QLabel* label : window->findChildren<QLabel*>())
        if (Visible(label, window) && label->buddy() != nullptr) add(label->text());
    for (const QTabBar* bar : window->findChildren<QTabBar*>())
        if (Visible(bar, window))
            for (int i = 0; i < bar->count(); ++i) add(bar->tabText(i));
    // The menu bar's titles answer to Alt and a letter as well.
    for (const QMenuBar* bar : window->findChildren<QMenuBar*>())
        if (Visible(bar, window))
            for (const QAction* action : bar->actions()) add(action->text());
    std::vector<std::string> faults;
    for (const auto& [key, texts] : users)
        if (texts.size() > 1)
            faults.push_back("&" + QString(key).toStdString() + " in " + texts.join(QLatin1String(", ")).toStdString());
    return faults;
}

std::vector<std::string> CrowdedWords(const std::vector<PdfWord>& words, double pageWidth, double pageHeight) {
    std::vector<std::string> faults;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const PdfWord& a = words[i];
        if (a.x < 0 || a.y < 0 || a.right > pageWidth || a.bottom > pageHeight)
            faults.push_back("\"" + a.text.toStdString() + "\" runs off the page");
        for (std::size_t j = i + 1; j < words.size(); ++j) {
            const PdfWord& b = words[j];
            const bool apart = a.right - kWordSlack <= b.x || b.right - kWordSlack <= a.x ||
                               a.bottom - kWordSlack <= b.y || b.bottom - kWordSlack <= a.y;
            if (!apart) faults.push_back("\"" + a.text.toStdString() + "\" overlaps \"" + b.text.toStdString() + "\"");
        }
    }
    return faults;
}

}  // namespace zorvik::testing
