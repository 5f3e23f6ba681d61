// The selection window with hostile text pasted into each of its fields
// (pasting passes the key filter by): the list command reads it or refuses
// it with the field's message, the unit switch converts it or keeps it with
// its own message, and no row ever shows an infinity.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "tab_list_box.h"
#include "support/notice_recorder.h"
#include "hostile_texts.h"
#include "amplifier_selection_form.h"
#include "display_numbers.h"
#include "entry_units.h"
#include "session.h"

namespace zorvik {
namespace {

using testing::HostileText;
using testing::HostileTexts;
using testing::NoticeRecorder;

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

struct Field {
    const char* name;
    bool fillLayout;
    EntryKind kind;
};

// clang-format off
const Field kFields[] = {
    {"pAirDrivePsiEdit", false, PressureEntry}, {"qAirScfmEdit", false, FlowEntry},
    {"pSupplyPsiEdit", false, PressureEntry},   {"FlowrateReqdScfmEdit", false, FlowEntry},
    {"pOutletPsiEdit", false, PressureEntry},   {"OutStartPsiEdit", true, PressureEntry},
    {"OutFinalPsiEdit", true, PressureEntry},   {"OutCapacityFt3Edit", true, FlowEntry},
};
// clang-format on

class HostileSelectionWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TAmplifierSelectionForm>(session, testing::TestNotices());
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    QLineEdit* Edit(const char* name) { return form->findChild<QLineEdit*>(QString::fromLatin1(name)); }
    void Click(const char* name) {
        QTest::mouseClick(form->findChild<QWidget*>(QString::fromLatin1(name)), Qt::LeftButton);
    }
    QStringList Rows() { return form->findChild<TTabListBox*>(QStringLiteral("SelectionTabListBox"))->Rows(); }

    NoticeRecorder notices{NoticeRecorder::Permissive};
    Session session;
    std::unique_ptr<TAmplifierSelectionForm> form;
};

TEST_F(HostileSelectionWindowTest, TheListCommandReadsOrRefusesEveryField) {
    for (const Field& f : kFields) {
        Click(f.fillLayout ? "systemBImage" : "systemAImage");
        QLineEdit* edit = Edit(f.name);
        const QString defaultText = edit->text();
        for (const HostileText& h : HostileTexts()) {
            const std::string where = std::string(f.name) + " = " + h.what;
            edit->setText(QString::fromStdString(h.text));
            notices.Clear();
            Click("ListSelectionsBitBtn");
            const std::string shown = Trimmed(edit->text().toStdString());
            if (!h.ValueOnDesktop(SystemDecimalSeparator())) {
                EXPECT_EQ(notices.Warnings(), std::vector<std::string>{shown.empty() ? "Null is not valid value"
                                                                                     : shown + " is not valid value"})
                    << where;
                EXPECT_TRUE(Rows().isEmpty()) << where;
                EXPECT_TRUE(edit->hasFocus()) << where;
            } else {
                EXPECT_TRUE(notices.Warnings().empty()) << where;
                EXPECT_LE(notices.Errors().size(), 1u) << where;
            }
            for (const QString& row : Rows())
                EXPECT_FALSE(row.contains(QLatin1String("INF")) || row.contains(QLatin1String("NAN")))
                    << where << ": " << row.toStdString();
        }
        edit->setText(defaultText);
    }
}

// A text the switch cannot convert stays as it is, with the switch's own
// message; the other fields still convert and the way back restores them.
TEST_F(HostileSelectionWindowTest, TheUnitSwitchConvertsOrKeepsEveryField) {
    for (const Field& f : kFields) {
        Click(f.fillLayout ? "systemBImage" : "systemAImage");
        QLineEdit* edit = Edit(f.name);
        const QString defaultText = edit->text();
        for (const HostileText& h : HostileTexts()) {
            const std::string where = std::string(f.name) + " = " + h.what;
            edit->setText(QString::fromStdString(h.text));
            const QString typed = edit->text();
            const char point = SystemDecimalSeparator();
            const auto converted = ConvertedEntryText(EntryNumberText(typed.toStdString(), point), f.kind, true, point);
            notices.Clear();
            Click("metricImperialUnitsBitBtn");
            if (converted) {
                EXPECT_TRUE(notices.Errors().empty()) << where;
                EXPECT_EQ(edit->text().toStdString(), *converted) << where;
            } else {
                EXPECT_EQ(notices.Errors(), std::vector<std::string>{typed.toStdString() + " is not a valid value!"})
                    << where;
                EXPECT_EQ(notices.Beeps(), 1) << where;
                EXPECT_EQ(edit->text(), typed) << where;
            }
            EXPECT_FALSE(edit->text().contains(QLatin1String("INF"))) << where;
            Click("metricImperialUnitsBitBtn");
            EXPECT_EQ(Edit("pAirDrivePsiEdit")->text(),
                      f.name == std::string("pAirDrivePsiEdit") ? edit->text() : QStringLiteral("100"))
                << where;
        }
        edit->setText(defaultText);
    }
}

}  // namespace
}  // namespace zorvik
