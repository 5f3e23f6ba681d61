#pragma once
// Shows the chart or drawing of a model chosen in the selection list.

#include <QDialog>

namespace zorvik {

class TimageDisplayForm : public QDialog {
    Q_OBJECT
public:
    explicit TimageDisplayForm(QWidget* parent = nullptr);
};

}  // namespace zorvik
