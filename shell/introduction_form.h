#pragma once
// The manufacturer, its regional offices and the choice of the office that
// every printout names.

#include <QDialog>
#include <memory>
#include <vector>

namespace Ui {
class TZorvikAmpIntroductionForm;
}

namespace zorvik {

class TZorvikAmpIntroductionForm : public QDialog {
    Q_OBJECT
public:
    explicit TZorvikAmpIntroductionForm(QWidget* parent = nullptr);
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
    void ShowPictures();
    void FillCountryList();

    std::unique_ptr<Ui::TZorvikAmpIntroductionForm> ui;
    // Entries with an empty region name are not listed, so item k need not be
    // entry k; this map keeps the address shown, stored and printed the one
    // of the region the user picked.
    std::vector<int> listedOffices_;
    bool firstShowDone_ = false;
};

}  // namespace zorvik
