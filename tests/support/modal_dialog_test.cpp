// The modal dialog driver acts inside the dialog's own loop, and a dialog
// that must not open fails the test and is closed instead of holding it up.

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QDialog>

#include "support/modal_dialog.h"

namespace zorvik::testing {
namespace {

TEST(ModalDialogTest, ActsOnTheDialogWhileItRuns) {
    QDialog dialog;
    dialog.setObjectName(QStringLiteral("asked"));
    bool running = false;
    {
        const ModalDialog driver([&](QWidget* modal) {
            running = modal == &dialog && QApplication::activeModalWidget() == &dialog;
            dialog.accept();
        });
        EXPECT_EQ(dialog.exec(), QDialog::Accepted);
        EXPECT_TRUE(driver.Acted());
    }
    EXPECT_TRUE(running);
}

TEST(ModalDialogTest, ADialogLeftOpenOrForbiddenFailsAndIsClosed) {
    QDialog dialog;
    dialog.setObjectName(QStringLiteral("stray"));
    EXPECT_NONFATAL_FAILURE(
        {
            const ModalDialog driver([](QWidget*) {});
            dialog.exec();
        },
        "stray was left open");
    EXPECT_NONFATAL_FAILURE(
        {
            const ModalDialog forbidden = ModalDialog::Forbidden();
            dialog.exec();
        },
        "stray opened");
    EXPECT_FALSE(dialog.isVisible());
}

}  // namespace
}  // namespace zorvik::testing
