#include "comparison_window_chart.h"

#include <QFontInfo>
#include <QPainter>

#include "comparison_chart_drawing.h"

namespace zorvik {

ComparisonChartView::ComparisonChartView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(360, 220);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ComparisonChartView::SetChart(ComparisonChartData chart) {
    chart_ = std::move(chart);
    update();
}

void ComparisonChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawComparisonChart(painter, QRectF(rect()), chart_, QFontInfo(font()).pixelSize());
}

}  // namespace zorvik
