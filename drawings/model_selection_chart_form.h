#pragma once
// The whole range in one table.

#include <QDialog>

namespace zorvik {

class TZampModelSelectionChartForm : public QDialog {
    Q_OBJECT
public:
    explicit TZampModelSelectionChartForm(QWidget* parent = nullptr);
};

}  // namespace zorvik
