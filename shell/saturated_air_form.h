#pragma once
// Moisture in boosted air.

#include <QDialog>

namespace zorvik {

class TZampSaturatedAirForm : public QDialog {
    Q_OBJECT
public:
    explicit TZampSaturatedAirForm(QWidget* parent = nullptr);
};

}  // namespace zorvik
