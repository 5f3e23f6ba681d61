// The windows of a run: all made at start, only the main window built then,
// and building any other later leaves the run as start-up left it, so a
// window opened late finds what it would have found had it been built at
// start.

#include <gtest/gtest.h>

#include <QApplication>
#include <utility>
#include <vector>

#include "program_folder_fixture.h"
#include "app_windows.h"

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

// What windows hand one another through the shared state.
struct RunState {
    int applicationType, displayMode, pumpIndex, pumpNo, officeIndex;
    bool metricUnits, showChargeCurve;
    double airDrivePsi, inletPsi, outletPsi, flowScfm, graphAirDrivePsi, graphInletScale, airUseScfm;
    bool operator==(const RunState&) const = default;
};

RunState Now() {
    return {Shared.ApplicationType, Shared.DisplayMode, Shared.PumpIndex,       Shared.CurrentPump.PumpNo,
            Shared.OfficeIndex,     Shared.MetricUnits, Shared.ShowChargeCurve, Shared.AirDrivePsi,
            Shared.InletPsi,        Shared.OutletPsi,   Shared.FlowScfm,        Shared.GraphAirDrivePsi,
            Shared.GraphInletScale, Shared.AirUseScfm};
}

class AppWindowsTest : public testing::ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        windows_ = CreateAppWindows();
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
    const RunState atStart = Now();
    for (const auto& [name, window] : BuiltWhenNeeded(*windows_)) {
        window->EnsureBuilt();
        EXPECT_TRUE(Now() == atStart) << name;
    }
}

}  // namespace
}  // namespace zorvik
