#include <QApplication>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextDocument>
#include <QTest>

#include "program_folder_fixture.h"
#include "introduction_form.h"
#include "office_files.h"
#include "ui_introduction_form.h"

namespace zorvik {
namespace {

class IntroductionFormTest : public testing::ProgramFolderTest {
protected:
    IntroductionFormTest() { form_.EnsureBuilt(); }

    QStringList Regions() const {
        QStringList names;
        for (int i = 0; i < ui().CountryComboBox->count(); ++i) names << ui().CountryComboBox->itemText(i);
        return names;
    }
    QString Address() const { return ui().UkOfficeAddrMemo->toPlainText(); }
    void Choose(int item) {
        ui().CountryComboBox->setCurrentIndex(item);
        form_.CountryComboBoxClick();
    }
    Ui::TZorvikAmpIntroductionForm& ui() const { return form_.Controls(); }

    mutable TZorvikAmpIntroductionForm form_{session_};
};

TEST_F(IntroductionFormTest, BuiltInTableShowsTheUkOfficeFirst) {
    form_.FormShow();
    EXPECT_EQ(Regions(), QStringList({"U.S.A.", "UK.", "Asia", "Australasia", "France", "Germany", "Italy",
                                      "Netherlands", "Spain", "Scotland"}));
    EXPECT_EQ(ui().CountryComboBox->currentText(), QStringLiteral("UK."));
    const auto& uk = session_.Offices[1].Field;
    const QString expected = QString::fromStdString(uk[1] + "\n" + uk[2] + "\n" + uk[3] + "\n" + uk[4] + "  " + uk[5] +
                                                    "\n" + uk[6] + "\n" + uk[7]);
    EXPECT_EQ(Address(), expected);
    EXPECT_EQ(ui().UkOfficeAddrMemo->textCursor().position(), 0);
}

TEST_F(IntroductionFormTest, ChoosingARegionChoosesItsOffice) {
    form_.FormShow();
    Choose(2);
    EXPECT_EQ(session_.OfficeIndex, 2);
    EXPECT_TRUE(Address().endsWith(QString::fromStdString(session_.Offices[2].Field[7])));
    EXPECT_TRUE(Address().contains(QString::fromStdString(session_.Offices[2].Field[4] + "  \n")));
}

// An entry without a region name is not listed; the items after it must
// still stand for their own entries.
TEST_F(IntroductionFormTest, UnnamedEntryBetweenNamedOnesKeepsTheChoiceRight) {
    WriteOfficesFile("[North]\nN Co\n[Unnamed\nU Co\n[South]\nS Co\n");
    LoadOfficesFile(session_, testing::TestNotices());
    form_.FormShow();
    EXPECT_EQ(Regions(), QStringList({"North", "South"}));
    Choose(1);
    EXPECT_EQ(session_.OfficeIndex, 2);
    EXPECT_TRUE(Address().startsWith(QStringLiteral("S Co\n")));

    session_.OfficeIndex = 2;
    form_.FormShow();
    EXPECT_EQ(ui().CountryComboBox->currentText(), QStringLiteral("South"));
}

TEST_F(IntroductionFormTest, IndexOutsideTheListFallsBackToTheFirstRegion) {
    WriteOfficesFile("[North]\nN Co\n[South]\nS Co\n");
    LoadOfficesFile(session_, testing::TestNotices());
    for (int stored : {7, -3, 12, 1000000}) {
        session_.OfficeIndex = stored;
        form_.FormShow();
        EXPECT_EQ(ui().CountryComboBox->currentIndex(), 0) << stored;
        EXPECT_EQ(session_.OfficeIndex, 0) << stored;
        EXPECT_TRUE(Address().startsWith(QStringLiteral("N Co\n"))) << stored;
    }
}

TEST_F(IntroductionFormTest, TheListIsFilledOnceForTheRun) {
    form_.FormShow();
    WriteOfficesFile("[Only]\nO Co\n");
    LoadOfficesFile(session_, testing::TestNotices());
    form_.FormShow();
    EXPECT_EQ(Regions().size(), 10);
}

TEST_F(IntroductionFormTest, ReadOnlyTextsPassTheFocusOn) {
    form_.show();
    QApplication::setActiveWindow(&form_);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form_));
    for (QWidget* memo : {static_cast<QWidget*>(ui().ZorvikIntroMemo), static_cast<QWidget*>(ui().UkOfficeAddrMemo),
                          static_cast<QWidget*>(ui().HeadOfficeAddrMemo)}) {
        memo->setFocus();
        QApplication::processEvents();
        EXPECT_FALSE(memo->hasFocus()) << memo->objectName().toStdString();
    }
    form_.hide();
}

// Every built-in address shows whole: no line wraps and nothing hides
// under a scroll bar.
TEST_F(IntroductionFormTest, EveryBuiltInAddressFitsItsMemo) {
    form_.show();
    for (int item = 0; item < ui().CountryComboBox->count(); ++item) {
        Choose(item);
        QApplication::processEvents();
        QPlainTextEdit* memo = ui().UkOfficeAddrMemo;
        EXPECT_EQ(memo->verticalScrollBar()->maximum(), 0) << Regions()[item].toStdString();
        EXPECT_FALSE(memo->verticalScrollBar()->isVisible()) << Regions()[item].toStdString();
        EXPECT_EQ(memo->document()->lineCount(), memo->document()->blockCount()) << Regions()[item].toStdString();
    }
    form_.hide();
}

TEST_F(IntroductionFormTest, FixedTexts) {
    EXPECT_EQ(form_.windowTitle(), QStringLiteral("Zorvik Introduction"));
    EXPECT_EQ(ui().ZorvikIntroMemo->document()->blockCount(), 4);
    EXPECT_EQ(ui().HeadOfficeAddrMemo->document()->blockCount(), 3);
    EXPECT_EQ(ui().CountryComboBox->maxVisibleItems(), 16);
    EXPECT_FALSE(ui().CountryComboBox->isEditable());
}

}  // namespace
}  // namespace zorvik
