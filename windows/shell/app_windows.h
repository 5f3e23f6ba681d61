#pragma once
// The windows of a run. All of them are created at start, in a fixed order,
// and live until the program ends; each keeps its state between showings.
// They share the session they are made with and speak through its notices.
// Only the main window is built at start: the others build their controls
// and pictures when they are first shown or first used (LazyDialog), and the
// two picture stores render each picture when it is first drawn.

#include <memory>

#include "drawing_images_form.h"
#include "image_display_form.h"
#include "model_selection_chart_form.h"
#include "adjust_air_drive_form.h"
#include "graph_form.h"
#include "model_data_form.h"
#include "product_images_form.h"
#include "amplifier_selection_form.h"
#include "applications_form.h"
#include "calc_cycle_speed_form.h"
#include "general_description_form.h"
#include "introduction_form.h"
#include "main_form.h"
#include "operational_guide_form.h"
#include "saturated_air_form.h"
#include "sizing_amplifiers_form.h"
#include "using_curves_form.h"
#include "job_window.h"

namespace zorvik {

struct AppWindows {
    std::unique_ptr<TZorvAmpMainForm> ZorvAmpMainForm;
    std::unique_ptr<TAdjustAirDriveForm> AdjustAirDriveForm;
    std::unique_ptr<TZampCalcCycleSpeedForm> ZampCalcCycleSpeedForm;
    std::unique_ptr<TmodelDataForm> modelDataForm;
    std::unique_ptr<TZampGeneralDescriptionForm> ZampGeneralDescriptionForm;
    std::unique_ptr<TzampGraph1Form> zampGraph1Form;
    std::unique_ptr<TimageDisplayForm> imageDisplayForm;
    std::unique_ptr<TzampImagesForm> zampImagesForm;
    std::unique_ptr<TZampModelSelectionChartForm> ZampModelSelectionChartForm;
    std::unique_ptr<TZampApplicationsForm> ZampApplicationsForm;
    std::unique_ptr<TAmplifierSelectionForm> AmplifierSelectionForm;
    std::unique_ptr<TZampSizingAmplifiersForm> ZampSizingAmplifiersForm;
    std::unique_ptr<TZampOperationalGuideForm> ZampOperationalGuideForm;
    std::unique_ptr<TZampSaturatedAirForm> ZampSaturatedAirForm;
    std::unique_ptr<TZampUsingCurvesForm> ZampUsingCurvesForm;
    std::unique_ptr<TAmplifiersDrgImagesForm> AmplifiersDrgImagesForm;
    std::unique_ptr<TZorvikAmpIntroductionForm> ZorvikAmpIntroductionForm;
    // Non-modal, opened by the main window's "Jobs" button or a job file
    // named on the command line.
    std::unique_ptr<JobWindow> Jobs;

    AppWindows();
    ~AppWindows();
};

// Creates the seventeen windows and the job window, hidden, in the program's start-up order, on
// `session` and `notices` (which outlive them), and wires each to the
// windows it opens.
std::unique_ptr<AppWindows> CreateAppWindows(Session& session, Notices& notices);

}  // namespace zorvik
