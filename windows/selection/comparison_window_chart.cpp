#include "comparison_window_chart.h"

#include <QFontInfo>
#include <QKeyEvent>
#include <QPainter>

#include "comparison_chart_drawing.h"
#include "focus_frame.h"
#include "language.h"
#include "picture_accessible.h"

namespace zorvik {

ComparisonChartView::ComparisonChartView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(360, 220);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setFocusPolicy(Qt::StrongFocus);
    RegisterPictureAccessibility();
}

void ComparisonChartView::SetChart(ComparisonChartData chart) {
    chart_ = std::move(chart);
    update();
}

void ComparisonChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawComparisonChart(painter, QRectF(rect()), chart_, QFontInfo(font()).pixelSize(), texts::DesktopTranslator());
    DrawFocusFrame(painter, *this);
}

void ComparisonChartView::keyPressEvent(QKeyEvent* event) {
    if (IsActivationKey(*event)) {
        emit activated();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ComparisonChartView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void ComparisonChartView::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

}  // namespace zorvik
