// The selection window as a job uses it: an item's duty loaded into the
// fields, the typed duty handed back with the chosen row's model by the
// job button, which keeps clear of every other control in both layouts.

#include <QDir>
#include <QPushButton>

#include "selection_duty_link.h"
#include "selection_window_fixture.h"
#include "support/modal_dialog.h"

namespace zorvik::testing {
namespace {

job::ItemDuty Duty(job::UnitSystem units, std::vector<std::string> texts, bool equal, bool air, bool flow) {
    job::ItemDuty d;
    d.units = units;
    d.drive = texts[0], d.air = texts[1], d.inlet = texts[2], d.flow = texts[3];
    d.outlet = texts[4], d.initial = texts[5], d.final = texts[6], d.capacity = texts[7];
    d.inletEqualsDrive = equal, d.ignoreAir = air, d.ignoreFlow = flow;
    return d;
}

TEST(SelectionDutyLinkTest, TextsKeepTheirPointWhateverTheSystemShows) {
    const job::ItemDuty duty =
        Duty(job::UnitSystem::Metric, {"6.9", "2831.7", "5", "56.6", "-5", "abc", "68.9", ""}, false, false, false);
    // clang-format off
    const struct { char separator; QString drive; QString outlet; QString initial; } cases[] = {
        {'.', "6.9", "-5", "abc"},
        {',', "6,9", "-5", "abc"},
    };
    // clang-format on
    for (const auto& c : cases) {
        const EntryTexts texts = FieldTextsOf(duty, c.separator);
        EXPECT_EQ(texts[DriveEntry], c.drive);
        EXPECT_EQ(texts[OutletEntry], c.outlet);
        EXPECT_EQ(texts[StartEntry], c.initial);
        EXPECT_EQ(DutyOfFields(texts, c.separator, duty), duty) << c.separator;
    }
    job::ItemDuty equal = duty;
    equal.inletEqualsDrive = true;
    EXPECT_EQ(FieldTextsOf(equal, '.')[InletEntry], "6.9") << "the inlet field shows the drive pressure";
}

class SelectionJobLinkTest : public SelectionWindowTest {
public:
    // The button, linked to a callback that keeps what it hands over.
    QPushButton* Link(const QString& caption) {
        form->SetJobLink(caption, [this](const SelectedDuty& s) { kept.push_back(s); });
        return form->JobLinkButton();
    }
    std::vector<SelectedDuty> kept;
};

TEST_F(SelectionJobLinkTest, ADutyLoadedIsTheDutyTyped) {
    // clang-format off
    const struct { job::Application application; job::ItemDuty duty; QString unitCaption; } cases[] = {
        {job::Application::Flow, Duty(job::UnitSystem::Imperial, {"90", "150", "80", "3.50", "900", "100", "1000", "1.00"}, false, true, false), "Air Drive psig"},
        {job::Application::Fill, Duty(job::UnitSystem::Metric, {"6.9", "2831.7", "6.9", "56.6", "13.8", "10", "68.9", "28.3"}, true, false, false), "Air Drive barg"},
        {job::Application::Flow, Duty(job::UnitSystem::Metric, {"5.5", "1000", "4", "20", "30", "6.9", "68.9", "28.3"}, false, false, true), "Air Drive barg"},
    };
    // clang-format on
    for (const auto& c : cases) {
        form->LoadDuty(c.application, c.duty);
        EXPECT_EQ(Label("AirDrivePsigLabel"), c.unitCaption);
        EXPECT_EQ(Edit("pSupplyPsiEdit")->isEnabled(), !c.duty.inletEqualsDrive);
        EXPECT_EQ(Edit("OutCapacityFt3Edit")->isVisible(), c.application == job::Application::Fill);
        const SelectedDuty typed = form->TypedDuty();
        EXPECT_EQ(typed.application, c.application);
        EXPECT_EQ(typed.duty, c.duty) << c.duty.drive;
        EXPECT_FALSE(typed.model) << "nothing is listed yet";
    }
}

TEST_F(SelectionJobLinkTest, TheButtonOverlapsNothingInEitherLayout) {
    QPushButton* button = Link(QStringLiteral("&Keep in job"));
    ASSERT_NE(button, nullptr);
    for (const bool fill : {false, true}) {
        if (fill) ChooseFill();
        ASSERT_TRUE(button->isVisible());
        for (QWidget* other : form->findChildren<QWidget*>()) {
            if (other == button || other->parentWidget() != form.get() || !other->isVisible()) continue;
            EXPECT_FALSE(button->geometry().intersects(other->geometry())) << other->objectName().toStdString();
        }
    }
    form->ClearJobLink();
    EXPECT_FALSE(button->isVisible());
}

TEST_F(SelectionJobLinkTest, TheChosenRowsModelGoesWithTheDuty) {
    QPushButton* button = Link(QStringLiteral("&Add to job"));
    ListSelections();
    const int model = ModelOfRow(List()->Rows().front());
    ASSERT_GT(model, 0);
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].model, model);
    EXPECT_EQ(kept[0].duty, job::ItemDuty()) << "the window's defaults are the job's";
    EXPECT_FALSE(form->isVisible());
}

// Keeping a duty with no row listed would drop the item's model: asked.
TEST_F(SelectionJobLinkTest, NoRowChosenIsAskedAbout) {
    const std::string question = "No model is chosen in the list.\rKeep the duty in the job without a model?";
    QPushButton* button = Link(QStringLiteral("&Keep in job"));
    notices.Expect(NoticeKind::Question, question, false);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(kept.empty());
    EXPECT_TRUE(form->isVisible());
    notices.Expect(NoticeKind::Question, question, true);
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_FALSE(kept[0].model);
}

TEST_F(SelectionJobLinkTest, GrabsForReview) {
    const QString folder = qEnvironmentVariable("ZORVIK_GRAB_DIR");
    if (folder.isEmpty()) GTEST_SKIP() << "set ZORVIK_GRAB_DIR to grab the window with its job button";
    Link(QStringLiteral("&Keep in job"));
    ListSelections();
    form->grab().save(QDir(folder).filePath(QStringLiteral("selection_keep_in_job_flow.png")));
    ChooseFill();
    ListSelections();
    form->grab().save(QDir(folder).filePath(QStringLiteral("selection_keep_in_job_fill.png")));
}

}  // namespace
}  // namespace zorvik::testing
