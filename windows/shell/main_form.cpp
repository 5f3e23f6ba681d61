#include "main_form.h"

#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include "build_info.h"
#include "offices_file.h"
#include "canvas.h"
#include "process_start.h"
#include "program_folder.h"
#include "program_language.h"
#include "screen_placement.h"
#include "system_message.h"
#include "app_windows.h"
#include "info_window_support.h"
#include "office_files.h"
#include "product_images_form.h"
#include "product_pages.h"
#include "ui_main_form.h"

namespace zorvik {
namespace {

constexpr int kPageInterval = 10000;  // ms per product page
constexpr int kFirstTickInterval = 10;
constexpr int kClickInterval = 5;
constexpr int kIdleTicksBeforeScreenProgram = 18;  // three minutes of pages
// The menu has no room below its last button; the job window's button sits
// left of Close, clear of the credit lines.
const QRect kJobsButtonPlace(612, 460, 54, 29);

#ifdef Q_OS_WIN
constexpr const char* kScreenProgram = "ZorvikScreen03.exe";
#else
constexpr const char* kScreenProgram = "ZorvikScreen03";
#endif

constexpr int kTitlePixels = 21;
constexpr int kSmallestTitlePixels = 16;

// The Language button stands in the free corner above the product display.
const QRect kLanguageButtonPlace(12, 12, 130, 29);

// Drawn under the version line on the cover.
constexpr const char* kCreditLines[] = {
    QT_TRANSLATE_NOOP("TZorvAmpMainForm", "Air amplifier selection and sizing program"),
    QT_TRANSLATE_NOOP("TZorvAmpMainForm", "Performance data: Zorvik Engineering"),
    QT_TRANSLATE_NOOP("TZorvAmpMainForm", "(c) Zorvik Pneumatics Ltd."),
    QT_TRANSLATE_NOOP("TZorvAmpMainForm", "All rights reserved."),
};

QString CoverText(const char* text) { return QCoreApplication::translate("TZorvAmpMainForm", text); }

// The cover under the menu: its artwork, a product picture and the version
// and credit lines, drawn afresh at the screen's pixel ratio.
void DrawCover(Canvas& canvas) {
    canvas.DrawArtwork(0, 0, {canvas.Width(), canvas.Height()}, QStringLiteral("front_cover"));
    TzampImagesForm::DrawPicture(canvas, 34, 236, TzampImagesForm::CRBSingleStageImage);
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.SetFont(QStringLiteral("Arial"), 8);
    canvas.TextOut(10, 434,
                   CoverText(QT_TRANSLATE_NOOP("TZorvAmpMainForm", "Version %1")).arg(QStringLiteral(ZORVIK_VERSION)));
    int y = 445;
    for (const char* line : kCreditLines) {
        canvas.TextOut(10, y, CoverText(line));
        y += 11;
    }
}

}  // namespace

TZorvAmpMainForm::TZorvAmpMainForm(Session& session, Notices& notices, QWidget* parent)
    : QWidget(parent), session_(session), notices_(notices), ui(std::make_unique<Ui::TZorvAmpMainForm>()) {
    ui->setupUi(this);
    FormCreate();
}

TZorvAmpMainForm::~TZorvAmpMainForm() { qApp->removeEventFilter(this); }

void TZorvAmpMainForm::FormCreate() {
    SaverClosedMessage = new NamedSystemMessage(QString::fromLatin1(SaverClosedMessageName), this);
    connect(SaverClosedMessage, &NamedSystemMessage::received, this, &TZorvAmpMainForm::SaverClosedMessageReceived);
    qApp->installEventFilter(this);
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            ApplicationActivate();
        else
            ApplicationDeactivate();
    });

    LoadOfficesFile(session_, notices_);

    // The cover's lettering lets clicks through to the cover beneath.
    for (QWidget* overlay :
         {static_cast<QWidget*>(ui->Image2), static_cast<QWidget*>(ui->Label1), static_cast<QWidget*>(ui->Label2)})
        overlay->setAttribute(Qt::WA_TransparentForMouseEvents);
    FitTitle();
    ui->FrontCoverImage->Show(DrawCover);
    BuildLanguageButton();

    ProductDisplayTimer.setInterval(kPageInterval);
    connect(&ProductDisplayTimer, &QTimer::timeout, this, &TZorvAmpMainForm::ProductDisplayTimerTimer);
    connect(ui->FrontCoverImage, &PictureBox::clicked, this, &TZorvAmpMainForm::FrontCoverImageClick);
    connect(ui->closeBitBtn, &QPushButton::clicked, this, &TZorvAmpMainForm::closeBitBtnClick);
    ui->ZorvikIntroBitBtn->setFocus();
}

