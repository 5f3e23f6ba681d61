// The windows of a run: all made at start, only the main window built then,
// and building any other later leaves the run as start-up left it, so a
// window opened late finds what it would have found had it been built at
// start.

#include <gtest/gtest.h>

#include <QApplication>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <utility>
#include <vector>

#include "program_folder_fixture.h"
#include "app_windows.h"
#include "printing.h"
#include "tab_list_box.h"
#include "support/modal_dialog.h"
#include "support/printed_pdf.h"

namespace zorvik {
namespace {

std::vector<std::pair<const char*, LazyDialog*>> BuiltWhenNeeded(AppWindows& w) {
    return {
        {"AdjustAirDriveForm", w.AdjustAirDriveForm.get()},
        {"ZampCalcCycleSpeedForm", w.ZampCalcCycleSpeedForm.get()},
        {"modelDataForm", w.modelDataForm.get()},
        {"ZampGeneralDescriptionForm", w.ZampGeneralDescriptionForm.get()},
        {"zampGraph1Form", w.zampGraph1Form.get()},
        {"imageDisplayForm", w.imageDisplayForm.get()},
        {"ZampModelSelectionChartForm", w.ZampModelSelectionChartForm.get()},
        {"ZampApplicationsForm", w.ZampApplicationsForm.get()},
        {"AmplifierSelectionForm", w.AmplifierSelectionForm.get()},
        {"ZampSizingAmplifiersForm", w.ZampSizingAmplifiersForm.get()},
        {"ZampOperationalGuideForm", w.ZampOperationalGuideForm.get()},
        {"ZampSaturatedAirForm", w.ZampSaturatedAirForm.get()},
        {"ZampUsingCurvesForm", w.ZampUsingCurvesForm.get()},
        {"ZorvikAmpIntroductionForm", w.ZorvikAmpIntroductionForm.get()},
    };
}

// What windows hand one another through the session.
struct RunState {
    int applicationType, displayMode, pumpIndex, pumpNo, officeIndex;
    bool metricUnits;
    double airDrivePsi, inletPsi, outletPsi, graphAirDrivePsi, graphInletScale;
    bool operator==(const RunState&) const = default;
};

RunState Of(const Session& s) {
    return {s.ApplicationType, s.DisplayMode, s.PumpIndex, s.CurrentPump.PumpNo, s.OfficeIndex,    s.MetricUnits,
            s.AirDrivePsi,     s.InletPsi,    s.OutletPsi, s.GraphAirDrivePsi,   s.GraphInletScale};
}

class AppWindowsTest : public testing::ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        windows_ = CreateAppWindows(session_, testing::TestNotices());
    }
    void TearDown() override {
        windows_.reset();
        ProgramFolderTest::TearDown();
    }

    std::unique_ptr<AppWindows> windows_;
};

TEST_F(AppWindowsTest, StartUpBuildsNoWindowButTheMainOne) {
    windows_->ZorvAmpMainForm->show();
    for (const auto& [name, window] : BuiltWhenNeeded(*windows_)) EXPECT_FALSE(window->IsBuilt()) << name;
    windows_->ZorvAmpMainForm->hide();
}

TEST_F(AppWindowsTest, BuildingAWindowLeavesTheRunAsStartUpLeftIt) {
    const RunState atStart = Of(session_);
    for (const auto& [name, window] : BuiltWhenNeeded(*windows_)) {
        window->EnsureBuilt();
        EXPECT_TRUE(Of(session_) == atStart) << name;
    }
}

// The picture viewer opened on a listed row draws and prints the row's chart
// itself: the graph window is never built, nor are its settings moved.
TEST_F(AppWindowsTest, ThePictureViewerPrintsWithoutTheGraphWindow) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
    TAmplifierSelectionForm& selection = *windows_->AmplifierSelectionForm;
    selection.show();
    QTest::mouseClick(selection.findChild<QPushButton*>(QStringLiteral("ListSelectionsBitBtn")), Qt::LeftButton);
    const auto* list = selection.findChild<TTabListBox*>(QStringLiteral("SelectionTabListBox"));
    ASSERT_EQ(list->SelectedRow(), 0);
    const int model = list->RowText(0).split(QLatin1Char('\t')).last().trimmed().toInt();
    bool printed = false;
    {
        const testing::ModalDialog printAndClose([&](QWidget* viewer) {
            ASSERT_EQ(viewer, windows_->imageDisplayForm.get());
            printed = windows_->imageDisplayForm->PrintDataSheetOn(*MakePdfPrinter(pdf));
            viewer->close();
        });
        QTest::mouseClick(selection.findChild<QPushButton*>(QStringLiteral("DrawGraphBitBtn")), Qt::LeftButton);
    }
    selection.hide();
    ASSERT_TRUE(printed);

    const QString text = testing::PdfText(pdf).simplified();
    EXPECT_TRUE(text.contains(QString::fromStdString(CatalogueRow(model).DisplayName()).trimmed()))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Outlet pressure psi"))) << text.toStdString();
    EXPECT_FALSE(windows_->zampGraph1Form->IsBuilt());
    EXPECT_EQ(session_.GraphAirDrivePsi, DefaultGraphAirDrivePsi);
    EXPECT_EQ(session_.GraphInletScale, 1.0);
}

}  // namespace
}  // namespace zorvik
