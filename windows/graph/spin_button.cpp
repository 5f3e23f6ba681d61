#include "spin_button.h"

#include <QIcon>
#include <QToolButton>

namespace zorvik {
namespace {

QToolButton* ArrowButton(QWidget* parent, const char* name, const char* art) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    button->setIcon(QIcon(QStringLiteral(":/art/%1.svg").arg(QString::fromLatin1(art))));
    button->setIconSize(QSize(9, 6));
    return button;
}

}  // namespace

SpinButton::SpinButton(QWidget* parent)
    : QWidget(parent),
      up_(ArrowButton(this, "upButton", "graph_spin_up")),
      down_(ArrowButton(this, "downButton", "graph_spin_down")) {
    connect(up_, &QToolButton::clicked, this, &SpinButton::upClick);
    connect(down_, &QToolButton::clicked, this, &SpinButton::downClick);
}

void SpinButton::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int upper = height() / 2;
    up_->setGeometry(0, 0, width(), upper);
    down_->setGeometry(0, upper, width(), height() - upper);
}

}  // namespace zorvik
