// A window built when first needed: nothing at its making, then exactly one
// build, done before the window first appears or when its controls are
// first reached from outside.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QShowEvent>

#include "lazy_dialog.h"
#include "support/modal_dialog.h"

namespace zorvik {
namespace {

// Stands for a generated form: one control and the window's size and title.
struct OneLabelForm {
    QLabel* Caption = nullptr;
    void setupUi(QDialog* window) {
        window->resize(300, 200);
        window->setWindowTitle(QStringLiteral("Built"));
        Caption = new QLabel(window);
        Caption->setObjectName(QStringLiteral("Caption"));
    }
};

class CountingDialog : public LazyDialog {
public:
    QLabel* Caption() { return ui->Caption; }

    int builds = 0;
    int retranslations = 0;
    // How the window stood when it was first shown.
    int buildsAtFirstShow = -1;
    QSize sizeAtFirstShow;

protected:
    void showEvent(QShowEvent* event) override {
        LazyDialog::showEvent(event);
        if (buildsAtFirstShow >= 0) return;
        buildsAtFirstShow = builds;
        sizeAtFirstShow = size();
    }

private:
    // Reaches its own control while building, as every window's Build() does.
    void Build() override {
        ++builds;
        ui.SetUp();
        ui->Caption->setText(QStringLiteral("made in Build"));
    }

    void Retranslate() override { ++retranslations; }

    LazyUi<OneLabelForm> ui{this};
};

TEST(LazyDialogTest, NothingIsBuiltWhenTheWindowIsMade) {
    CountingDialog window;
    EXPECT_FALSE(window.IsBuilt());
    EXPECT_EQ(window.builds, 0);
    EXPECT_EQ(window.findChild<QLabel*>(), nullptr);
}

TEST(LazyDialogTest, ShowingBuildsOnceBeforeTheWindowAppears) {
    CountingDialog window;
    window.show();
    EXPECT_EQ(window.buildsAtFirstShow, 1);
    EXPECT_EQ(window.sizeAtFirstShow, QSize(300, 200));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Built"));
    window.hide();
    window.show();
    window.hide();
    EXPECT_EQ(window.builds, 1);
}

TEST(LazyDialogTest, ModalShowingBuildsToo) {
    CountingDialog window;
    {
        const testing::ModalDialog reject([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
        window.exec();
    }
    EXPECT_EQ(window.buildsAtFirstShow, 1);
}

TEST(LazyDialogTest, ReachingAControlBuildsTheWindowWithoutShowingIt) {
    CountingDialog window;
    EXPECT_EQ(window.Caption()->text(), QStringLiteral("made in Build"));
    EXPECT_EQ(window.builds, 1);
    EXPECT_FALSE(window.isVisible());
    window.Caption();
    window.EnsureBuilt();
    window.show();
    EXPECT_EQ(window.builds, 1);
    window.hide();
}

TEST(LazyDialogTest, EnsureBuiltBuildsOnce) {
    CountingDialog window;
    window.EnsureBuilt();
    window.EnsureBuilt();
    EXPECT_TRUE(window.IsBuilt());
    EXPECT_EQ(window.builds, 1);
    EXPECT_NE(window.findChild<QLabel*>(QStringLiteral("Caption")), nullptr);
}

// A window not built has no texts yet: a language change must not build it
// (every window would then be built at the first change), and a built one
// writes its texts again.
TEST(LazyDialogTest, ALanguageChangeReachesOnlyABuiltWindow) {
    CountingDialog window;
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(&window, &change);
    EXPECT_EQ(window.builds, 0);
    EXPECT_EQ(window.retranslations, 0);
    window.EnsureBuilt();
    QCoreApplication::sendEvent(&window, &change);
    EXPECT_EQ(window.retranslations, 1);
}

}  // namespace
}  // namespace zorvik
