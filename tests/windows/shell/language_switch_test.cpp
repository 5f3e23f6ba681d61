// The language chosen at run time: every open window writes its texts again,
// and going back to English gives back every English text exactly; the
// choice is kept for the next start.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QTableView>
#include <QSettings>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTextEdit>
#include <map>

#include "program_folder_fixture.h"
#include "app_windows.h"
#include "comparison_window.h"
#include "job_window.h"
#include "program_language.h"

namespace zorvik {
namespace {

using Texts = std::map<QString, QString>;

// Every text the windows show, by window and control.
Texts TextsOf(const std::vector<QWidget*>& windows) {
    Texts texts;
    for (QWidget* window : windows) {
        const QString prefix = QString::fromLatin1(window->metaObject()->className()) + QLatin1Char('/');
        texts[prefix] = window->windowTitle();
        for (const QWidget* w : window->findChildren<QWidget*>()) {
            const QString key =
                prefix + w->objectName() + QLatin1Char('@') + QString::number(reinterpret_cast<quintptr>(w), 16);
            if (const auto* label = qobject_cast<const QLabel*>(w)) texts[key] = label->text();
            if (const auto* button = qobject_cast<const QAbstractButton*>(w)) texts[key] = button->text();
            if (const auto* memo = qobject_cast<const QTextEdit*>(w)) texts[key] = memo->toPlainText();
            if (const auto* list = qobject_cast<const QListWidget*>(w))
                for (int i = 0; i < list->count(); ++i) texts[key + QString::number(i)] = list->item(i)->text();
            if (const auto* tabs = qobject_cast<const QTabBar*>(w))
                for (int i = 0; i < tabs->count(); ++i) texts[key + QString::number(i)] = tabs->tabText(i);
            if (const auto* bar = qobject_cast<const QMenuBar*>(w))
                for (int i = 0; i < bar->actions().size(); ++i)
                    texts[key + QStringLiteral("menu") + QString::number(i)] = bar->actions()[i]->text();
            if (const auto* view = qobject_cast<const QTableView*>(w); view != nullptr && view->model() != nullptr)
                for (int c = 0; c < view->model()->columnCount(); ++c)
                    texts[key + QString::number(c)] = view->model()->headerData(c, Qt::Horizontal).toString();
        }
    }
    return texts;
}

class LanguageSwitchTest : public testing::ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        ASSERT_TRUE(settings_.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
        windows_ = CreateAppWindows(session_, testing::TestNotices());
        windows_->ZorvAmpMainForm->SetProgramLanguage(&language_);
    }
    void TearDown() override {
        windows_.reset();
        ProgramFolderTest::TearDown();
    }

    // Every window open, the selection listed and compared, the graph
    // window on a chart: the texts set in code as well as the forms'.
    std::vector<QWidget*> OpenEverything() {
        AppWindows& w = *windows_;
        std::vector<QWidget*> all = {
            w.ZorvAmpMainForm.get(),
            w.AdjustAirDriveForm.get(),
            w.ZampCalcCycleSpeedForm.get(),
            w.modelDataForm.get(),
            w.ZampGeneralDescriptionForm.get(),
            w.zampGraph1Form.get(),
            w.imageDisplayForm.get(),
            w.ZampModelSelectionChartForm.get(),
            w.ZampApplicationsForm.get(),
            w.AmplifierSelectionForm.get(),
            w.ZampSizingAmplifiersForm.get(),
            w.ZampOperationalGuideForm.get(),
            w.ZampSaturatedAirForm.get(),
            w.ZampUsingCurvesForm.get(),
            w.ZorvikAmpIntroductionForm.get(),
            w.Jobs.get(),
        };
        for (QWidget* window : all) window->show();
        w.zampGraph1Form->findChild<QAbstractButton*>(QStringLiteral("DrawGraphBitBtn"))->click();
        w.AmplifierSelectionForm->findChild<QAbstractButton*>(QStringLiteral("ListSelectionsBitBtn"))->click();
        w.AmplifierSelectionForm->CompareBitBtnClick();
        // The model data window describes the model chosen when it opens,
        // as it does when the graph window opens it.
        w.modelDataForm->hide();
        w.modelDataForm->show();
        all.push_back(w.AmplifierSelectionForm->Comparison());
        QApplication::processEvents();
        return all;
    }

    void Switch(const char* code) {
        windows_->ZorvAmpMainForm->ChooseLanguage(QString::fromLatin1(code));
        QApplication::processEvents();
    }

    QTemporaryDir settings_;
    ProgramLanguage language_;
    Session session_;
    std::unique_ptr<AppWindows> windows_;
};

TEST_F(LanguageSwitchTest, EveryOpenWindowFollowsAndComesBackToItsEnglishTexts) {
    const std::vector<QWidget*> windows = OpenEverything();
    const Texts english = TextsOf(windows);
    for (const char* code : {"de", "fr", "it", "es", "nl"}) {
        Switch(code);
        const Texts translated = TextsOf(windows);
        for (QWidget* window : windows)
            EXPECT_NE(window->windowTitle(),
                      english.at(QString::fromLatin1(window->metaObject()->className()) + QLatin1Char('/')))
                << code << " " << window->metaObject()->className();
        Switch("en");
        const Texts back = TextsOf(windows);
        for (const auto& [key, text] : english)
            EXPECT_EQ(back.at(key).toStdString(), text.toStdString()) << code << " and back: " << key.toStdString();
    }
}

TEST_F(LanguageSwitchTest, TheChoiceIsKeptForTheNextStart) {
    Switch("it");
    EXPECT_EQ(language_.Code(), QStringLiteral("it"));
    EXPECT_EQ(StartLanguage(), QStringLiteral("it"));
    Switch("en");
    EXPECT_EQ(StartLanguage(), QStringLiteral("en"));
}

TEST_F(LanguageSwitchTest, AnUnknownLanguageLeavesTheProgramInEnglish) {
    Switch("de");
    EXPECT_FALSE(language_.Use(QStringLiteral("xx")));
    EXPECT_EQ(language_.Code(), QStringLiteral("en"));
    QSettings(QStringLiteral("Zorvik"), QStringLiteral("Air Pressure Amplifiers"))
        .setValue(QStringLiteral("Language"), QStringLiteral("tlh"));
    EXPECT_TRUE(IsProgramLanguage(StartLanguage()));
}

}  // namespace
}  // namespace zorvik
