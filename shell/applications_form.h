#pragma once
// Typical applications and key features.

#include <QDialog>
#include <memory>

namespace Ui {
class TZampApplicationsForm;
}

namespace zorvik {

class TZampApplicationsForm : public QDialog {
    Q_OBJECT
public:
    explicit TZampApplicationsForm(QWidget* parent = nullptr);
    ~TZampApplicationsForm() override;

private:
    void AnAlternativeMemoEnter(QWidget* memo, Qt::FocusReason reason);

    std::unique_ptr<Ui::TZampApplicationsForm> ui;
};

}  // namespace zorvik
