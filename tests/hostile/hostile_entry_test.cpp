// Hostile texts in every entry routine and in every field of both selection
// procedures: each is read as its number or refused with the program's
// message, and nothing that gets through makes a row of infinities.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "numeric_entry.h"
#include "units.h"
#include "support/notice_recorder.h"
#include "hostile_texts.h"
#include "continuous_process.h"
#include "vessel_charging.h"
#include "support/fake_entry_field.h"
#include "selection_fixture.h"

namespace zorvik {
namespace {

using testing::FakeEntryField;
using testing::HostileText;
using testing::HostileTexts;
using testing::NoticeRecorder;
using testing::TestNotices;

std::string Trimmed(std::string text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The message a refused text gets from either routine.
std::string Refusal(const std::string& text) {
    const std::string shown = Trimmed(text);
    return shown.empty() ? "Null is not valid value" : shown + " is not valid value";
}

TEST(HostileEntryTest, TheAdjustDialogsRoutineReadsOrRefusesEachText) {
    for (const HostileText& h : HostileTexts()) {
        NoticeRecorder notices{NoticeRecorder::Permissive};
        // With messages on, an empty text speaks only from the fourth time
        // running; every other refusal speaks at once.
        EmptyEntryCount empties;
        EXPECT_EQ(ParseEntry(h.text, true, empties, TestNotices()), h.value) << h.what;
        EXPECT_EQ(notices.Beeps(), h.value ? 0 : 1) << h.what;
        const bool empty = Trimmed(h.text).empty();
        EXPECT_EQ(notices.Warnings(),
                  h.value || empty ? std::vector<std::string>{} : std::vector<std::string>{Refusal(h.text)})
            << h.what;
    }
}

TEST(HostileEntryTest, TheSelectionWindowsRoutineReadsOrRefusesEachTextInBothUnits) {
    struct Mode {
        bool metric;
        int kind;
        double factor;
    };
    const Mode modes[] = {{false, PressureEntry, 1},
                          {false, FlowEntry, 1},
                          {true, PressureEntry, units::PsiPerBar},
                          {true, FlowEntry, 1 / units::LitresPerCubicFoot}};
    for (const Mode& m : modes) {
        for (const HostileText& h : HostileTexts()) {
            NoticeRecorder notices{NoticeRecorder::Permissive};
            FakeEntryField field(h.text);
            const std::optional<double> value = ReadEntryField(field, m.kind, m.metric, TestNotices());
            const double expected = h.value.value_or(0) * m.factor;
            const bool valid = h.value.has_value();
            const std::string where =
                std::string(h.what) + (m.metric ? ", metric" : "") + ", kind " + std::to_string(m.kind);
            EXPECT_EQ(value.has_value(), valid) << where;
            EXPECT_DOUBLE_EQ(value.value_or(0), valid ? expected : 0) << where;
            EXPECT_EQ(notices.Warnings(),
                      valid ? std::vector<std::string>{} : std::vector<std::string>{Refusal(h.text)})
                << where;
            EXPECT_EQ(field.FocusRequests(), valid ? 0 : 1) << where;
            EXPECT_EQ(field.Text(), h.text) << where;
        }
    }
}

class HostileSelectionTest : public testing::SelectionTest {
protected:
    // Runs the procedure with one field holding the text and checks the
    // outcome: the field's refusal, or a complete or stopped run whose rows
    // hold only finite, non-negative figures.
    void RunWith(FakeEntryField& field, const char* fieldName, const HostileText& h,
                 SelectionResult (*select)(Session&, const SelectionControls&)) {
        const std::string defaultText = field.Text();
        field.SetText(h.text);
        session = Session{};
        NoticeRecorder notices{NoticeRecorder::Permissive};
        const SelectionResult result = select(session, controls);
        const std::string where = std::string(fieldName) + " = " + h.what;
        if (!h.value) {
            EXPECT_EQ(result.stop, SelectionStop::EntryInvalid) << where;
            EXPECT_EQ(notices.Warnings(), std::vector<std::string>{Refusal(h.text)}) << where;
        } else {
            EXPECT_TRUE(notices.Warnings().empty()) << where;
            EXPECT_LE(notices.Errors().size(), 1u) << where;
        }
        for (const SelectionRow& row : result.rows) {
            for (const double figure : {row.cyclesPerMin, row.air, row.flowOrTime})
                EXPECT_TRUE(std::isfinite(figure) && figure >= 0) << where << ": " << row.text;
            EXPECT_EQ(row.text.find("INF"), std::string::npos) << where << ": " << row.text;
            EXPECT_EQ(row.text.find("NAN"), std::string::npos) << where << ": " << row.text;
        }
        if (!result.rows.empty()) ++listed;
        field.SetText(defaultText);
    }

    int listed = 0;  // runs that listed models: the table does reach the model loop
};

TEST_F(HostileSelectionTest, EveryFieldOfTheFlowApplication) {
    const std::pair<FakeEntryField*, const char*> fields[] = {
        {&drive, "drive"}, {&air, "air"}, {&inlet, "inlet"}, {&outlet, "outlet"}, {&flow, "flow"}};
    for (const auto& [field, name] : fields)
        for (const HostileText& h : HostileTexts()) RunWith(*field, name, h, ContinuousProcessSelection);
    EXPECT_GT(listed, 0);
}

TEST_F(HostileSelectionTest, EveryFieldOfTheFillApplication) {
    const std::pair<FakeEntryField*, const char*> fields[] = {{&drive, "drive"}, {&air, "air"},
                                                              {&inlet, "inlet"}, {&start, "initial"},
                                                              {&final, "final"}, {&capacity, "capacity"}};
    for (const auto& [field, name] : fields)
        for (const HostileText& h : HostileTexts()) RunWith(*field, name, h, VesselChargingSelection);
    EXPECT_GT(listed, 0);
}

}  // namespace
}  // namespace zorvik
