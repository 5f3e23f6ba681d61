#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>

#include "program_folder_fixture.h"
#include "app_windows.h"
#include "canvas.h"
#include "picture_box.h"
#include "product_pages.h"
#include "support/modal_dialog.h"
#include "ui_main_form.h"

namespace zorvik {
namespace {

class MainFormTest : public testing::ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        // The title-bar close of these tests must not end the test run.
        QApplication::setQuitOnLastWindowClosed(false);
        windows_ = CreateAppWindows(session_, testing::TestNotices());
        form_ = windows_->ZorvAmpMainForm.get();
    }
    void TearDown() override {
        windows_.reset();
        ProgramFolderTest::TearDown();
    }
    void Ticks(int n) {
        for (int i = 0; i < n; ++i) form_->ProductDisplayTimerTimer();
    }
    QString ScreenProgramPath() const { return PathOf(QStringLiteral("ZorvikScreen03")); }

    std::unique_ptr<AppWindows> windows_;
    TZorvAmpMainForm* form_ = nullptr;
};

TEST_F(MainFormTest, MissingScreenProgramAfterEighteenIdleTicks) {
    Ticks(17);
    EXPECT_EQ(form_->IdleTicks, 17);
    notices_.Expect(testing::NoticeKind::CancelWarning,
                    "Loading " + ScreenProgramPath().toStdString() + "\rloading error.");
    Ticks(1);
    EXPECT_TRUE(notices_.AllMet());
    EXPECT_EQ(form_->IdleTicks, 0);
    Ticks(17);
    EXPECT_EQ(form_->IdleTicks, 17);
    notices_.Expect(testing::NoticeKind::CancelWarning,
                    "Loading " + ScreenProgramPath().toStdString() + "\rloading error.");
    Ticks(1);
}

// A user away for an hour finds one box: the ticks delivered under it open
// no other, and the idle count starts again from nothing.
TEST_F(MainFormTest, NoSecondLoadingErrorWhileOneIsShown) {
    const std::string loadingError = "Loading " + ScreenProgramPath().toStdString() + "\rloading error.";
    notices_.Expect(testing::NoticeKind::CancelWarning, loadingError);
    int idleUnderTheBox = -1;
    notices_.WhileNextIsShown([&] {
        idleUnderTheBox = form_->IdleTicks;
        Ticks(360);
    });
    Ticks(18);
    EXPECT_EQ(idleUnderTheBox, 0);
    EXPECT_EQ(notices_.Shown().size(), 1u);
    form_->IdleTicks = 0;
    notices_.Expect(testing::NoticeKind::CancelWarning, loadingError);
    Ticks(18);
    EXPECT_EQ(notices_.Shown().size(), 2u);
}

#ifdef Q_OS_UNIX
// An installation keeps the screen program among the helpers; the one
// beside the program, as in the build folder, comes first.
TEST_F(MainFormTest, ScreenProgramIsFoundBesideTheProgramThenInTheHelperFolder) {
    ASSERT_TRUE(QDir(folder_.path()).mkpath(QStringLiteral("bin")));
    ASSERT_TRUE(QDir(folder_.path()).mkpath(QStringLiteral("libexec/zorvik-amplifiers")));
    SetProgramFolder(PathOf(QStringLiteral("bin")));
    const QString installed = PathOf(QStringLiteral("libexec/zorvik-amplifiers/ZorvikScreen03"));
    const QString beside = PathOf(QStringLiteral("bin/ZorvikScreen03"));
    EXPECT_EQ(HelperProgramFile(QStringLiteral("ZorvikScreen03")), beside);
    Write(QStringLiteral("libexec/zorvik-amplifiers/ZorvikScreen03"), "#!/bin/sh\n");
    EXPECT_EQ(HelperProgramFile(QStringLiteral("ZorvikScreen03")), installed);
    Write(QStringLiteral("bin/ZorvikScreen03"), "#!/bin/sh\n");
    EXPECT_EQ(HelperProgramFile(QStringLiteral("ZorvikScreen03")), beside);
}

