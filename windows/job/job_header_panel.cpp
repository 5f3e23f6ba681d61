#include "job_header_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "system_numbers.h"

namespace zorvik {
namespace {

QString Plain(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

JobHeaderPanel::JobHeaderPanel(const OfficeTable& offices, QWidget* parent) : QWidget(parent), offices_(offices) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    name_ = AddText(QT_TR_NOOP("&Job name:"), &job::JobHeader::name, 0, 0);
    AddText(QT_TR_NOOP("&Customer:"), &job::JobHeader::customer, 1, 0);
    AddText(QT_TR_NOOP("&Reference:"), &job::JobHeader::reference, 2, 0);
    AddText(QT_TR_NOOP("En&gineer:"), &job::JobHeader::engineer, 0, 2);
    AddText(QT_TR_NOOP("Revis&ion:"), &job::JobHeader::revision, 1, 2);
    AddText(QT_TR_NOOP("&Date:"), &job::JobHeader::date, 2, 2);
    AddText(QT_TR_NOOP("&Notes:"), &job::JobHeader::notes, 3, 0);
    grid->addWidget(texts_.back().first, 3, 1, 1, 3);

    office_ = new QComboBox(this);
    office_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    auto* officeLabel = Caption(QT_TR_NOOP("&Office on the pages:"), this);
    officeLabel->setBuddy(office_);
    grid->addWidget(officeLabel, 4, 0);
    grid->addWidget(office_, 4, 1, 1, 3);
    connect(office_, &QComboBox::activated, this, [this] {
        job::JobHeader header = shown_;
        header.office = office_->currentData().toString().toStdString();
        Commit(header);
    });

    cost_ = new QGroupBox(this);
    auto* cost = cost_;
    auto* costGrid = new QGridLayout(cost);
    grid->addWidget(cost, 0, 4, 5, 1);
    AddNumber(QT_TR_NOOP("Compressor power, &kW per 100 scfm:"), &CostSettings::kwPer100Scfm, 2, MaxKwPer100Scfm, 0);
    AddNumber(QT_TR_NOOP("&Hours a year:"), &CostSettings::hoursPerYear, 0, MaxHoursPerYear, 1);
    AddNumber(QT_TR_NOOP("&Price per kWh:"), &CostSettings::pricePerKwh, 4, MaxPricePerKwh, 2);
    plantAir_ = new QCheckBox(cost);
    costGrid->addWidget(plantAir_, 3, 0, 1, 2);
    connect(plantAir_, &QCheckBox::clicked, this, [this](bool on) {
        job::JobHeader header = shown_;
        header.cost.inletIsPlantAir = on;
        Commit(header);
    });
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    Retranslate();
}

// A label whose text is `source` in the program's language, now and after
// a language switch.
QLabel* JobHeaderPanel::Caption(const char* source, QWidget* parent) {
    auto* caption = new QLabel(parent);
    captions_.emplace_back(caption, source);
    return caption;
}

// The texts in the program's language; what is typed stays as it is.
void JobHeaderPanel::Retranslate() {
    for (const auto& [caption, source] : captions_) caption->setText(tr(source));
    cost_->setTitle(tr("Running cost of the drive air"));
    plantAir_->setText(tr("The gas boosted is dri&ve air (its flow counts too)"));
    ShowOffice(shown_.office);
}

QLineEdit* JobHeaderPanel::AddText(const char* label, std::string job::JobHeader::*field, int row, int column) {
    auto* grid = static_cast<QGridLayout*>(layout());
    auto* edit = new QLineEdit(this);
    QLabel* caption = Caption(label, this);
    caption->setBuddy(edit);
    grid->addWidget(caption, row, column);
    grid->addWidget(edit, row, column + 1);
    connect(edit, &QLineEdit::editingFinished, this, [this, edit, field] {
        job::JobHeader header = shown_;
        header.*field = edit->text().toStdString();
        Commit(header);
    });
    texts_.emplace_back(edit, field);
    return edit;
}

QDoubleSpinBox* JobHeaderPanel::AddNumber(const char* label, double CostSettings::*field, int decimals, double top,
                                          int row) {
    auto* group = findChild<QGroupBox*>();
    auto* grid = static_cast<QGridLayout*>(group->layout());
    auto* spin = new DecimalSpinBox(group);
    spin->setDecimals(decimals);
    spin->setRange(0, top);
    spin->setKeyboardTracking(false);
    QLabel* caption = Caption(label, group);
    caption->setBuddy(spin);
    grid->addWidget(caption, row, 0);
    grid->addWidget(spin, row, 1);
    // Only a value the user changed is taken; one the box merely shows
    // rounded stays in the job as it was.
    connect(spin, &QDoubleSpinBox::valueChanged, this, [this, field](double value) {
        job::JobHeader header = shown_;
        header.cost.*field = value;
        Commit(header);
    });
    numbers_.emplace_back(spin, field);
    return spin;
}

void JobHeaderPanel::CommitTyping() {
    job::JobHeader header = shown_;
    for (const auto& [edit, field] : texts_) header.*field = edit->text().toStdString();
    Commit(header);
}

void JobHeaderPanel::Commit(const job::JobHeader& header) {
    if (header == shown_) return;
    shown_ = header;
    emit HeaderEdited(header);
}

void JobHeaderPanel::Show(const job::JobHeader& header) {
    shown_ = header;
    for (const auto& [edit, field] : texts_) {
        const QSignalBlocker quiet(edit);
        if (edit->text() != Plain(header.*field)) edit->setText(Plain(header.*field));
    }
    for (const auto& [spin, field] : numbers_) {
        const QSignalBlocker quiet(spin);
        spin->setValue(header.cost.*field);
    }
    const QSignalBlocker quiet(plantAir_);
    plantAir_->setChecked(header.cost.inletIsPlantAir);
    ShowOffice(header.office);
}

// The program's offices by region name; an office the file names that this
// program does not have stays chosen, so the job keeps it.
void JobHeaderPanel::ShowOffice(const std::string& office) {
    const QSignalBlocker quiet(office_);
    office_->clear();
    office_->addItem(tr("The office chosen in the program"), QString());
    for (const TAddressData& entry : offices_)
        if (!entry.Field[0].empty())
            office_->addItem(Plain(entry.Field[0] + " - " + entry.Field[1]), Plain(entry.Field[0]));
    int index = office_->findData(Plain(office));
    if (index < 0) {
        office_->addItem(tr("%1 (not among this program's offices)").arg(Plain(office)), Plain(office));
        index = office_->count() - 1;
    }
    office_->setCurrentIndex(index);
}

}  // namespace zorvik
