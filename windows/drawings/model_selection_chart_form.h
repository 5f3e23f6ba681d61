#pragma once
// The whole range in one table: model, ratio, rated gas pressures, static
// outlet pressure formula, displacement, air drive and drive size of all
// fifteen models, in metric or imperial units, with a one-page printout.

#include <QString>
#include <memory>
#include <string_view>

#include "lazy_dialog.h"
#include "notices.h"
#include "session.h"

class QPrinter;

namespace Ui {
class TZampModelSelectionChartForm;
}

namespace zorvik {

class TZampModelSelectionChartForm : public LazyDialog {
    Q_OBJECT
public:
    TZampModelSelectionChartForm(Session& session, Notices& notices, QWidget* parent = nullptr);
    ~TZampModelSelectionChartForm() override;

    // True while the chart shows barg, litres and millimetres. Kept between
    // showings, so a flip stays in force when the window is reopened.
    bool IsChartInMetric() const { return ChartInMetric; }

    // Converts, pads and appends one chart row; false, with nothing added,
    // for a row short of a field or with a figure that is not a number.
    bool AddChartRow(std::string_view row);

    // Draws the chart as it stands on screen onto a printer the caller has
    // set up. False, after telling the user, when the printer cannot be
    // started.
    bool PrintChart(QPrinter& printer);

private:
    void Build() override;
    void Retranslate() override;
    void FormCreate();
    void flipUnitBitBtnClick();
    void PrintBitBtnClick();
    void CloseBitBtnClick();
    void ModelTypesMemoEnter(bool forward);

    void FillChart();

    bool eventFilter(QObject* watched, QEvent* event) override;

    Session& session_;
    Notices& notices_;
    LazyUi<Ui::TZampModelSelectionChartForm> ui{this};
    // Made at the first print and kept, so the print dialog offers the
    // printer and settings chosen last time.
    std::unique_ptr<QPrinter> PrintDialog1Printer;
    bool ChartInMetric = true;
};

}  // namespace zorvik
