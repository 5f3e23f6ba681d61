#pragma once
// Browses the models: drawings, charts, options, data sheet.

#include <QDialog>

namespace zorvik {

class TzampGraph1Form : public QDialog {
    Q_OBJECT
public:
    explicit TzampGraph1Form(QWidget* parent = nullptr);
};

}  // namespace zorvik