void TZorvAmpMainForm::SetMenuWindows(AppWindows* windows) {
    const std::pair<QPushButton*, QDialog*> menu[] = {
        {ui->ZorvikIntroBitBtn, windows->ZorvikAmpIntroductionForm.get()},
        {ui->ApplicationsBitBtn, windows->ZampApplicationsForm.get()},
        {ui->GeneralDescriptionBitBtn, windows->ZampGeneralDescriptionForm.get()},
        {ui->GuidelinesBitBtn, windows->ZampOperationalGuideForm.get()},
        {ui->ModelSelectionChartBitBtn, windows->ZampModelSelectionChartForm.get()},
        {ui->SelectionBitBtn, windows->AmplifierSelectionForm.get()},
        {ui->DimensionsBitBtn, windows->zampGraph1Form.get()},
    };
    for (const auto& [button, window] : menu)
        connect(button, &QPushButton::clicked, this, [this, window = window] { ShowMenuWindow(window); });
    AddJobsButton(*windows->Jobs);
}

// The job window is not modal: it stays open beside this one.
void TZorvAmpMainForm::AddJobsButton(JobWindow& jobs) {
    auto* button = new QPushButton(tr("&Jobs"), this);
    button->setObjectName(QStringLiteral("JobsBitBtn"));
    button->setGeometry(kJobsButtonPlace);
    button->setToolTip(tr("A customer's duties, kept in a job file and sent as one submittal"));
    button->show();
    // Tabbing follows the page: after the menu, before Close.
    setTabOrder(ui->DimensionsBitBtn, button);
    setTabOrder(button, ui->closeBitBtn);
    connect(button, &QPushButton::clicked, this, [&jobs] {
        jobs.show();
        jobs.raise();
        jobs.activateWindow();
    });
}

void TZorvAmpMainForm::BuildLanguageButton() {
    languageButton_ = new QPushButton(this);
    languageButton_->setObjectName(QStringLiteral("languageButton"));
    languageButton_->setGeometry(kLanguageButtonPlace);
    auto* menu = new QMenu(languageButton_);
    auto* group = new QActionGroup(menu);
    // Each language is named in its own words, so it is found whatever the
    // language shown.
    for (const LanguageEntry& entry : ProgramLanguages) {
        QAction* action = menu->addAction(QString::fromUtf8(entry.name));
        action->setCheckable(true);
        action->setData(QString::fromLatin1(entry.code));
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, action] { ChooseLanguage(action->data().toString()); });
    }
    languageButton_->setMenu(menu);
    languageButton_->setText(tr("&Language"));
    languageButton_->hide();
    setTabOrder(languageButton_, ui->ZorvikIntroBitBtn);
}

void TZorvAmpMainForm::SetProgramLanguage(ProgramLanguage* language) {
    language_ = language;
    languageButton_->setVisible(language_ != nullptr);
    ShowLanguageChecks();
}

void TZorvAmpMainForm::ShowLanguageChecks() {
    const QString code = language_ != nullptr ? language_->Code() : QStringLiteral("en");
    for (QAction* action : languageButton_->menu()->actions()) action->setChecked(action->data().toString() == code);
}

// The other windows follow through their own LanguageChange.
void TZorvAmpMainForm::ChooseLanguage(const QString& code) {
    if (language_ == nullptr || !language_->Use(code)) return;
    RememberLanguage(code);
    ShowLanguageChecks();
}

// The cover and the product page draw themselves again (PictureBox).
void TZorvAmpMainForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange) return;
    ui->retranslateUi(this);
    languageButton_->setText(tr("&Language"));
    FitTitle();
}

