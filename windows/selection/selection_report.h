#pragma once
// The selection list on one printed page: the chosen office, the title and
// date, the application and its conditions as the user typed them, the
// column headings and units, every row of the result list, the note on air
// use and the office's contact lines.

#include <QString>
#include <QStringList>

#include "office_table.h"
#include "printing.h"

class QPrinter;

namespace zorvik {

// What the page shows of the selection window. The condition texts are the
// entry fields' texts as they stand (in the units on screen); only those of
// the application's layout are printed, and the air available and the
// required flow say so when the window ignores them.
struct SelectionReport {
    int applicationType = 0;              // ApplicationFlow or ApplicationFillCylinder
    bool metric = false;                  // barg, nl/min, n.m3 and litres instead of psig, scfm and ft.3
    QString airDrive;                     // pAirDrivePsiEdit
    QString airAvailable;                 // qAirScfmEdit
    bool airUnlimited = false;            // " Ignore air available setting"
    QString inlet;                        // pSupplyPsiEdit
    QString flowRequired;                 // FlowrateReqdScfmEdit (continuous process)
    bool flowIgnored = false;             // " Ignore flow rate setting" (continuous process)
    QString outlet;                       // pOutletPsiEdit (continuous process)
    QString initial;                      // OutStartPsiEdit (vessel charging)
    QString final;                        // OutFinalPsiEdit (vessel charging)
    QString capacity;                     // OutCapacityFt3Edit (vessel charging)
    QString gas = QStringLiteral("Air");  // the gas boosted, and its temperature as typed, as shown
    QString safetyNote;                   // what the gas calls for; empty for most gases
    // The result list as it stands: tab-separated rows whose five cells after
    // the first tab are printed in five columns; the model number after the
    // sixth tab is not. A row without tabs prints as an empty line.
    QStringList rows;
    TAddressData office;  // the office the page names
};

// Prints the report on one portrait page of `printer`, titled "Zorvik air
// amplifiers", in the language in use.
PrintResult PrintSelectionReport(QPrinter& printer, const SelectionReport& report);

}  // namespace zorvik
