#pragma once
// The selection window without a window: a session of its own, eight fake
// fields holding the window's default texts, a counting searching notice
// and a measure of ten pixels a character, so a padded cell is five
// characters wide. Its notices go to the recorder in force.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "selection_controls.h"
#include "selection_result.h"
#include "session.h"
#include "support/fake_entry_field.h"
#include "support/notice_recorder.h"

namespace zorvik::testing {

class CountingNotice final : public SearchingNotice {
public:
    void Show() override { ++shown; }
    int shown = 0;
};

// The model numbers of a search's rows, in their order.
inline std::vector<int> Models(const SelectionResult& result) {
    std::vector<int> models;
    for (const SelectionRow& r : result.rows) models.push_back(r.pumpNo);
    return models;
}

// The row of a model, or null when the search did not list it.
inline const SelectionRow* RowOf(const SelectionResult& result, int model) {
    for (const SelectionRow& r : result.rows)
        if (r.pumpNo == model) return &r;
    return nullptr;
}

inline int TenPixelsACharacter(const std::string& text) { return static_cast<int>(text.size()) * 10; }

// What one selection window hands a run. The controls point into it, so it
// stays where it was made.
struct FakeSelectionWindow {
    FakeSelectionWindow() {
        controls.fields = {&drive, &air, &inlet, &flow, &outlet, &start, &final, &capacity};
        controls.searchingMemo = &searching;
        controls.textWidth = TenPixelsACharacter;
        controls.notices = &TestNotices();
    }
    FakeSelectionWindow(const FakeSelectionWindow&) = delete;
    FakeSelectionWindow& operator=(const FakeSelectionWindow&) = delete;

    Session session;
    FakeEntryField drive{"100"};
    FakeEntryField air{"100"};
    FakeEntryField inlet{"100"};
    FakeEntryField flow{"2.00"};
    FakeEntryField outlet{"200"};
    FakeEntryField start{"100"};
    FakeEntryField final{"1000"};
    FakeEntryField capacity{"1.00"};
    CountingNotice searching;
    SelectionControls controls;
};

class SelectionTest : public ::testing::Test, public FakeSelectionWindow {};

}  // namespace zorvik::testing
