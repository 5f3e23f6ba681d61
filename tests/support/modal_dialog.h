#pragma once
// Drives a modal dialog that the code under test opens with exec(): once it
// is up, `act` runs on it and must close it. A dialog still open after five
// seconds is closed, and the test fails, so no test can hang on one.

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace zorvik::testing {

inline void WhenModalOpens(std::function<void(QWidget*)> act) {
    auto* poll = new QTimer(qApp);
    auto waited = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, waited, act = std::move(act)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr && ++*waited < 500) return;
        poll->stop();
        poll->deleteLater();
        if (modal == nullptr) {
            ADD_FAILURE() << "no modal dialog opened";
            return;
        }
        QPointer<QWidget> dialog(modal);
        act(modal);
        if (dialog && dialog->isVisible()) {
            ADD_FAILURE() << dialog->objectName().toStdString() << " was left open";
            dialog->close();
        }
    });
    poll->start(10);
}

}  // namespace zorvik::testing
