// Editing a job in its window: every change - an item added, typed into,
// duplicated, moved, removed, its duty kept from the selection window, the
// header - is undone and redone exactly, back to the job as it was opened.

#include <QLineEdit>
#include <QStatusBar>

#include "amplifier_selection_form.h"
#include "job_commands.h"
#include "job_header_panel.h"
#include "job_json.h"
#include "job_window_fixture.h"
#include "tab_list_box.h"

namespace zorvik::testing {
namespace {

// What an edit can change, item by item.
QStringList Snapshot(const JobWindow& w) {
    QStringList items;
    for (const job::JobItem& i : w.Model().Job().items)
        items << QStringLiteral("%1 x%2 %3 %4")
                     .arg(QString::fromStdString(i.tag))
                     .arg(i.quantity)
                     .arg(QString::fromStdString(i.duty.outlet))
                     .arg(i.model.value_or(0));
    return items;
}

TEST_F(JobWindowTest, EveryEditIsUndoneAndRedone) {
    ASSERT_TRUE(window->OpenFile(Saved("pumps.zjob", JobOf({"A", "B", "C"}))));
    // clang-format off
    const struct { const char* edit; std::function<void(JobWindowTest&)> act; QStringList tags; } steps[] = {
        {"add after B",      [](JobWindowTest& t) { t.Select({1}); t.window->AddItem(); },                  {"A", "B", "Item 4", "C"}},
        {"tag typed",        [](JobWindowTest& t) { t.Type(2, JobTableModel::TagColumn, "D"); },           {"A", "B", "D", "C"}},
        {"quantity typed",   [](JobWindowTest& t) { t.Type(0, JobTableModel::QuantityColumn, 7); },        {"A", "B", "D", "C"}},
        {"move D up",        [](JobWindowTest& t) { t.Select({2}); t.window->MoveCurrentItem(-1); },        {"A", "D", "B", "C"}},
        {"move A down",      [](JobWindowTest& t) { t.Select({0}); t.window->MoveCurrentItem(1); },         {"D", "A", "B", "C"}},
        {"duplicate A, C",   [](JobWindowTest& t) { t.Select({1, 3}); t.window->DuplicateItems(); },        {"D", "A", "B", "C", "A (2)", "C (2)"}},
        {"remove D and B",   [](JobWindowTest& t) { t.Select({0, 2}); t.window->RemoveItems(); },           {"A", "C", "A (2)", "C (2)"}},
        {"duty added",       [](JobWindowTest& t) { t.window->AddSelectedDuty({job::Application::Fill, {}, 9}); }, {"A", "C", "A (2)", "C (2)", "Item 5"}},
    };
    // clang-format on
    std::vector<QStringList> states = {Snapshot(*window)};
    for (const auto& step : steps) {
        step.act(*this);
        EXPECT_EQ(Tags(), step.tags) << step.edit;
        EXPECT_TRUE(window->isWindowModified()) << step.edit;
        states.push_back(Snapshot(*window));
    }
    EXPECT_EQ(states[3].front(), "A x7 210 6") << "the quantity typed";
    for (std::size_t i = states.size() - 1; i > 0; --i) {
        window->UndoStack().undo();
        EXPECT_EQ(Snapshot(*window), states[i - 1]) << "undo " << steps[i - 1].edit;
    }
    EXPECT_FALSE(window->isWindowModified()) << "back to the file as opened";
    for (std::size_t i = 1; i < states.size(); ++i) {
        window->UndoStack().redo();
        EXPECT_EQ(Snapshot(*window), states[i]) << "redo " << steps[i - 1].edit;
    }
}

// Cells refuse what an item cannot hold, without a command.
TEST_F(JobWindowTest, CellsRefuseWhatAnItemCannotHold) {
    window->Model().SetJob(JobOf({"A"}));
    JobTableModel& m = window->Model();
    // clang-format off
    const struct { int column; QVariant value; } refused[] = {
        {JobTableModel::TagColumn, "   "},
        {JobTableModel::QuantityColumn, 0},
        {JobTableModel::QuantityColumn, 100000},
        {JobTableModel::QuantityColumn, "two"},
        {JobTableModel::DutyColumn, "drive 1"},
    };
    // clang-format on
    for (const auto& r : refused) EXPECT_FALSE(m.setData(m.index(0, r.column), r.value, Qt::EditRole)) << r.column;
    EXPECT_EQ(window->UndoStack().count(), 0);
}

TEST_F(JobWindowTest, HeaderEditsAreUndone) {
    window->Model().SetJob(JobOf({"A"}));
    QLineEdit* name = window->findChild<JobHeaderPanel*>()->NameEdit();
    name->setText(QStringLiteral("Compressor house"));
    emit name->editingFinished();
    EXPECT_EQ(window->Model().Job().header.name, "Compressor house");
    name->setText(QStringLiteral("Compressor house"));
    emit name->editingFinished();
    EXPECT_EQ(window->UndoStack().count(), 1) << "leaving a field unchanged is no edit";
    window->UndoStack().undo();
    EXPECT_EQ(window->Model().Job().header.name, "Pump station");
    EXPECT_EQ(name->text(), QStringLiteral("Pump station"));
}

// A larger running cost moves every item's figures, and back on undo.
TEST_F(JobWindowTest, CostSettingsMoveEveryItem) {
    window->Model().SetJob(JobOf({"A", "B"}));
    const double before = window->Model().Result(1).flow->annualCost;
    job::JobHeader header = window->Model().Job().header;
    header.cost.pricePerKwh *= 2;
    window->UndoStack().push(new SetHeaderCommand(window->Model(), header, QStringLiteral("cost")));
    EXPECT_DOUBLE_EQ(window->Model().Result(1).flow->annualCost, 2 * before);
    window->UndoStack().undo();
    EXPECT_DOUBLE_EQ(window->Model().Result(1).flow->annualCost, before);
}

// What the Check column says of an item, and why in its tooltip.
TEST_F(JobWindowTest, EachItemIsMarkedByWhatItsFiguresSay) {
    job::Job j = JobOf({"fine", "open", "refused", "short", "changed"});
    j.items[1].model.reset();
    j.items[2].duty.outlet = "-5";
    j.items[3].duty.flow = "500";
    ASSERT_TRUE(window->OpenFile(Saved("marks.zjob", j)));
    // The file as a program of other figures would have saved it.
    job::Job opened = window->Model().Job();
    opened.items[4].savedFigures->numbers["flow_scfm"] *= 1.01;
    WriteFile(Path("marks.zjob"), QByteArray::fromStdString(job::JobFileText(opened)));
    ASSERT_TRUE(window->OpenFile(Path("marks.zjob")));
    // clang-format off
    const struct { ItemMark mark; QString text; QString why; } rows[] = {
        {ItemMark::None,           "",                ""},
        {ItemMark::NoModel,        "No model",        "no model chosen"},
        {ItemMark::DutyRefused,    "Duty not valid",  "outlet: -5 is not valid value"},
        {ItemMark::FailsDuty,      "Fails the duty",  "short"},
        {ItemMark::FiguresChanged, "Figures changed", "flow_scfm: "},
    };
    // clang-format on
    const JobTableModel& m = window->Model();
    for (int row = 0; row < 5; ++row) {
        const auto& r = rows[row];
        EXPECT_EQ(m.Mark(row), r.mark) << row;
        EXPECT_EQ(m.data(m.index(row, JobTableModel::MarkColumn), Qt::DisplayRole).toString(), r.text) << row;
        EXPECT_TRUE(m.data(m.index(row, JobTableModel::MarkColumn), Qt::ToolTipRole).toString().contains(r.why))
            << row << ": " << m.data(m.index(row, JobTableModel::MarkColumn), Qt::ToolTipRole).toString().toStdString();
    }
    EXPECT_TRUE(window->statusBar()->currentMessage().startsWith(QStringLiteral("1 item's figures differ")));
}

class JobDutyEditTest : public JobWindowTest {
public:
    void SetUp() override {
        JobWindowTest::SetUp();
        selection = std::make_unique<TAmplifierSelectionForm>(session, TestNotices());
        window->SetSelectionForm(selection.get());
    }
    void TearDown() override {
        JobWindowTest::TearDown();
        selection.reset();
    }
    // Types an outlet pressure into the selection window, lists, keeps.
    ModalDialog KeepOutlet(const char* outlet) {
        return ModalDialog([outlet](QWidget* dialog) {
            auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("pOutletPsiEdit"));
            edit->setText(QString::fromLatin1(outlet));
            QTest::mouseClick(dialog->findChild<QWidget*>(QStringLiteral("ListSelectionsBitBtn")), Qt::LeftButton);
            QTest::mouseClick(dialog->findChild<QWidget*>(QStringLiteral("JobLinkBitBtn")), Qt::LeftButton);
        });
    }
    std::unique_ptr<TAmplifierSelectionForm> selection;
};

TEST_F(JobDutyEditTest, TheDutyKeptInTheSelectionWindowIsOneCommand) {
    ASSERT_TRUE(window->OpenFile(Saved("pumps.zjob", JobOf({"A", "B"}))));
    Select({1});
    {
        const ModalDialog keep = KeepOutlet("400");
        window->EditDuty();
    }
    const job::JobItem& kept = window->Model().Item(1);
    EXPECT_EQ(kept.duty.outlet, "400");
    ASSERT_TRUE(kept.model.has_value());
    EXPECT_FALSE(kept.savedFigures) << "figures saved for another duty say nothing";
    EXPECT_EQ(window->Model().Mark(1), ItemMark::None);
    EXPECT_EQ(selection->JobLinkButton()->text(), QStringLiteral("&Add to job")) << "back to adding once done";
    window->UndoStack().undo();
    EXPECT_EQ(window->Model().Item(1).duty.outlet, "220");
    EXPECT_TRUE(window->Model().Item(1).savedFigures);
    EXPECT_FALSE(window->isWindowModified());
}

}  // namespace
}  // namespace zorvik::testing
