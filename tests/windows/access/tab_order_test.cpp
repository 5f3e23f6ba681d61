// The Tab key takes every window's controls in the order they are read:
// down a column of fields, along a row of buttons, a window's pictures
// before the controls beside them; the selection window in its own fixed
// order, fields first.

#include <gtest/gtest.h>

#include "window_scenes.h"

namespace zorvik::testing {
namespace {

TEST(TabOrderTest, EveryWindowInReadingOrder) {
    // clang-format off
    const std::map<std::string, const char*> chains = {
        {"main", "ZorvikIntroBitBtn|ApplicationsBitBtn|GeneralDescriptionBitBtn|GuidelinesBitBtn|ModelSelectionChartBitBtn|SelectionBitBtn|DimensionsBitBtn|JobsBitBtn|closeBitBtn"},
        {"introduction", "ZorvikIntroMemo|UkOfficeAddrMemo|HeadOfficeAddrMemo|CountryComboBox|MainMenuBitBtn"},
        {"applications", "AnAlternativeMemo|KeyFeaturesMemo|CloseBitBtn"},
        {"general_description", "AnAirPressurreMemo|TheRatioMemo|TheCompletelyMemo|Memo1|UseCurvesBitBtn|SizingBitBtn|CloseBitBtn"},
        {"operational_guide", "WhileZorvikMemo|LevelDoesMemo|VariousManualMemo|ZorvikOfferMemo|IsAFactorMemo|CyclingRateMemo|CalcCycleSpeedBitBtn|SaturatedAirBitBtn|CloseBitBtn"},
        {"sizing_amplifiers", "SeveralFactorsMemo|SeveralFcatorsMemo2|DividingMemo|ParametersMemo|AppDataMemo|WeShouldMemo|ZorvikOfferMemo|CloseBitBtn"},
        {"saturated_air", "AllAirContainsMemo|DryToTheMemo|AshopCompressorMemo|DegCRadioButton|Refrig50FMemo|TabSet1|CloseBitBtn"},
        {"using_curves", "AllZorvikMemo|RBW2ExampleGraphImage|NoteThatMemo|TheCurvesMemo|CloseBitBtn"},
        {"calc_cycle_speed", "CyclingSpeedMemo|Eample1Memo|Example2Memo|WhenTheMemo|CloseBitBtn"},
        {"model_selection_chart", "TabListBox1|ModelTypesMemo|PaExplanationMemo|flipUnitBitBtn|PrintBitBtn|CloseBitBtn"},
        {"selection_flow", "pAirDrivePsiEdit|qAirScfmEdit|PsEqualToPaCheckBox|pSupplyPsiEdit|pOutletPsiEdit|FlowrateReqdScfmEdit|ApplicationTypeComboBox|disableAirQtyLimitCheckBox|disableFlowrateLimitCheckBox|GasComboBox|GasTempEdit|TempLimitEdit|ListSelectionsBitBtn|SelectionTabListBox|ShowDrawingBitBtn|DrawGraphBitBtn|PrintBitBtn|CompareBitBtn|MainMenuBitBtn|metricImperialUnitsBitBtn"},
        {"selection_fill", "pAirDrivePsiEdit|qAirScfmEdit|PsEqualToPaCheckBox|pSupplyPsiEdit|OutStartPsiEdit|OutFinalPsiEdit|OutCapacityFt3Edit|ApplicationTypeComboBox|disableAirQtyLimitCheckBox|GasComboBox|GasTempEdit|TempLimitEdit|RealGasCheckBox|ListSelectionsBitBtn|SelectionTabListBox|ShowDrawingBitBtn|DrawGraphBitBtn|PrintBitBtn|CompareBitBtn|MainMenuBitBtn|metricImperialUnitsBitBtn"},
        {"graph_chart", "PerformanceGraphImage|TabListBox1|ShowDrawingBitBtn|ShowDataBitBtn|DrawGraphBitBtn|AdjustAirDriveBitBtn|CopyToClipboardBitBtn|PrintBitBtn|CloseBitBtn|ModelDetailsMemo|TabListBox2"},
        {"adjust_air_drive", "AdjustAirDrivePsiEdit|newGraphBitBtn|cancelBitBtn"},
        {"image_display", "PerformanceGraphImage|chartTableBitBtn|printBitBtn|CopyToClipboardBitBtn|flipUnitsBitBtn|OkBitBtn"},
        {"comparison", "Compressor power, kW per 100 scfm:|Hours a year:|Electricity price per kWh:|Inlet gas from the drive air supply|Model to add|Add|Remove Selected Column|Comparison table|Comparison chart|Copy Table|Save CSV...|Print...|Chart Table|Close"},
        {"chart_table", "DataTableView|Copy|Close"},
        {"job", "Job name:|Customer:|Reference:|Engineer:|Revision:|Date:|Notes:|Office on the pages:|Compressor power, kW per 100 scfm:|Hours a year:|Price per kWh:|The gas boosted is drive air (its flow counts too)|Job items|Add|Submittal..."},
    };
    // clang-format on
    for (const WindowScene& scene : WindowScenes()) {
        const auto expected = chains.find(scene.name);
        if (expected == chains.end()) continue;
        QWidget* window = OpenScene(scene);
        ASSERT_NE(window, nullptr) << scene.name;
        EXPECT_EQ(TabChain(window).join(QLatin1Char('|')).toStdString(), expected->second) << scene.name;
    }
}

}  // namespace
}  // namespace zorvik::testing
