#include "info_window_support.h"

#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

#include "artwork.h"

namespace zorvik {
namespace {

const char* const PassesFocusOn = "passesFocusOn";
const QString BulletArt = QStringLiteral("info_red_ball");

class MemoEnterFilter final : public QObject {
public:
    MemoEnterFilter(QObject* owner, std::function<void(QWidget*, Qt::FocusReason)> enter)
        : QObject(owner), enter_(std::move(enter)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn)
            enter_(static_cast<QWidget*>(watched), static_cast<QFocusEvent*>(event)->reason());
        return false;
    }

private:
    std::function<void(QWidget*, Qt::FocusReason)> enter_;
};

bool CanTakeFocus(const QWidget* widget, const QWidget* window) {
    return widget->window() == window && widget->isEnabled() && widget->isVisibleTo(window) &&
           (widget->focusPolicy() & Qt::TabFocus) && !widget->property(PassesFocusOn).toBool() &&
           widget->focusProxy() == nullptr;
}

qreal PixelRatio(const QWidget* widget) { return widget->devicePixelRatioF(); }

}  // namespace

void PrepareMemos(QWidget* window) {
    for (QTextEdit* memo : window->findChildren<QTextEdit*>()) memo->document()->setDocumentMargin(1);
}

void SetLineHeight(QTextEdit* memo, int pixels) {
    // Each paragraph meets one bullet, so it must stay one line: the checks
    // of the translated windows read this mark.
    memo->setProperty("linesBesideBullets", true);
    memo->document()->setDocumentMargin(0);
    QTextCursor cursor(memo->document());
    cursor.select(QTextCursor::Document);
    QTextBlockFormat format;
    format.setLineHeight(pixels, QTextBlockFormat::FixedHeight);
    cursor.mergeBlockFormat(format);
}

void OnMemoEnter(std::initializer_list<QTextEdit*> memos, QObject* owner,
                 std::function<void(QWidget*, Qt::FocusReason)> enter) {
    auto* filter = new MemoEnterFilter(owner, std::move(enter));
    for (QTextEdit* memo : memos) {
        // A text that never keeps the focus shows no caret and offers no
        // selection that could not be copied anyway.
        memo->setTextInteractionFlags(Qt::NoTextInteraction);
        memo->setProperty(PassesFocusOn, true);
        memo->installEventFilter(filter);
    }
}

void PassFocusOn(QWidget* memo, Qt::FocusReason reason) {
    const bool backwards = reason == Qt::BacktabFocusReason;
    const QWidget* window = memo->window();
    QWidget* next = backwards ? memo->previousInFocusChain() : memo->nextInFocusChain();
    while (next != memo && !CanTakeFocus(next, window))
        next = backwards ? next->previousInFocusChain() : next->nextInFocusChain();
    if (next != memo) next->setFocus(backwards ? Qt::BacktabFocusReason : Qt::TabFocusReason);
}

void ShowArtwork(QLabel* label, const QString& artName) {
    const qreal ratio = PixelRatio(label);
    QImage picture = RenderArtwork(artName, (QSizeF(label->size()) * ratio).toSize());
    picture.setDevicePixelRatio(ratio);
    label->setPixmap(QPixmap::fromImage(std::move(picture)));
}

void ShowBulletColumn(QLabel* label, int count, int pitch, int diameter) {
    const qreal ratio = PixelRatio(label);
    const QImage bullet = RenderArtwork(BulletArt, QSize(diameter, diameter) * ratio);
    QImage column((QSizeF(label->size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    column.fill(Qt::transparent);
    QPainter painter(&column);
    for (int i = 0; i < count; ++i) painter.drawImage(QPointF(0, i * pitch * ratio), bullet);
    painter.end();
    column.setDevicePixelRatio(ratio);
    label->setPixmap(QPixmap::fromImage(std::move(column)));
}

void ShowModalFrom(QDialog* opener, QDialog* window) {
    if (window == nullptr) return;
    window->exec();
    opener->activateWindow();
    opener->raise();
}

}  // namespace zorvik
