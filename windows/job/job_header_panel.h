#pragma once
// The job's header in a job window: name, customer, reference, engineer,
// revision, date, notes, the office whose contact lines the pages carry and
// the running-cost settings. A field that the user leaves with a new value
// hands the whole header with that one field changed to HeaderEdited, so
// the window can make it an undoable command; what a file holds in the
// other fields is never rewritten by the widgets' rounding or ranges.

#include <QWidget>
#include <string>
#include <utility>
#include <vector>

#include "job.h"
#include "office_table.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace zorvik {

class JobHeaderPanel : public QWidget {
    Q_OBJECT
public:
    explicit JobHeaderPanel(const OfficeTable& offices, QWidget* parent = nullptr);

    // Shows `header` without telling anyone.
    void Show(const job::JobHeader& header);

    // Takes what is typed in a field still being edited, as leaving it would.
    void CommitTyping();

    QLineEdit* NameEdit() const { return name_; }
    void Retranslate();

signals:
    void HeaderEdited(const job::JobHeader& header);

private:
    QLineEdit* AddText(const char* label, std::string job::JobHeader::*field, int row, int column);
    QDoubleSpinBox* AddNumber(const char* label, double CostSettings::*field, int decimals, double top, int row);
    QLabel* Caption(const char* source, QWidget* parent);
    void ShowOffice(const std::string& office);
    void Commit(const job::JobHeader& header);

    const OfficeTable& offices_;
    job::JobHeader shown_;
    QLineEdit* name_ = nullptr;
    QComboBox* office_ = nullptr;
    QCheckBox* plantAir_ = nullptr;
    QGroupBox* cost_ = nullptr;
    std::vector<std::pair<QLabel*, const char*>> captions_;
    std::vector<std::pair<QLineEdit*, std::string job::JobHeader::*>> texts_;
    std::vector<std::pair<QDoubleSpinBox*, double CostSettings::*>> numbers_;
};

}  // namespace zorvik
