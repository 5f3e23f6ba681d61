#pragma once
// Drives a modal dialog that the code under test opens with exec(): when the
// dialog becomes the active modal window, `act` runs on it inside the
// dialog's own event loop and must close it. Nothing waits a set time: the
// action follows the dialog's activation, and a dialog that never opens
// fails the test when the driver goes out of scope.
//
//     testing::ModalDialog closer([](QWidget* dialog) { dialog->close(); });
//     button->click();

#include <gtest/gtest.h>

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <QtTest/QTest>
#include <functional>
#include <utility>

namespace zorvik::testing {

class ModalDialog final : public QObject {
public:
    using Action = std::function<void(QWidget*)>;

    explicit ModalDialog(Action act) : act_(std::move(act)) { qApp->installEventFilter(this); }
    ModalDialog(const ModalDialog&) = delete;
    ModalDialog& operator=(const ModalDialog&) = delete;

    // A driver that fails the test and closes any modal dialog that opens
    // while it lives.
    static ModalDialog Forbidden() {
        return ModalDialog(
            [](QWidget* dialog) {
                ADD_FAILURE() << dialog->objectName().toStdString() << " opened";
                dialog->close();
            },
            false);
    }

    // A dialog opened without exec() is acted on once the events reach it.
    ~ModalDialog() override {
        if (required_ && !QTest::qWaitFor([this] { return acted_; })) ADD_FAILURE() << "no modal dialog opened";
        qApp->removeEventFilter(this);
    }

    bool Acted() const { return acted_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!pending_ && (!acted_ || !required_) && event->type() == QEvent::WindowActivate &&
            watched == QApplication::activeModalWidget()) {
            pending_ = true;
            // Queued, so it runs inside the dialog's loop even when the
            // activation arrives before exec() has started it.
            QMetaObject::invokeMethod(
                this, [this, dialog = QPointer<QWidget>(static_cast<QWidget*>(watched))] { Act(dialog); },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    ModalDialog(Action act, bool required) : ModalDialog(std::move(act)) { required_ = required; }

    void Act(const QPointer<QWidget>& dialog) {
        acted_ = true;
        pending_ = false;
        if (!dialog) return;
        act_(dialog);
        if (dialog && dialog->isVisible()) {
            ADD_FAILURE() << dialog->objectName().toStdString() << " was left open";
            dialog->close();
        }
    }

    Action act_;
    bool required_ = true;
    bool pending_ = false;
    bool acted_ = false;
};

}  // namespace zorvik::testing
