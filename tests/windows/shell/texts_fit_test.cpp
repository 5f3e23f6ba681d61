// Every window, dialog and printed page of the program in each of its six
// languages: nothing clipped, nothing written over another text, and no
// mnemonic used twice in a window. The windows are opened in the states that
// show their longest texts (metric captions, fill layout, a listed run, a
// two-stage model, every tab).

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

#include "program_folder_fixture.h"
#include "text_fit_checks.h"
#include "app_windows.h"
#include "comparison_window.h"
#include "job_window.h"
#include "printing.h"
#include "program_language.h"
#include "canvas.h"
#include "picture_box.h"
#include "product_pages.h"
#include "tab_list_box.h"
#include "ui_main_form.h"
#include "support/printed_pdf.h"

namespace zorvik {
namespace {

using testing::CrowdedWords;
using testing::PdfWords;
using testing::RepeatedMnemonics;
using testing::RunPdfTool;
using testing::UnfitTexts;

constexpr int kTwoStageModel = 12;    // RBZ: the interstage row of the model data
constexpr int kOwnDriveAirModel = 1;  // CRB19: the common-connection note

class TextsFitTest : public testing::ProgramFolderTest, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        ASSERT_TRUE(language_.Use(QString::fromLatin1(GetParam())));
        windows_ = CreateAppWindows(session_, testing::TestNotices());
        windows_->ZorvAmpMainForm->SetProgramLanguage(&language_);
    }
    void TearDown() override {
        windows_.reset();
        ProgramFolderTest::TearDown();
    }

    // Shows `window` as it stands and checks it; `state` names what it shows.
    void Check(QWidget* window, const char* state) {
        window->show();
        QApplication::processEvents();
        const std::string where = std::string(window->metaObject()->className()) + " " + state;
        Grab(window, state);
        for (const std::string& fault : UnfitTexts(window)) ADD_FAILURE() << where << ": " << fault;
        for (const std::string& fault : RepeatedMnemonics(window)) ADD_FAILURE() << where << ": mnemonic " << fault;
    }
    // For looking at the windows: ZORVIK_GRAB_DIR=folder saves each as checked.
    void Grab(QWidget* window, const char* state) {
        const QString folder = qEnvironmentVariable("ZORVIK_GRAB_DIR");
        if (folder.isEmpty()) return;
        const QString name = QStringLiteral("%1_%2_%3.png")
                                 .arg(QString::fromLatin1(GetParam()), window->objectName(), QString::fromLatin1(state))
                                 .replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.]")), QStringLiteral("_"));
        window->grab().save(QDir(folder).filePath(name));
    }
    void CheckAndHide(QWidget* window, const char* state) {
        Check(window, state);
        window->hide();
    }
    template <class T>
    T* Child(QWidget* window, const char* name) {
        T* child = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    // Buttons and the pictures that act as buttons.
    void Click(QWidget* window, const char* name) {
        if (auto* button = qobject_cast<QAbstractButton*>(Child<QWidget>(window, name)))
            button->click();
        else
            QTest::mouseClick(Child<QWidget>(window, name), Qt::LeftButton);
    }

    // A page printed to PDF: its words, each on the page and clear of the others.
    template <class Print>
    void CheckPage(const char* page, Print print) {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("page.pdf"));
        {
            const auto printer = MakePdfPrinter(file);
            ASSERT_TRUE(print(*printer)) << page;
        }
        static const QRegularExpression size(QStringLiteral(R"(Page size:\s*([\d.]+) x ([\d.]+) pts)"));
        const auto match = size.match(QString::fromUtf8(RunPdfTool(QStringLiteral("pdfinfo"), {file})));
        ASSERT_TRUE(match.hasMatch()) << page;
        for (const std::string& fault :
             CrowdedWords(PdfWords(file), match.captured(1).toDouble(), match.captured(2).toDouble()))
            ADD_FAILURE() << page << ": " << fault;
    }

    ProgramLanguage language_;
    Session session_;
    std::unique_ptr<AppWindows> windows_;
};

TEST_P(TextsFitTest, MainAndInformationWindows) {
    Check(windows_->ZorvAmpMainForm.get(), "");
    // The credit lines drawn on the cover stay clear of the Jobs button: no
    // dark pixel of their letters under it.
    const auto& ui = windows_->ZorvAmpMainForm->Controls();
    const QImage& cover = ui.FrontCoverImage->Picture();
    const QRect under = Child<QPushButton>(windows_->ZorvAmpMainForm.get(), "JobsBitBtn")
                            ->geometry()
                            .translated(-ui.FrontCoverImage->pos());
    int dark = 0;
    for (int y = under.top(); y <= under.bottom(); ++y)
        for (int x = under.left(); x <= under.right(); ++x) dark += QColor(cover.pixel(x, y)).lightness() <= 128;
    EXPECT_EQ(dark, 0) << "credit lines under the Jobs button";
    for (QWidget* w : std::initializer_list<QWidget*>{
             windows_->ZorvikAmpIntroductionForm.get(), windows_->ZampApplicationsForm.get(),
             windows_->ZampGeneralDescriptionForm.get(), windows_->ZampUsingCurvesForm.get(),
             windows_->ZampSizingAmplifiersForm.get(), windows_->ZampOperationalGuideForm.get(),
             windows_->ZampCalcCycleSpeedForm.get()})
        CheckAndHide(w, "");
    QWidget* saturated = windows_->ZampSaturatedAirForm.get();
    saturated->show();
    QTabBar* tabs = Child<QTabBar>(saturated, "TabSet1");
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        Check(saturated, "tab");
    }
}

