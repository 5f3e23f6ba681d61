#pragma once
// The main window: the menu from which every other window is opened modally.

#include <QWidget>

class QPushButton;

namespace zorvik {

struct AppWindows;

class TZorvAmpMainForm : public QWidget {
    Q_OBJECT
public:
    explicit TZorvAmpMainForm(QWidget* parent = nullptr);

    // The windows the menu buttons open; they are created after this one.
    void SetMenuWindows(AppWindows* windows);

private:
    void ShowMenuWindow(QWidget* window);

    AppWindows* windows_ = nullptr;
};

}  // namespace zorvik
