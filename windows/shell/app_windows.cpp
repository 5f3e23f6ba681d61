#include "app_windows.h"

namespace zorvik {

AppWindows::AppWindows() = default;

// Windows go in the reverse order of their making.
AppWindows::~AppWindows() {
    Jobs.reset();
    ZorvikAmpIntroductionForm.reset();
    AmplifiersDrgImagesForm.reset();
    ZampUsingCurvesForm.reset();
    ZampSaturatedAirForm.reset();
    ZampOperationalGuideForm.reset();
    ZampSizingAmplifiersForm.reset();
    AmplifierSelectionForm.reset();
    ZampApplicationsForm.reset();
    ZampModelSelectionChartForm.reset();
    zampImagesForm.reset();
    imageDisplayForm.reset();
    zampGraph1Form.reset();
    ZampGeneralDescriptionForm.reset();
    modelDataForm.reset();
    ZampCalcCycleSpeedForm.reset();
    AdjustAirDriveForm.reset();
    ZorvAmpMainForm.reset();
}

std::unique_ptr<AppWindows> CreateAppWindows(Session& session, Notices& notices) {
    auto w = std::make_unique<AppWindows>();
    w->ZorvAmpMainForm = std::make_unique<TZorvAmpMainForm>(session, notices);
    w->AdjustAirDriveForm = std::make_unique<TAdjustAirDriveForm>(session, notices);
    w->ZampCalcCycleSpeedForm = std::make_unique<TZampCalcCycleSpeedForm>();
    w->modelDataForm = std::make_unique<TmodelDataForm>(session);
    w->ZampGeneralDescriptionForm = std::make_unique<TZampGeneralDescriptionForm>();
    w->zampGraph1Form = std::make_unique<TzampGraph1Form>(session, notices);
    w->imageDisplayForm = std::make_unique<TimageDisplayForm>(session, notices);
    w->zampImagesForm = std::make_unique<TzampImagesForm>();
    w->ZampModelSelectionChartForm = std::make_unique<TZampModelSelectionChartForm>(session, notices);
    w->ZampApplicationsForm = std::make_unique<TZampApplicationsForm>();
    w->AmplifierSelectionForm = std::make_unique<TAmplifierSelectionForm>(session, notices);
    w->ZampSizingAmplifiersForm = std::make_unique<TZampSizingAmplifiersForm>();
    w->ZampOperationalGuideForm = std::make_unique<TZampOperationalGuideForm>();
    w->ZampSaturatedAirForm = std::make_unique<TZampSaturatedAirForm>();
    w->ZampUsingCurvesForm = std::make_unique<TZampUsingCurvesForm>();
    w->AmplifiersDrgImagesForm = std::make_unique<TAmplifiersDrgImagesForm>();
    w->ZorvikAmpIntroductionForm = std::make_unique<TZorvikAmpIntroductionForm>(session);
    w->Jobs = std::make_unique<JobWindow>(session, notices);

    w->ZorvAmpMainForm->SetMenuWindows(w.get());
    w->ZampGeneralDescriptionForm->SetSubWindows(w->ZampUsingCurvesForm.get(), w->ZampSizingAmplifiersForm.get());
    w->ZampOperationalGuideForm->SetSubWindows(w->ZampCalcCycleSpeedForm.get(), w->ZampSaturatedAirForm.get());
    w->zampGraph1Form->SetSubWindows(w->AdjustAirDriveForm.get(), w->modelDataForm.get());
    w->AmplifierSelectionForm->SetImageDisplayForm(w->imageDisplayForm.get());
    w->Jobs->SetSelectionForm(w->AmplifierSelectionForm.get());
    return w;
}

}  // namespace zorvik
