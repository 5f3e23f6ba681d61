// The seven information windows, driven as a user drives them: memos that
// pass the focus on, buttons that open a window over their own and return to
// it, saturated-air choices that survive closing the window, and texts that
// are never clipped or hidden behind another control.

#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <functional>
#include <optional>

#include "picture_box.h"
#include "app_windows.h"
#include "session.h"
#include "support/modal_dialog.h"
#include "support/notice_recorder.h"

namespace zorvik {
namespace {

// The windows are made once, as the program makes them, on a session that
// outlives them, and go before the application object does.
std::unique_ptr<AppWindows>& Made() {
    static std::unique_ptr<AppWindows> windows;
    return windows;
}

AppWindows& Windows() {
    static Session session;
    if (!Made()) Made() = CreateAppWindows(session, testing::TestNotices());
    return *Made();
}

class WindowsEnvironment final : public ::testing::Environment {
public:
    void TearDown() override { Made().reset(); }
};
const auto* const environment = ::testing::AddGlobalTestEnvironment(new WindowsEnvironment);

template <typename T>
T* Child(QWidget* window, const char* name) {
    T* child = window->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

QWidget* Focused() { return QApplication::focusWidget(); }
std::string NameOf(const QWidget* w) { return w ? w->objectName().toStdString() : "(none)"; }

// Runs `whileOpen` while `window` is shown modally, then closes it.
void WhileModal(QDialog* window, std::function<void()> whileOpen) {
    const testing::ModalDialog driver([&](QWidget* modal) {
        EXPECT_EQ(modal, window);
        whileOpen();
        modal->close();
    });
    window->exec();
}

void ShowActive(QDialog* window) {
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

// A window as its user finds it: built, as it is when first opened.
QDialog* Built(LazyDialog* window) {
    window->EnsureBuilt();
    return window;
}

struct InfoWindow {
    const char* name;
    QDialog* (*get)();
    const char* title;
    QSize size;
};

const InfoWindow Info[] = {
    {"Applications",
     [] { return Built(Windows().ZampApplicationsForm.get()); },
     "Zorvik Air Pressure Amplifiers  -  Applications and Benefits",
     {792, 573}},
    {"GeneralDescription",
     [] { return Built(Windows().ZampGeneralDescriptionForm.get()); },
     "Zorvik Air Pressure Amplifiers  -  General Description",
     {792, 573}},
    {"UsingCurves",
     [] { return Built(Windows().ZampUsingCurvesForm.get()); },
     "Zorvik Air Pressure Amplifiers  -  Using Performance Curves",
     {792, 573}},
    {"Sizing",
     [] { return Built(Windows().ZampSizingAmplifiersForm.get()); },
     "Zorvik Air Pressure Amplifiers  -  Sizing",
     {792, 573}},
    {"OperationalGuide",
     [] { return Built(Windows().ZampOperationalGuideForm.get()); },
     "Zorvik Air Pressure Amplifiers  -  Operational Guidelines",
     {792, 573}},
    {"CycleSpeed",
     [] { return Built(Windows().ZampCalcCycleSpeedForm.get()); },
     "Calculation of Cycle Speed",
     {692, 533}},
    {"SaturatedAir",
     [] { return Built(Windows().ZampSaturatedAirForm.get()); },
     "Saturated Air - Some Precautions",
     {792, 573}},
};

TEST(InfoWindowsTest, EachCloseButtonClosesItsWindow) {
    for (const InfoWindow& info : Info) {
        QDialog* window = info.get();
        EXPECT_EQ(window->windowTitle(), info.title) << info.name;
        EXPECT_EQ(window->size(), info.size) << info.name;
        const testing::ModalDialog closer([window](QWidget*) { Child<QPushButton>(window, "CloseBitBtn")->click(); });
        EXPECT_EQ(window->exec(), QDialog::Accepted) << info.name;
        EXPECT_FALSE(window->isVisible()) << info.name;
    }
}

// Clicking into a memo leaves the focus on the next control of the tab
// order that is not itself a memo.
TEST(InfoWindowsTest, MemosPassTheFocusOnToTheNextControl) {
    struct Hop {
        const char* memo;
        const char* next;
    };
    const struct {
        const char* window;
        std::vector<Hop> hops;
    } cases[] = {
        {"Applications", {{"AnAlternativeMemo", "CloseBitBtn"}, {"KeyFeaturesMemo", "CloseBitBtn"}}},
        {"GeneralDescription",
         {{"AnAirPressurreMemo", "UseCurvesBitBtn"},
          {"TheRatioMemo", "UseCurvesBitBtn"},
          {"TheCompletelyMemo", "UseCurvesBitBtn"},
          {"Memo1", "UseCurvesBitBtn"}}},
        {"Sizing",
         {{"SeveralFactorsMemo", "CloseBitBtn"},
          {"SeveralFcatorsMemo2", "CloseBitBtn"},
          {"DividingMemo", "CloseBitBtn"},
          {"ParametersMemo", "CloseBitBtn"},
          {"AppDataMemo", "CloseBitBtn"},
          {"WeShouldMemo", "CloseBitBtn"},
          {"ZorvikOfferMemo", "CloseBitBtn"}}},
        {"OperationalGuide",
         {{"WhileZorvikMemo", "CalcCycleSpeedBitBtn"},
          {"LevelDoesMemo", "CalcCycleSpeedBitBtn"},
          {"VariousManualMemo", "CalcCycleSpeedBitBtn"},
          {"ZorvikOfferMemo", "CalcCycleSpeedBitBtn"},
          {"IsAFactorMemo", "CalcCycleSpeedBitBtn"},
          {"CyclingRateMemo", "CalcCycleSpeedBitBtn"}}},
        {"CycleSpeed",
         {{"CyclingSpeedMemo", "CloseBitBtn"},
          {"Eample1Memo", "CloseBitBtn"},
          {"Example2Memo", "CloseBitBtn"},
          {"WhenTheMemo", "CloseBitBtn"}}},
        {"SaturatedAir",
         {{"AllAirContainsMemo", "DegCRadioButton"},
          {"DryToTheMemo", "DegCRadioButton"},
          {"AshopCompressorMemo", "DegCRadioButton"},
          {"Refrig50FMemo", "TabSet1"}}},
    };
    for (const auto& c : cases) {
        const InfoWindow* info = std::find_if(std::begin(Info), std::end(Info),
                                              [&](const InfoWindow& i) { return std::string(i.name) == c.window; });
        QDialog* window = info->get();
        ShowActive(window);
        for (const Hop& hop : c.hops) {
            auto* memo = Child<QTextEdit>(window, hop.memo);
            Child<QWidget>(window, "CloseBitBtn")->setFocus();
            QTest::mouseClick(memo->viewport(), Qt::LeftButton, {}, QPoint(20, 8));
            EXPECT_EQ(NameOf(Focused()), hop.next) << c.window << " " << hop.memo << " clicked";
        }
        window->hide();
    }
}

TEST(InfoWindowsTest, TabbingSkipsMemosBothWays) {
    QDialog* window = Windows().ZampGeneralDescriptionForm.get();
    ShowActive(window);
    Child<QWidget>(window, "CloseBitBtn")->setFocus();
    QTest::keyClick(window, Qt::Key_Tab);  // wraps round to the memos, which pass it on
    EXPECT_EQ(NameOf(Focused()), "UseCurvesBitBtn");
    QTest::keyClick(window, Qt::Key_Backtab);  // back through the memos to the last button
    EXPECT_EQ(NameOf(Focused()), "CloseBitBtn");
    window->hide();
}

TEST(InfoWindowsTest, UsingCurvesMemosKeepTheFocus) {
    QDialog* window = Windows().ZampUsingCurvesForm.get();
    ShowActive(window);
    for (const char* name : {"AllZorvikMemo", "NoteThatMemo", "TheCurvesMemo"}) {
        auto* memo = Child<QTextEdit>(window, name);
        QTest::mouseClick(memo->viewport(), Qt::LeftButton, {}, QPoint(20, 8));
        EXPECT_EQ(NameOf(Focused()), name);
        EXPECT_TRUE(memo->isReadOnly());
    }
    window->hide();
}

// Each button opens its window over the one it is on, and closing that
// window returns to the opener, not to the main window.
TEST(InfoWindowsTest, SubWindowsOpenOverTheirOpenerAndReturnToIt) {
    AppWindows& w = Windows();
    const struct {
        QDialog* opener;
        const char* button;
        QDialog* opened;
    } cases[] = {
        {w.ZampGeneralDescriptionForm.get(), "UseCurvesBitBtn", w.ZampUsingCurvesForm.get()},
        {w.ZampGeneralDescriptionForm.get(), "SizingBitBtn", w.ZampSizingAmplifiersForm.get()},
        {w.ZampOperationalGuideForm.get(), "CalcCycleSpeedBitBtn", w.ZampCalcCycleSpeedForm.get()},
        {w.ZampOperationalGuideForm.get(), "SaturatedAirBitBtn", w.ZampSaturatedAirForm.get()},
    };
    for (const auto& c : cases) {
        QWidget* onTop = nullptr;
        QWidget* afterwards = nullptr;
        WhileModal(c.opener, [&] {
            const testing::ModalDialog closer([&](QWidget* modal) {
                onTop = modal;
                Child<QPushButton>(onTop, "CloseBitBtn")->click();
            });
            QTest::mouseClick(Child<QPushButton>(c.opener, c.button), Qt::LeftButton);
            afterwards = QApplication::activeModalWidget();
        });
        EXPECT_EQ(onTop, c.opened) << c.button;
        EXPECT_EQ(afterwards, c.opener) << c.button;
        EXPECT_FALSE(c.opened->isVisible()) << c.button;
    }
}

TEST(InfoWindowsTest, SaturatedAirKeepsTabAndUnitAcrossReopening) {
    QDialog* window = Built(Windows().ZampSaturatedAirForm.get());
    auto* tabs = Child<QTabBar>(window, "TabSet1");
    ASSERT_EQ(tabs->count(), 4);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("&10°C (50°F) dewpoint dryer"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("&0°C (32°F) dewpoint dryer"));
    EXPECT_EQ(tabs->tabText(2), QStringLiteral("&Dessicant Dryer"));
    EXPECT_EQ(tabs->tabText(3), QStringLiteral("Using &Nitrogen"));
    const char* memos[] = {"Refrig50FMemo", "Refrig32FMemo", "DesiccantDryerMemo", "NitrogenMemo"};
    auto expectShown = [&](int tab, bool celsius, const char* when) {
        EXPECT_EQ(tabs->currentIndex(), tab) << when;
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(Child<QWidget>(window, memos[i])->isVisible(), i == tab) << when << memos[i];
        EXPECT_EQ(Child<QWidget>(window, "SatDegCImage")->isVisible(), celsius) << when;
        EXPECT_EQ(Child<QWidget>(window, "SatDegFImage")->isVisible(), !celsius) << when;
        EXPECT_EQ(Child<QRadioButton>(window, "DegCRadioButton")->isChecked(), celsius) << when;
    };

    WhileModal(window, [&] {
        expectShown(0, true, "first opening");
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(3).center());
        QTest::mouseClick(Child<QRadioButton>(window, "DegFRadioButton"), Qt::LeftButton, {}, QPoint(6, 8));
        expectShown(3, false, "after choosing");
    });
    WhileModal(window, [&] {
        expectShown(3, false, "reopened");
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        QTest::mouseClick(Child<QRadioButton>(window, "DegCRadioButton"), Qt::LeftButton, {}, QPoint(6, 8));
        expectShown(1, true, "chosen again");
    });
    WhileModal(window, [&] { expectShown(1, true, "reopened again"); });
}

// The rectangle, in window coordinates, that the lines of a memo's text
// cover.
QRect TextArea(QTextEdit* memo) {
    QRectF area;
    auto* layout = memo->document()->documentLayout();
    for (QTextBlock block = memo->document()->begin(); block.isValid(); block = block.next()) {
        const QPointF origin = layout->blockBoundingRect(block).topLeft();
        for (int i = 0; i < block.layout()->lineCount(); ++i) {
            const QTextLine line = block.layout()->lineAt(i);
            if (line.naturalTextWidth() == 0) continue;
            area |= QRectF(origin + QPointF(line.x(), line.y()), QSizeF(line.naturalTextWidth(), line.height()));
        }
    }
    const QPoint offset = memo->viewport()->mapTo(memo->window(), QPoint(0, 0));
    return area.toAlignedRect().translated(offset);
}

// No text runs past the edge of its memo or under a control stacked above
// it (the windows let some memos reach under buttons and other memos).
TEST(InfoWindowsTest, NoTextIsClippedOrCovered) {
    for (const InfoWindow& info : Info) {
        QDialog* window = info.get();
        window->show();
        auto* tabs = window->findChild<QTabBar*>();
        for (int tab = 0; tab < (tabs ? tabs->count() : 1); ++tab) {
            if (tabs) tabs->setCurrentIndex(tab);
            const QList<QWidget*> stack = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            for (QTextEdit* memo : window->findChildren<QTextEdit*>()) {
                if (!memo->isVisible()) continue;
                const QRect text = TextArea(memo);
                const QRect field(memo->viewport()->mapTo(window, QPoint(0, 0)), memo->viewport()->size());
                EXPECT_TRUE(field.contains(text)) << info.name << " " << NameOf(memo) << " text " << text.height()
                                                  << " px high in " << field.height();
                EXPECT_EQ(memo->verticalScrollBar()->maximum(), 0) << info.name << " " << NameOf(memo);
                for (qsizetype i = stack.indexOf(memo) + 1; i < stack.size(); ++i)
                    if (stack[i]->isVisible()) {
                        EXPECT_FALSE(stack[i]->geometry().intersects(text))
                            << info.name << " " << NameOf(memo) << " under " << NameOf(stack[i]);
                    }
            }
        }
        if (tabs) tabs->setCurrentIndex(0);
        window->hide();
    }
}

// The text that runs on from one memo into the one below leaves no hole
// between them: the first ends within a line of where the second begins.
TEST(InfoWindowsTest, ContinuedTextRunsOnWithoutAHole) {
    QDialog* window = Built(Windows().ZampOperationalGuideForm.get());
    window->show();
    auto* first = window->findChild<QTextEdit*>(QStringLiteral("WhileZorvikMemo"));
    auto* second = window->findChild<QTextEdit*>(QStringLiteral("LevelDoesMemo"));
    const QRect upper = TextArea(first);
    const QRect lower = TextArea(second);
    const int lineHeight = second->document()->firstBlock().layout()->lineAt(0).height();
    EXPECT_LE(upper.bottom(), lower.top());
    EXPECT_LT(lower.top() - upper.bottom(), lineHeight / 2);
    EXPECT_FALSE(first->toPlainText().endsWith(QLatin1Char(' ')));
    EXPECT_FALSE(second->toPlainText().startsWith(QLatin1Char(' ')));
    window->hide();
}

// How far below the end of a memo's text the next thing in its column
// starts (a text, a heading, a picture or a button); none when nothing is.
std::optional<int> GapBelow(QTextEdit* memo) {
    const QRect text = TextArea(memo);
    std::optional<int> gap;
    for (QWidget* other : memo->window()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (other == memo || !other->isVisible()) continue;
        auto* otherMemo = qobject_cast<QTextEdit*>(other);
        const QRect next = otherMemo ? TextArea(otherMemo) : other->geometry();
        const bool sameColumn = next.left() <= text.right() && text.left() <= next.right();
        if (next.isEmpty() || !sameColumn || next.top() <= text.bottom()) continue;
        if (!gap || next.top() - text.bottom() - 1 < *gap) gap = next.top() - text.bottom() - 1;
    }
    return gap;
}

// The texts read on down each column: none ends more than three lines above
// what follows it, in any window and under any tab, so that no empty band is
// left between them.
TEST(InfoWindowsTest, NoEmptyBandBelowAText) {
    for (const InfoWindow& info : Info) {
        QDialog* window = info.get();
        window->show();
        auto* tabs = window->findChild<QTabBar*>();
        for (int tab = 0; tab < (tabs ? tabs->count() : 1); ++tab) {
            if (tabs) tabs->setCurrentIndex(tab);
            for (QTextEdit* memo : window->findChildren<QTextEdit*>()) {
                if (!memo->isVisible()) continue;
                const std::optional<int> gap = GapBelow(memo);
                EXPECT_LE(gap.value_or(0), 3 * memo->fontMetrics().lineSpacing())
                    << info.name << ": " << NameOf(memo) << " ends " << gap.value_or(0) << " px above the next text";
            }
        }
        if (tabs) tabs->setCurrentIndex(0);
        window->hide();
    }
}

// The example graph is the chart code's own drawing.
TEST(InfoWindowsTest, ExampleGraphIsTheChartsOwnDrawing) {
    zorvik::TZampUsingCurvesForm form;
    form.EnsureBuilt();
    const QImage picture = form.findChild<zorvik::PictureBox*>("RBW2ExampleGraphImage")->Picture();
    int red = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (QColor(picture.pixel(x, y)).red() - QColor(picture.pixel(x, y)).green() > 60) ++red;
    EXPECT_GT(red, 100) << "the red inlet curve and balloons of the example chart";
}

// Not a check: with ZORVIK_GRAB_DIR set, every window is saved there as a
// PNG for a person to look at.
TEST(InfoWindowsTest, GrabsForReview) {
    const QString folder = qEnvironmentVariable("ZORVIK_GRAB_DIR");
    if (folder.isEmpty()) GTEST_SKIP() << "set ZORVIK_GRAB_DIR to grab the windows";
    for (const InfoWindow& info : Info) {
        QDialog* window = info.get();
        window->show();
        auto* tabs = window->findChild<QTabBar*>();
        for (int tab = 0; tab < (tabs ? tabs->count() : 1); ++tab) {
            if (tabs) tabs->setCurrentIndex(tab);
            window->grab().save(QDir(folder).filePath(
                QStringLiteral("%1%2.png").arg(info.name).arg(tabs ? QString::number(tab) : QString())));
        }
        if (tabs) tabs->setCurrentIndex(0);
        if (auto* fahrenheit = window->findChild<QRadioButton*>(QStringLiteral("DegFRadioButton"))) {
            fahrenheit->click();
            window->grab().save(QDir(folder).filePath(QStringLiteral("%1F.png").arg(info.name)));
            Child<QRadioButton>(window, "DegCRadioButton")->click();
        }
        window->hide();
    }
}

}  // namespace
}  // namespace zorvik
