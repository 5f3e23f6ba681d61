#pragma once
// The graph window with its two dialogs on a session of their own, shown
// offscreen, and the ways a test works it: clicking rows and buttons, and
// drawing the pictures the window should show.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

#include "chart_pictures.h"
#include "chart_view.h"
#include "performance_chart.h"
#include "dimension_drawings.h"
#include "tab_list_box.h"
#include "adjust_air_drive_form.h"
#include "graph_form.h"
#include "model_data_form.h"
#include "session.h"
#include "support/notice_recorder.h"

namespace zorvik::testing {

// Every caption and text on show fits its control: nothing is clipped.
inline void ExpectEveryTextFits(const QWidget& window) {
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->isVisible() || label->text().isEmpty()) continue;
        const int room = label->contentsRect().width();
        if (label->wordWrap()) {
            EXPECT_LE(label->heightForWidth(label->width()), label->height()) << label->objectName().toStdString();
        } else {
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), room) << label->objectName().toStdString();
        }
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (!button->isVisible() || button->text().isEmpty()) continue;
        const QString caption = QString(button->text())
                                    .replace(QStringLiteral("&&"), QStringLiteral("&"))
                                    .remove(QRegularExpression(QStringLiteral("&(?=[^&])")));
        const int indicator = qobject_cast<const QRadioButton*>(button) != nullptr ? 20 : 12;
        const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
        EXPECT_LE(button->fontMetrics().horizontalAdvance(caption) + icon + indicator, button->width())
            << button->objectName().toStdString() << " " << caption.toStdString();
    }
}

class GraphWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale::c());
        form.SetSubWindows(&adjust, &modelData);
    }
    void TearDown() override { form.close(); }

    void Open() {
        form.show();
        QApplication::processEvents();
    }

    template <class T = QWidget>
    T* Control(const char* name) {
        T* control = form.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    QPushButton* Button(const char* name) { return Control<QPushButton>(name); }
    TTabListBox* Models() { return Control<TTabListBox>("TabListBox1"); }
    TTabListBox* Options() { return Control<TTabListBox>("TabListBox2"); }

    static void ClickRow(TTabListBox* list, int row) {
        ASSERT_LT(row, list->count());
        list->scrollToItem(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }
    void ChooseModel(int model) { ClickRow(Models(), model - 1); }
    static void Press(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    QImage Shown() { return form.PerformanceGraphImage(); }

    // The current model's drawing: in inches only while the mode says so.
    QImage ModelDrawing() const { return ModelDrawing(session.DisplayMode != DisplayDrawingInches); }
    QImage ModelDrawing(bool mm) const {
        const int model = session.CurrentPump.PumpNo;
        return DrawnPicture([model, mm](Canvas& c) { DrawModelDrawing(c, model, mm); });
    }
    QImage OptionDrawing(int index, const char* part, bool mm) const {
        const DrawingView view{session.CurrentPump.PumpNo, mm, index, QString::fromLatin1(part)};
        return DrawnPicture([&view](Canvas& c) { DrawDrawing(c, view); });
    }
    // The current model's chart at the session's graph settings and units.
    QImage Chart() const {
        const ChartView view = PrepareGraphChart(session.CurrentPump.PumpNo, session.GraphAirDrivePsi,
                                                 session.GraphInletScale, session.DisplayMode == DisplayChartBar)
                                   .view;
        return DrawnPicture([&view](Canvas& c) { DrawChart(c, view); });
    }

    Session session;
    TAdjustAirDriveForm adjust{session, TestNotices()};
    TmodelDataForm modelData{session};
    TzampGraph1Form form{session, TestNotices()};
};

}  // namespace zorvik::testing
