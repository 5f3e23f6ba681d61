#pragma once
// The manufacturer and its regional offices.

#include <QDialog>

namespace zorvik {

class TZorvikAmpIntroductionForm : public QDialog {
    Q_OBJECT
public:
    explicit TZorvikAmpIntroductionForm(QWidget* parent = nullptr);
};

}  // namespace zorvik