TEST_F(MainFormTest, ScreenProgramIsStartedFromTheProgramFolder) {
    Write(QStringLiteral("ZorvikScreen03"), QStringLiteral("#!/bin/sh\ntouch '%1'\n").arg(PathOf("started")).toUtf8());
    QFile::setPermissions(ScreenProgramPath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    Ticks(18);
    QTRY_VERIFY_WITH_TIMEOUT(Exists(QStringLiteral("started")), 5000);
    EXPECT_EQ(form_->IdleTicks, 0);
}
#endif

TEST_F(MainFormTest, CharactersAndMouseMovesAreActivityOtherInputIsNot) {
    QWidget* target = form_->Controls().SelectionBitBtn;
    struct Case {
        const char* what;
        std::function<void()> send;
        bool activity;
    };
    const Case cases[] = {
        {"a character",
         [&] {
             QKeyEvent e(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
             QApplication::sendEvent(target, &e);
         },
         true},
        {"return",
         [&] {
             QKeyEvent e(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
             QApplication::sendEvent(target, &e);
         },
         true},
        {"an arrow key",
         [&] {
             QKeyEvent e(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
             QApplication::sendEvent(target, &e);
         },
         false},
        {"shift",
         [&] {
             QKeyEvent e(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier);
             QApplication::sendEvent(target, &e);
         },
         false},
        {"a mouse move",
         [&] {
             QTest::mouseMove(target, QPoint(5, 5));
             QMouseEvent e(QEvent::MouseMove, QPointF(6, 6), QPointF(6, 6), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
             QApplication::sendEvent(target, &e);
         },
         true},
        {"a wheel turn",
         [&] {
             QWheelEvent e(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                           Qt::NoScrollPhase, false);
             QApplication::sendEvent(target, &e);
         },
         false},
    };
    for (const Case& c : cases) {
        form_->IdleTicks = 7;
        c.send();
        EXPECT_EQ(form_->IdleTicks, c.activity ? 0 : 7) << c.what;
    }
}

TEST_F(MainFormTest, TypingInAModalWindowCountsToo) {
    form_->show();
    form_->IdleTicks = 9;
    int idleSeenInside = -1;
    const testing::ModalDialog typeInIt([&](QWidget* modal) {
        QKeyEvent e(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x");
        QApplication::sendEvent(modal, &e);
        idleSeenInside = form_->IdleTicks;
        modal->close();
    });
    form_->Controls().GeneralDescriptionBitBtn->click();
    EXPECT_EQ(idleSeenInside, 0);
}

TEST_F(MainFormTest, PagesRunWhileActiveAndStopWhileInactive) {
    form_->show();
    EXPECT_TRUE(form_->ProductDisplayTimer.isActive());
    EXPECT_EQ(form_->ProductDisplayTimer.interval(), 10);
    Ticks(1);
    EXPECT_EQ(form_->PageIndex, 1);
    EXPECT_EQ(form_->ProductDisplayTimer.interval(), 10000);
    Ticks(5);
    EXPECT_EQ(form_->PageIndex, 0);

    form_->FrontCoverImageClick();
    EXPECT_EQ(form_->ProductDisplayTimer.interval(), 5);

    form_->ApplicationDeactivate();
    EXPECT_FALSE(form_->ProductDisplayTimer.isActive());
    form_->IdleTicks = 4;
    form_->ApplicationActivate();
    EXPECT_TRUE(form_->ProductDisplayTimer.isActive());
    EXPECT_EQ(form_->ProductDisplayTimer.interval(), 10000);
    EXPECT_EQ(form_->IdleTicks, 0);

    form_->IdleTicks = 4;
    form_->SaverClosedMessageReceived();
    EXPECT_EQ(form_->IdleTicks, 0);
}

TEST_F(MainFormTest, PageIsNotRedrawnWhileAMenuWindowIsOpen) {
    form_->show();
    const QImage before = form_->Controls().ProductDisplayImage->Picture();
    form_->ProductDisplayActive = false;
    Ticks(1);
    EXPECT_EQ(form_->PageIndex, 1);
    EXPECT_EQ(form_->Controls().ProductDisplayImage->Picture(), before);
    form_->ProductDisplayActive = true;
    Ticks(1);
    EXPECT_NE(form_->Controls().ProductDisplayImage->Picture(), before);
}

TEST_F(MainFormTest, CloseButtonStoresTheOfficeTitleBarCloseDoesNot) {
    WriteOfficeIndex(QByteArray("\x03\x00\x00\x00", 4));
    form_->show();
    EXPECT_EQ(session_.OfficeIndex, 3);
    session_.OfficeIndex = 6;
    form_->close();
    EXPECT_EQ(StoredOfficeIndex(), QByteArray("\x03\x00\x00\x00", 4));

    form_->show();
    session_.OfficeIndex = 6;
    form_->Controls().closeBitBtn->click();
    EXPECT_FALSE(form_->isVisible());
    EXPECT_EQ(StoredOfficeIndex(), QByteArray("\x06\x00\x00\x00", 4));
}

TEST_F(MainFormTest, CloseButtonClosesEvenWhenTheIndexCannotBeStored) {
    ASSERT_TRUE(QDir().mkpath(UserPathOf(QStringLiteral("ZCompanyIdx03.dat/keep"))));
    form_->show();
    notices_.Expect(testing::NoticeKind::Warning,
                    "The chosen office could not be saved in\r" +
                        QDir::toNativeSeparators(UserPathOf(QStringLiteral("ZCompanyIdx03.dat"))).toStdString() +
                        "\rIt will not be remembered at the next start.");
    form_->Controls().closeBitBtn->click();
    EXPECT_FALSE(form_->isVisible());
}

TEST_F(MainFormTest, MenuLayout) {
    auto& ui = form_->Controls();
    struct Button {
        QPushButton* button;
        const char* caption;
        int top;
    };
    const Button buttons[] = {
        {ui.ZorvikIntroBitBtn, "&Zorvik Introduction", 196},
        {ui.ApplicationsBitBtn, " &Applications && Benefits", 232},
        {ui.GeneralDescriptionBitBtn, "&General Description", 268},
        {ui.GuidelinesBitBtn, "&Operational Guidelines", 304},
        {ui.ModelSelectionChartBitBtn, "  &Model Selection Chart", 340},
        {ui.SelectionBitBtn, "&Select an Air Amplifier", 376},
        {ui.DimensionsBitBtn, "&Dimensions && Graphs", 412},
    };
    for (const Button& b : buttons) {
        EXPECT_EQ(b.button->text(), QString::fromUtf8(b.caption));
        EXPECT_EQ(b.button->geometry(), QRect(608, b.top, 165, 29)) << b.caption;
        EXPECT_FALSE(b.button->icon().isNull()) << b.caption;
    }
    EXPECT_EQ(ui.closeBitBtn->text(), QStringLiteral("   &Close"));
    EXPECT_EQ(ui.closeBitBtn->geometry(), QRect(672, 460, 101, 29));

    // The job window's button sits on the cover left of Close, over no
    // other control.
    auto* jobs = form_->findChild<QPushButton*>(QStringLiteral("JobsBitBtn"));
    ASSERT_NE(jobs, nullptr);
    EXPECT_EQ(jobs->text(), QStringLiteral("&Jobs"));
    for (const QWidget* other : form_->findChildren<QWidget*>()) {
        if (other == jobs || other->parentWidget() != form_ || other == ui.FrontCoverImage) continue;
        EXPECT_FALSE(jobs->geometry().intersects(other->geometry())) << other->objectName().toStdString();
    }
    // Nor over the cover's credit lines: no dark pixel of their text under it.
    const QImage& cover = ui.FrontCoverImage->Picture();
    const QRect under = jobs->geometry().translated(-ui.FrontCoverImage->pos());
    for (int y = under.top(); y <= under.bottom(); ++y)
        for (int x = under.left(); x <= under.right(); ++x)
            ASSERT_GT(QColor(cover.pixel(x, y)).lightness(), 128) << x << ", " << y;

    // Tab order: Applications ... Dimensions, Jobs, Close, Language,
    // Introduction, and round.
    const QWidget* order[] = {ui.ApplicationsBitBtn,
                              ui.GeneralDescriptionBitBtn,
                              ui.GuidelinesBitBtn,
                              ui.ModelSelectionChartBitBtn,
                              ui.SelectionBitBtn,
                              ui.DimensionsBitBtn,
                              jobs,
                              ui.closeBitBtn,
                              form_->LanguageButton(),
                              ui.ZorvikIntroBitBtn,
                              ui.ApplicationsBitBtn};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        const QWidget* next = order[i]->nextInFocusChain();
        while (next->focusPolicy() == Qt::NoFocus) next = next->nextInFocusChain();
        EXPECT_EQ(next, order[i + 1]) << order[i]->objectName().toStdString();
    }
    form_->show();
    EXPECT_EQ(form_->focusWidget(), ui.ZorvikIntroBitBtn);
    EXPECT_EQ(form_->windowTitle(), QStringLiteral("Zorvik Air Pressure Amplifiers"));
    EXPECT_EQ(ui.Label1->text(), QStringLiteral("AIR PRESSURE"));
    EXPECT_EQ(ui.Label2->text(), QStringLiteral("AMPLIFIERS"));
}

// Every menu button opens its own window modally, with the product display
// paused, and the main window carries on when it closes.
TEST_F(MainFormTest, EveryMenuWindowOpensAndCloses) {
    form_->show();
    auto& ui = form_->Controls();
    const std::pair<QPushButton*, QWidget*> menu[] = {
        {ui.ZorvikIntroBitBtn, windows_->ZorvikAmpIntroductionForm.get()},
        {ui.ApplicationsBitBtn, windows_->ZampApplicationsForm.get()},
        {ui.GeneralDescriptionBitBtn, windows_->ZampGeneralDescriptionForm.get()},
        {ui.GuidelinesBitBtn, windows_->ZampOperationalGuideForm.get()},
        {ui.ModelSelectionChartBitBtn, windows_->ZampModelSelectionChartForm.get()},
        {ui.SelectionBitBtn, windows_->AmplifierSelectionForm.get()},
        {ui.DimensionsBitBtn, windows_->zampGraph1Form.get()},
    };
    for (const auto& [button, window] : menu) {
        QWidget* seen = nullptr;
        bool pausedInside = false;
        {
            const testing::ModalDialog look([&](QWidget* modal) {
                seen = modal;
                pausedInside = !form_->ProductDisplayActive;
                modal->close();
            });
            button->click();
        }
        EXPECT_EQ(seen, window) << button->objectName().toStdString();
        EXPECT_TRUE(pausedInside) << button->objectName().toStdString();
        EXPECT_TRUE(form_->ProductDisplayActive);
        EXPECT_FALSE(window->isVisible());
    }
}

// The main window's pictures on a screen of any pixel ratio: a grab of each
// shows it drawn afresh at that ratio, never its 1x picture scaled up. CTest
// runs these once more with QT_SCALE_FACTOR=2.
class SharpMainWindowTest : public MainFormTest {
protected:
    static QImage DrawnAt(qreal ratio, QSize size, const PictureDrawing& drawing) {
        QImage image(size * ratio, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::white);
        Canvas canvas(image);
        drawing(canvas);
        return image;
    }
    static PictureDrawing Page(int n) {
        return [n](Canvas& canvas) { DrawProductPage(canvas, ProductPages[n]); };
    }
    static QImage Grabbed(PictureBox* box) { return box->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // The lettering inside an artwork stands a shade apart the first time it
    // is drawn at a scale; every picture is drawn once before the window
    // draws it, so that the window's drawing and the test's are alike.
    void DrawEachOnce(qreal ratio) {
        const PictureBox* cover = form_->Controls().FrontCoverImage;
        DrawnAt(ratio, cover->size(), cover->Drawing());
        for (int n = 0; n < ProductPageCount; ++n)
            DrawnAt(ratio, form_->Controls().ProductDisplayImage->size(), Page(n));
    }
};

TEST_F(SharpMainWindowTest, ProductPagesAreDrawnAtTheScreensPixelRatio) {
    PictureBox* display = form_->Controls().ProductDisplayImage;
    const qreal ratio = display->devicePixelRatioF();
    DrawEachOnce(ratio);
    form_->show();
    for (int n = 0; n < ProductPageCount; ++n) {
        form_->DrawProductPage(n);
        EXPECT_EQ(Grabbed(display), DrawnAt(ratio, display->size(), Page(n))) << "page " << n;
    }
}

// What a picture box shows at a ratio above 1 is its drawing, not its 1x
// picture drawn larger.
TEST_F(SharpMainWindowTest, CoverAndPagesAreDrawingsNotBitmaps) {
    const qreal ratio = form_->devicePixelRatioF();
    DrawEachOnce(ratio);
    form_->show();
    for (PictureBox* box : {form_->Controls().FrontCoverImage, form_->Controls().ProductDisplayImage}) {
        SCOPED_TRACE(box->objectName().toStdString());
        const QImage sharp = DrawnAt(ratio, box->size(), box->Drawing());
        EXPECT_EQ(Grabbed(box), sharp);
        if (ratio == 1.0) continue;
        const QImage bitmap = box->Picture();
        EXPECT_NE(sharp, DrawnAt(ratio, box->size(), [&](Canvas& canvas) { canvas.Draw(0, 0, bitmap); }));
    }
    const QLabel* emblem = form_->Controls().Image2;
    EXPECT_EQ(emblem->pixmap().devicePixelRatio(), ratio);
}

}  // namespace
}  // namespace zorvik
