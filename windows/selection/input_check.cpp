#include "input_check.h"

#include <array>

#include "continuous_process.h"
#include "vessel_charging.h"

namespace zorvik {
namespace {

// A field's text and visibility as they are now; the run may write or
// focus it, which a quiet check must not.
class QuietField final : public EntryField {
public:
    explicit QuietField(const EntryField* field)
        : text_(field != nullptr ? field->Text() : std::string()), showing_(field != nullptr && field->IsShowing()) {}
    std::string Text() const override { return text_; }
    void SetText(const std::string&) override {}
    bool IsShowing() const override { return showing_; }
    void SetFocus() override {}

private:
    std::string text_;
    bool showing_;
};

}  // namespace

bool SelectionInputsValid(const Session& session, const SelectionControls& controls) {
    using Member = EntryField* SelectionFields::*;
    static constexpr std::array<Member, 8> kFields = {
        &SelectionFields::pAirDrivePsiEdit,     &SelectionFields::qAirScfmEdit,       &SelectionFields::pSupplyPsiEdit,
        &SelectionFields::FlowrateReqdScfmEdit, &SelectionFields::pOutletPsiEdit,     &SelectionFields::OutStartPsiEdit,
        &SelectionFields::OutFinalPsiEdit,      &SelectionFields::OutCapacityFt3Edit,
    };
    std::vector<QuietField> fields;
    fields.reserve(kFields.size() + 2);
    SelectionControls quiet = controls;
    for (Member m : kFields) quiet.fields.*m = &fields.emplace_back(controls.fields.*m);
    for (EntryField* SelectionControls::*m :
         {&SelectionControls::gasTemperatureEdit, &SelectionControls::temperatureLimitEdit})
        if (controls.*m != nullptr) quiet.*m = &fields.emplace_back(controls.*m);
    SilentNotices silent;
    quiet.notices = &silent;
    quiet.searchingMemo = nullptr;
    Session scratch = session;
    const SelectionResult run = session.ApplicationType == ApplicationFillCylinder
                                    ? VesselChargingSelection(scratch, quiet)
                                    : ContinuousProcessSelection(scratch, quiet);
    return run.Completed() || run.stop == SelectionStop::Cancelled;
}

}  // namespace zorvik
