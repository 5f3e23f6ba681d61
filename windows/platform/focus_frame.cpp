#include "focus_frame.h"

#include <QApplication>
#include <QPainter>
#include <QPen>
#include <QProxyStyle>
#include <QStyleOption>
#include <QWidget>

namespace zorvik {
namespace {

constexpr int kFramePixels = 2;
constexpr int kButtonInset = 3;

// The focus mark of a button: a dotted frame in its text colour inside its
// edge. Only once the keyboard has moved the focus, as styles do for their
// own marks, so a click shows nothing new.
class FocusFrameStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        QProxyStyle::drawControl(element, option, painter, widget);
        const bool keyboardFocus = (option->state & State_HasFocus) && (option->state & State_KeyboardFocusChange);
        if (!keyboardFocus) return;
        if (element == CE_PushButton) {
            painter->save();
            painter->setPen(QPen(option->palette.color(QPalette::ButtonText), 1, Qt::DotLine));
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(option->rect.adjusted(kButtonInset, kButtonInset, -kButtonInset - 1, -kButtonInset - 1));
            painter->restore();
        } else if (element == CE_ShapedFrame) {
            painter->save();
            painter->setPen(QPen(option->palette.color(QPalette::Highlight), kFramePixels));
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(QRectF(option->rect).adjusted(1, 1, -1, -1));
            painter->restore();
        }
    }
};

}  // namespace

void DrawFocusFrame(QPainter& painter, const QWidget& widget) {
    if (!widget.hasFocus()) return;
    painter.save();
    QPen pen(widget.palette().color(QPalette::Highlight), kFramePixels, Qt::DashLine);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(widget.rect()).adjusted(1, 1, -1, -1));
    painter.restore();
}

void UseFocusFrameStyle() {
    if (dynamic_cast<FocusFrameStyle*>(QApplication::style()) != nullptr) return;
    QApplication::setStyle(new FocusFrameStyle(QApplication::style()->name()));
}

}  // namespace zorvik
