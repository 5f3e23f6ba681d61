#pragma once
// The manufacturer, its regional offices and the choice of the office that
// every printout names.

#include <vector>

#include "lazy_dialog.h"
#include "session.h"

namespace Ui {
class TZorvikAmpIntroductionForm;
}

namespace zorvik {

class TZorvikAmpIntroductionForm : public LazyDialog {
    Q_OBJECT
public:
    explicit TZorvikAmpIntroductionForm(Session& session, QWidget* parent = nullptr);
    ~TZorvikAmpIntroductionForm() override;

    void FormShow();
    void CountryComboBoxClick();
    void ZorvikIntroMemoEnter();

    Ui::TZorvikAmpIntroductionForm& Controls() { return *ui; }
    // The office entry each item of the region list stands for.
    const std::vector<int>& ListedOffices() const { return listedOffices_; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Build() override;
    void Retranslate() override;
    void ShowTexts();
    void ShowPictures();
    void FillCountryList();

    Session& session_;
    LazyUi<Ui::TZorvikAmpIntroductionForm> ui{this};
    // Entries with an empty region name are not listed, so item k need not be
    // entry k; this map keeps the address shown, stored and printed the one
    // of the region the user picked.
    std::vector<int> listedOffices_;
    // The region list is made from the office table at the first showing and
    // kept for the run.
    bool countryListFilled_ = false;
};

}  // namespace zorvik
