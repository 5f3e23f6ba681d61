// The adjust dialog with hostile text pasted into its two fields, in psig
// and in barg: typing reports text that is no number, leaving the field
// brings the pressure back within the model's limits, and "&New Graph"
// hands the chart only pressures it can draw.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "number_text.h"
#include "units.h"
#include "adjust_air_drive_form.h"
#include "chart_view.h"
#include "session.h"
#include "support/notice_recorder.h"
#include "hostile_texts.h"

namespace zorvik {
namespace {

using testing::HostileText;
using testing::HostileTexts;
using testing::NoticeRecorder;

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// Every message the dialog may show for a pasted text: the entry routine's
// refusal, the conversion's on leaving, and the four limits.
bool IsTheDialogsMessage(const std::string& text) {
    for (const char* limit :
         {"Air drive pressure is too low!", "Air drive pressure is too high!", "Gas inlet pressure is too low!",
          "Gas inlet pressure is too high!", "Null is not valid value"})
        if (text == limit) return true;
    return EndsWith(text, " is not valid value") || EndsWith(text, "' is not a valid floating point value");
}

class HostileAdjustDialogTest : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale::c()); }

    // A new dialog on a new session, opened on the model's chart at 90 psig
    // drive and its reference inlet: no row inherits another's count of
    // empty entries.
    void Open(int model, bool bar) {
        dialog.reset();
        session = Session();
        dialog = std::make_unique<TAdjustAirDriveForm>(session, testing::TestNotices());
        ChartView chart;
        chart.model = model;
        chart.drivePsi = 90;
        chart.inletPsi = chart.Pump().GraphInletPsi;
        chart.bar = bar;
        dialog->ChartShown = chart;
        dialog->AdjustShowsBar = bar;
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }
    QLineEdit* Edit(const char* name) { return dialog->findChild<QLineEdit*>(QString::fromLatin1(name)); }

    // Pastes the text over the field's as a user would, then leaves it.
    void PasteAndLeave(QLineEdit* edit, const std::string& text) {
        edit->setFocus(Qt::MouseFocusReason);
        edit->selectAll();
        QApplication::clipboard()->setText(QString::fromStdString(text));
        edit->paste();
        QTest::keyClick(edit, Qt::Key_Tab);
        QApplication::processEvents();
    }

    NoticeRecorder notices{NoticeRecorder::Permissive};
    Session session;
    std::unique_ptr<TAdjustAirDriveForm> dialog;
};

TEST_F(HostileAdjustDialogTest, EveryFieldInBothUnitsEndsWithinTheLimits) {
    struct Field {
        const char* name;
        bool drive;
    };
    for (const bool bar : {false, true}) {
        for (const Field f : {Field{"AdjustAirDrivePsiEdit", true}, Field{"AdjustInletPsiEdit", false}}) {
            for (const HostileText& h : HostileTexts()) {
                const std::string where = std::string(f.name) + (bar ? " barg = " : " psig = ") + h.what;
                Open(6, bar);
                notices.Clear();
                QLineEdit* edit = Edit(f.name);
                PasteAndLeave(edit, h.text);
                std::vector<std::string> shown = notices.Warnings();
                const std::vector<std::string> errors = notices.Errors();
                shown.insert(shown.end(), errors.begin(), errors.end());
                for (const std::string& message : shown)
                    EXPECT_TRUE(IsTheDialogsMessage(message)) << where << ": " << message.substr(0, 80);

                const TPumpRecord& pump = CatalogueRow(6);
                const double low = f.drive ? dialog->MinAirDrivePsi : pump.MinInletPsi;
                const double high = f.drive ? pump.MaxAirDrivePsi : pump.MaxInletPsi;
                const double pressure = f.drive ? dialog->NewAirDrivePsi : dialog->NewInletPsi;
                EXPECT_TRUE(std::isfinite(pressure) && pressure >= low && pressure <= high)
                    << where << ": " << pressure;
                // The field shows a number again, the pressure in its unit.
                std::string number = edit->text().toStdString();
                TrimLeadingBlanks(number);
                TrimTrailingBlanks(number);
                const auto read = ParseNumber(number);
                ASSERT_TRUE(read.has_value()) << where << ": the field shows " << number;
                EXPECT_NEAR(*read * (bar ? units::PsiPerBar : 1), pressure, bar ? 0.05 * units::PsiPerBar : 0.5)
                    << where;

                QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("newGraphBitBtn")), Qt::LeftButton);
                EXPECT_EQ(dialog->result(), TAdjustAirDriveForm::NewGraphResult) << where;
                EXPECT_TRUE(session.GraphAirDrivePsi >= dialog->MinAirDrivePsi &&
                            session.GraphAirDrivePsi <= pump.MaxAirDrivePsi)
                    << where;
                const double inlet = session.GraphInletScale * pump.GraphInletPsi;
                EXPECT_TRUE(std::isfinite(inlet) && inlet >= pump.MinInletPsi && inlet <= pump.MaxInletPsi) << where;
                dialog->close();
            }
        }
    }
}

}  // namespace
}  // namespace zorvik