// The two lines of the title share one size, made smaller only where a
// language's words would run past the banner.
void TZorvAmpMainForm::FitTitle() {
    QFont font = ui->Label1->font();
    int pixels = kTitlePixels;
    const auto fits = [&] {
        for (const QLabel* label : {ui->Label1, ui->Label2})
            if (QFontMetrics(font).horizontalAdvance(label->text()) > label->contentsRect().width()) return false;
        return true;
    };
    font.setPixelSize(pixels);
    while (!fits() && pixels > kSmallestTitlePixels) font.setPixelSize(--pixels);
    for (QLabel* label : {ui->Label1, ui->Label2}) label->setFont(font);
}

void TZorvAmpMainForm::ShowMenuWindow(QDialog* window) {
    ProductDisplayActive = false;
    window->exec();
    ProductDisplayActive = true;
}

void TZorvAmpMainForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TZorvAmpMainForm::FormShow() {
    CentreOnScreen(*this);
    // Rendered for the screen the window shows on.
    ShowArtwork(ui->Image2, QStringLiteral("cover_emblem"));
    ProductDisplayActive = true;
    DrawProductPage(0);
    SetTimerInterval(kFirstTickInterval);
    ReadOfficeIndexFile(session_);
    update();
}

void TZorvAmpMainForm::ProductDisplayTimerTimer() {
    PageIndex = (PageIndex + 1) % ProductPageCount;
    DrawProductPage(PageIndex);
    SetTimerInterval(kPageInterval);
    if (++IdleTicks >= kIdleTicksBeforeScreenProgram) {
        IdleTicks = 0;
        StartScreenProgram();
    }
}

void TZorvAmpMainForm::FrontCoverImageClick() { SetTimerInterval(kClickInterval); }

void TZorvAmpMainForm::DrawProductPage(int n) {
    if (!ProductDisplayActive) return;
    const ProductPage& page = ProductPages[n];
    ui->ProductDisplayImage->Show([&page](Canvas& canvas) { zorvik::DrawProductPage(canvas, page); });
    ui->ProductDisplayImage->setAccessibleDescription(ProductPageText(page));
}

// Typing a character or moving the mouse anywhere in the program, also in a
// modal window, is activity; other keys (arrows, shift) are not.
bool TZorvAmpMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove ||
        (event->type() == QEvent::KeyPress && !static_cast<QKeyEvent*>(event)->text().isEmpty()))
        IdleTicks = 0;
    return QWidget::eventFilter(watched, event);
}

void TZorvAmpMainForm::ApplicationDeactivate() { SetTimerInterval(0); }

// The first activation comes right after the window is shown; it must not
// hold back the quick first page change, so a running timer keeps its pace.
void TZorvAmpMainForm::ApplicationActivate() {
    if (!ProductDisplayTimer.isActive()) SetTimerInterval(kPageInterval);
    IdleTicks = 0;
}

void TZorvAmpMainForm::SaverClosedMessageReceived() { IdleTicks = 0; }

// The pages keep turning under the modal "loading error." box, and its loop
// delivers their ticks: a user who is away must find one box, not one per
// three minutes stacked on top of each other.
void TZorvAmpMainForm::StartScreenProgram() {
    if (loadingErrorShown_) return;
    const QString path = HelperProgramFile(QString::fromLatin1(kScreenProgram));
    if (StartProgram(path)) return;
    loadingErrorShown_ = true;
    notices_.CancelWarning(tr("Loading %1\rloading error.").arg(QDir::toNativeSeparators(path)).toStdString());
    loadingErrorShown_ = false;
}

// An interval of 0 stops the timer; any other restarts it with that period.
void TZorvAmpMainForm::SetTimerInterval(int ms) {
    if (ms == 0)
        ProductDisplayTimer.stop();
    else
        ProductDisplayTimer.start(ms);
}

// A folder that cannot be written (a program installed read-only, a full
// disk) must not lose the user's choice without a word; the program still
// closes, and the previous file stays whole.
void TZorvAmpMainForm::closeBitBtnClick() {
    if (!SaveOfficeIndexFile(session_))
        notices_.Warning(tr("The chosen office could not be saved in\r%1\rIt will not be remembered at the next start.")
                             .arg(QDir::toNativeSeparators(OfficeIndexSavePath()))
                             .toStdString());
    close();
}

}  // namespace zorvik
