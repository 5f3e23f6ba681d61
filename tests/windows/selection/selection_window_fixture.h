#pragma once
// The real selection window, offscreen, on a session of its own in the
// start-up state and with a notices recorder: every message it shows must be
// expected by the test.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <memory>
#include <vector>

#include "tab_list_box.h"
#include "amplifier_selection_form.h"
#include "session.h"
#include "support/notice_recorder.h"

namespace zorvik::testing {

inline const char* const kFieldNames[] = {"pAirDrivePsiEdit",     "qAirScfmEdit",      "pSupplyPsiEdit",
                                          "FlowrateReqdScfmEdit", "pOutletPsiEdit",    "OutStartPsiEdit",
                                          "OutFinalPsiEdit",      "OutCapacityFt3Edit"};

// The model number a result row ends with (its last cell, past the list's
// right edge), or 0 when it ends otherwise.
inline int ModelOfRow(const QString& row) {
    const int model = row.split(QLatin1Char('\t')).last().trimmed().toInt();
    return model >= 1 && model <= PumpCount ? model : 0;
}

class SelectionWindowTest : public ::testing::Test {
public:
    void SetUp() override { Reopen(); }

    // A new window with the start-up state, shown and active.
    void Reopen() {
        form.reset();
        session = Session();
        form = std::make_unique<TAmplifierSelectionForm>(session, TestNotices());
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    template <class T>
    T* Find(const char* name) {
        T* widget = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLineEdit* Edit(const char* name) { return Find<QLineEdit>(name); }
    QString Text(const char* name) { return Edit(name)->text(); }
    QString Label(const char* name) { return Find<QLabel>(name)->text(); }
    TTabListBox* List() { return Find<TTabListBox>("SelectionTabListBox"); }
    void Click(const char* name) { QTest::mouseClick(Find<QWidget>(name), Qt::LeftButton); }
    void ClickBox(const char* name) {
        QCheckBox* box = Find<QCheckBox>(name);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    }
    void Retype(const char* name, const char* text) {
        QLineEdit* edit = Edit(name);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, QString::fromLatin1(text));
    }
    void ListSelections() { Click("ListSelectionsBitBtn"); }
    void ChooseFill() { Click("systemBImage"); }
    QStringList Visible(const std::vector<const char*>& names) {
        QStringList shown;
        for (const char* n : names)
            if (Find<QWidget>(n)->isVisible()) shown << QString::fromLatin1(n);
        return shown;
    }
    QStringList VisibleFields() { return Visible({std::begin(kFieldNames), std::end(kFieldNames)}); }

    NoticeRecorder notices;
    Session session;
    std::unique_ptr<TAmplifierSelectionForm> form;
};

}  // namespace zorvik::testing
