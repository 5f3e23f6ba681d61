#pragma once
// Typical applications and key features.

#include <QDialog>

namespace zorvik {

class TZampApplicationsForm : public QDialog {
    Q_OBJECT
public:
    explicit TZampApplicationsForm(QWidget* parent = nullptr);
};

}  // namespace zorvik
