#pragma once
// The selection window and a job: a job item's duty loaded into the
// window's fields, and the duty as the fields hold it - texts as typed,
// units, application, check boxes - with the model of the chosen row, handed
// to the job window by the "Add to job" / "Keep in job" button.

#include <QString>
#include <array>
#include <functional>
#include <optional>

#include "job.h"
#include "selection_layouts.h"

namespace zorvik {

struct SelectedDuty {
    job::Application application = job::Application::Flow;
    job::ItemDuty duty;
    std::optional<int> model;  // the chosen row's; nothing when no row is chosen
};

using JobLinkCallback = std::function<void(const SelectedDuty&)>;

// The eight entry fields' texts, in SelectionEntry order.
using EntryTexts = std::array<QString, SelectionEntryCount>;

// Duty texts keep "." as the decimal point whatever the system's; the
// fields show the system's `separator`.
EntryTexts FieldTextsOf(const job::ItemDuty& duty, char separator);

// The duty of the fields' texts; `duty` gives units and check boxes, its
// texts are replaced. A text that is no number stays as typed, so the item
// says what the user typed.
job::ItemDuty DutyOfFields(const EntryTexts& texts, char separator, job::ItemDuty duty);

}  // namespace zorvik
