#pragma once
// Puts a strict notice recorder around every test, so a message box no test
// expected fails the test that caused it. Both test mains register it.

#include <gtest/gtest.h>

#include <memory>

#include "support/notice_recorder.h"

namespace zorvik::testing {

class StrictNotices final : public ::testing::EmptyTestEventListener {
public:
    void OnTestStart(const ::testing::TestInfo&) override { recorder_ = std::make_unique<NoticeRecorder>(); }
    void OnTestEnd(const ::testing::TestInfo&) override { recorder_.reset(); }

private:
    std::unique_ptr<NoticeRecorder> recorder_;
};

// Initialises GoogleTest and registers the strict notices.
inline void InitTests(int* argc, char** argv) {
    ::testing::InitGoogleTest(argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new StrictNotices);
}

}  // namespace zorvik::testing
