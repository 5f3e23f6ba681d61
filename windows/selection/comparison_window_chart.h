#pragma once
// The comparison window's chart: redrawn at the widget's own size, so it is
// sharp at any window size and screen scale.

#include <QWidget>

#include "comparison_curves.h"

namespace zorvik {

class ComparisonChartView : public QWidget {
public:
    explicit ComparisonChartView(QWidget* parent = nullptr);
    void SetChart(ComparisonChartData chart);
    const ComparisonChartData& Chart() const { return chart_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ComparisonChartData chart_;
};

}  // namespace zorvik