// The product display's pages: the heading on its band and every line
// within the picture, in the fonts the pages are drawn in.
TEST_P(TextsFitTest, ProductPages) {
    constexpr int kLinesLeft = 25;  // where the lines start, beside the bullets
    constexpr int kBearing = 2;     // the last letter's advance runs past its ink
    QImage image(windows_->ZorvAmpMainForm->Controls().ProductDisplayImage->size(), QImage::Format_RGB32);
    Canvas canvas(image);
    const auto text = [](const char* source) { return QCoreApplication::translate("ProductPages", source); };
    for (const ProductPage& page : ProductPages) {
        canvas.SetFont(QStringLiteral("arial"), 13, true);
        const QString heading = text(page.Heading);
        EXPECT_LE(canvas.TextWidth(heading.trimmed()) +
                      heading.indexOf(heading.trimmed()) * canvas.TextWidth(QStringLiteral(" ")),
                  canvas.Width())
            << heading.toStdString();
        canvas.SetFont(QStringLiteral("arial"), 12);
        for (const char* line : page.Lines) {
            const QString shown = text(line).remove(QRegularExpression(QStringLiteral("^X")));
            EXPECT_LE(kLinesLeft + canvas.TextWidth(shown), canvas.Width() + kBearing) << shown.toStdString();
        }
    }
}

TEST_P(TextsFitTest, SelectionAndComparisonWindows) {
    TAmplifierSelectionForm* form = windows_->AmplifierSelectionForm.get();
    Check(form, "flow");
    Click(form, "ListSelectionsBitBtn");
    Check(form, "flow, listed");
    form->CompareBitBtnClick();
    CheckAndHide(form->Comparison(), "flow");
    Click(form, "metricImperialUnitsBitBtn");
    Check(form, "metric, listed");
    Click(form, "systemBImage");
    Check(form, "fill, metric");
    Click(form, "ListSelectionsBitBtn");
    form->CompareBitBtnClick();
    CheckAndHide(form->Comparison(), "fill");
}

TEST_P(TextsFitTest, GraphWindowsAndTheirDialogs) {
    TzampGraph1Form* graph = windows_->zampGraph1Form.get();
    Check(graph, "first shown");
    for (const char* button : {"DrawGraphBitBtn", "DrawGraphBitBtn", "ShowDrawingBitBtn", "ShowDrawingBitBtn"}) {
        Click(graph, button);
        Check(graph, button);
    }
    for (const int model : {kTwoStageModel, kOwnDriveAirModel}) {
        Child<TTabListBox>(graph, "TabListBox1")->SelectRow(model - 1);
        CheckAndHide(windows_->modelDataForm.get(), "model data");
        Click(graph, "DrawGraphBitBtn");
        windows_->AdjustAirDriveForm->ChartShown = graph->ChartShown();
        CheckAndHide(windows_->AdjustAirDriveForm.get(), "adjust");
    }
    windows_->imageDisplayForm->SetChart(graph->ChartShown());
    CheckAndHide(windows_->imageDisplayForm.get(), "chart");
    QWidget* chart = windows_->ZampModelSelectionChartForm.get();
    Check(chart, "metric");
    Click(chart, "flipUnitBitBtn");
    CheckAndHide(chart, "imperial");
}

// The job window as it opens.
TEST_P(TextsFitTest, JobWindow) { CheckAndHide(windows_->Jobs.get(), "as opened"); }

TEST_P(TextsFitTest, PrintedPages) {
    TzampGraph1Form* graph = windows_->zampGraph1Form.get();
    graph->show();
    Click(graph, "DrawGraphBitBtn");
    CheckPage("data sheet, chart", [&](QPrinter& p) { return graph->PrintDataSheetOn(p); });
    Click(graph, "ShowDrawingBitBtn");
    CheckPage("data sheet, drawing", [&](QPrinter& p) { return graph->PrintDataSheetOn(p); });
    TAmplifierSelectionForm* form = windows_->AmplifierSelectionForm.get();
    form->show();
    Click(form, "ListSelectionsBitBtn");
    Child<TTabListBox>(form, "SelectionTabListBox")->SelectRow(0);
    CheckPage("selection report", [&](QPrinter& p) { return form->PrintList(p); });
    form->CompareBitBtnClick();
    CheckPage("comparison", [&](QPrinter& p) { return form->Comparison()->PrintPage(p); });
    auto* chart = windows_->ZampModelSelectionChartForm.get();
    chart->show();
    CheckPage("model selection chart", [&](QPrinter& p) { return chart->PrintChart(p); });
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, TextsFitTest, ::testing::Values("en", "de", "fr", "it", "es", "nl"),
                         [](const ::testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

}  // namespace
}  // namespace zorvik
