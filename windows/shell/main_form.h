#pragma once
// The main window: the menu from which every other window is opened
// modally, the rotating product display, the idle supervision that starts
// the screen program after three minutes without input, and the choice of
// the program's language.

#include <QTimer>
#include <QWidget>
#include <memory>

#include "notices.h"
#include "saver_message.h"
#include "session.h"

class QDialog;
class QPushButton;

namespace Ui {
class TZorvAmpMainForm;
}

namespace zorvik {

struct AppWindows;
class JobWindow;
class NamedSystemMessage;
class ProgramLanguage;

class TZorvAmpMainForm : public QWidget {
    Q_OBJECT
public:
    TZorvAmpMainForm(Session& session, Notices& notices, QWidget* parent = nullptr);
    ~TZorvAmpMainForm() override;

    // The windows the menu buttons open; they are created after this one.
    void SetMenuWindows(AppWindows* windows);

    // The language the Language button switches (and remembers for the
    // next start); the button shows only once it has one.
    void SetProgramLanguage(ProgramLanguage* language);
    // Switches to `code` as a choice from the Language button does.
    void ChooseLanguage(const QString& code);
    QPushButton* LanguageButton() const { return languageButton_; }

    // Display state.
    bool ProductDisplayActive = true;  // false while a menu window is open
    int PageIndex = 0;                 // product page shown last, 0..5
    int IdleTicks = 0;                 // display-timer ticks since the last input
    QTimer ProductDisplayTimer;

    // Handlers, public so that tests drive them as the events would.
    void FormShow();
    void ProductDisplayTimerTimer();
    void FrontCoverImageClick();
    void closeBitBtnClick();
    void ApplicationActivate();
    void ApplicationDeactivate();
    void SaverClosedMessageReceived();

    void DrawProductPage(int n);
    void StartScreenProgram();

    Ui::TZorvAmpMainForm& Controls() { return *ui; }

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void BuildLanguageButton();
    void FitTitle();
    void ShowLanguageChecks();
    void SetTimerInterval(int ms);
    void ShowMenuWindow(QDialog* window);
    void AddJobsButton(JobWindow& jobs);

    Session& session_;
    Notices& notices_;
    std::unique_ptr<Ui::TZorvAmpMainForm> ui;
    NamedSystemMessage* SaverClosedMessage = nullptr;
    bool loadingErrorShown_ = false;
    ProgramLanguage* language_ = nullptr;
    QPushButton* languageButton_ = nullptr;
};

}  // namespace zorvik
