#pragma once
// The comparison window's chart: redrawn at the widget's own size, so it is
// sharp at any window size and screen scale. The keyboard reaches it; Enter
// or Space asks for its figures as a table (activated()), and it frames
// itself while it has the focus.

#include <QWidget>

#include "comparison_curves.h"

namespace zorvik {

class ComparisonChartView : public QWidget {
    Q_OBJECT
public:
    explicit ComparisonChartView(QWidget* parent = nullptr);
    void SetChart(ComparisonChartData chart);
    const ComparisonChartData& Chart() const { return chart_; }

signals:
    void activated();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    ComparisonChartData chart_;
};

}  // namespace zorvik
