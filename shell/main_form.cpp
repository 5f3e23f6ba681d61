#include "shell/main_form.h"

#include <QDialog>
#include <QPushButton>

#include "shell/app_windows.h"

namespace zorvik {

TZorvAmpMainForm::TZorvAmpMainForm(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Zorvik Air Pressure Amplifiers"));
    setFixedSize(792, 573);
}

void TZorvAmpMainForm::SetMenuWindows(AppWindows* windows) {
    windows_ = windows;
    struct Entry {
        const char* caption;
        int top;
        QDialog* window;
    };
    const Entry entries[] = {
        {"&Zorvik Introduction", 196, windows->ZorvikAmpIntroductionForm.get()},
        {" &Applications && Benefits", 232, windows->ZampApplicationsForm.get()},
        {"&General Description", 268, windows->ZampGeneralDescriptionForm.get()},
        {"&Operational Guidelines", 304, windows->ZampOperationalGuideForm.get()},
        {"  &Model Selection Chart", 340, windows->ZampModelSelectionChartForm.get()},
        {"&Select an Air Amplifier", 376, windows->AmplifierSelectionForm.get()},
        {"&Dimensions && Graphs", 412, windows->zampGraph1Form.get()},
    };
    for (const Entry& e : entries) {
        auto* button = new QPushButton(QString::fromUtf8(e.caption), this);
        button->setGeometry(608, e.top, 165, 29);
        QDialog* window = e.window;
        connect(button, &QPushButton::clicked, this, [this, window] { ShowMenuWindow(window); });
    }
    auto* close = new QPushButton(QStringLiteral("   &Close"), this);
    close->setGeometry(672, 460, 101, 29);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

void TZorvAmpMainForm::ShowMenuWindow(QWidget* window) {
    if (auto* dialog = qobject_cast<QDialog*>(window)) dialog->exec();
}

}  // namespace zorvik
