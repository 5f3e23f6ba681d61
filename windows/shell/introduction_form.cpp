#include "introduction_form.h"

#include <QCoreApplication>
#include <QShowEvent>
#include <algorithm>

#include "offices_file.h"
#include "artwork.h"
#include "screen_placement.h"
#include "ui_introduction_form.h"

namespace zorvik {
namespace {

constexpr const char* kIntroduction[] = {
    QT_TRANSLATE_NOOP("TZorvikAmpIntroductionForm",
                      "For more than forty years Zorvik has designed and built air-driven equipment for industry: "
                      "pumps, valves and pressure amplifiers that run on plant air alone."),
    QT_TRANSLATE_NOOP("TZorvikAmpIntroductionForm",
                      "Our products are made in our own plants in England and Scotland and supported by a "
                      "worldwide network of offices and distributors."),
    QT_TRANSLATE_NOOP("TZorvikAmpIntroductionForm",
                      "The Zorvik air pressure amplifier range boosts air or gas to 345 bar (5000 psi), from compact "
                      "single-acting units to large double-acting and two-stage models."),
    QT_TRANSLATE_NOOP("TZorvikAmpIntroductionForm",
                      "Continued investment in modern machining, assembly and test facilities means that every "
                      "amplifier is pressure-tested before it leaves the factory."),
};

constexpr const char* kHeadOffice = QT_TRANSLATE_NOOP("TZorvikAmpIntroductionForm",
                                                      "Head Office: Zorvik Pneumatics Ltd.\n"
                                                      "Brindley Park, Halesworth IP19 8ZX\n"
                                                      "Tel 01632 960210  Fax 01632 960211");

QString Translated(const char* text) { return QCoreApplication::translate("TZorvikAmpIntroductionForm", text); }

QString IntroductionHtml() {
    QString html;
    for (const char* paragraph : kIntroduction)
        html += QStringLiteral("<p style=\"margin-bottom: 9px\">%1</p>").arg(Translated(paragraph).toHtmlEscaped());
    return html;
}

}  // namespace

TZorvikAmpIntroductionForm::TZorvikAmpIntroductionForm(Session& session, QWidget* parent)
    : LazyDialog(parent), session_(session) {}

void TZorvikAmpIntroductionForm::Build() {
    ui.SetUp();
    ShowTexts();
    for (QWidget* memo : {static_cast<QWidget*>(ui->ZorvikIntroMemo), static_cast<QWidget*>(ui->UkOfficeAddrMemo),
                          static_cast<QWidget*>(ui->HeadOfficeAddrMemo)})
        memo->installEventFilter(this);
    connect(ui->CountryComboBox, &QComboBox::activated, this, &TZorvikAmpIntroductionForm::CountryComboBoxClick);
    ShowPictures();
}

TZorvikAmpIntroductionForm::~TZorvikAmpIntroductionForm() = default;

void TZorvikAmpIntroductionForm::ShowTexts() {
    ui->ZorvikIntroMemo->setHtml(IntroductionHtml());
    ui->HeadOfficeAddrMemo->setPlainText(Translated(kHeadOffice));
    ui->HeadOfficeAddrMemo->document()->setDocumentMargin(3);
}

void TZorvikAmpIntroductionForm::Retranslate() {
    ui->retranslateUi(this);
    ShowTexts();
}

void TZorvikAmpIntroductionForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TZorvikAmpIntroductionForm::FormShow() {
    CentreOnScreen(*this);
    if (!countryListFilled_) {
        FillCountryList();
        countryListFilled_ = true;
    }
    // A stored office that is not in the list (a shorter office file, say)
    // falls back to the first region.
    auto item = std::find(listedOffices_.begin(), listedOffices_.end(), session_.OfficeIndex);
    if (item == listedOffices_.end()) {
        if (listedOffices_.empty()) return;
        item = listedOffices_.begin();
    }
    ui->CountryComboBox->setCurrentIndex(static_cast<int>(item - listedOffices_.begin()));
    CountryComboBoxClick();
}

void TZorvikAmpIntroductionForm::ShowPictures() {
    const std::pair<QLabel*, const char*> pictures[] = {
        {ui->ZorvikNameImage, "zorvik_name"},
        {ui->WorldNetworkImage, "world_network"},
        {ui->ZorvikFactoryImage, "zorvik_factory"},
    };
    for (const auto& [label, name] : pictures)
        label->setPixmap(QPixmap::fromImage(RenderArtwork(QString::fromLatin1(name), label->size())));
}

void TZorvikAmpIntroductionForm::FillCountryList() {
    ui->CountryComboBox->clear();
    listedOffices_.clear();
    for (int entry = 0; entry < OfficeCount; ++entry) {
        const std::string& region = session_.Offices[entry].Field[0];
        if (region.empty()) continue;
        ui->CountryComboBox->addItem(QString::fromStdString(region));
        listedOffices_.push_back(entry);
    }
}

void TZorvikAmpIntroductionForm::CountryComboBoxClick() {
    const int item = ui->CountryComboBox->currentIndex();
    if (item < 0 || item >= static_cast<int>(listedOffices_.size())) return;
    session_.OfficeIndex = listedOffices_[item];
    QStringList lines;
    for (const std::string& line : AddressLines(session_.Office())) lines << QString::fromStdString(line);
    ui->UkOfficeAddrMemo->setPlainText(lines.join(QLatin1Char('\n')));
    ui->UkOfficeAddrMemo->moveCursor(QTextCursor::Start);
}

// The read-only texts never keep the focus: it moves on to the next control.
void TZorvikAmpIntroductionForm::ZorvikIntroMemoEnter() { focusNextChild(); }

bool TZorvikAmpIntroductionForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) ZorvikIntroMemoEnter();
    return QDialog::eventFilter(watched, event);
}

}  // namespace zorvik
