#include "fuzz/checks/check.h"

namespace zorvik::fuzz {

void Fail(const std::string& what) { throw CheckFailed(what); }

CountingNotices::CountingNotices(bool answer) : answer_(answer), previous_(InstallNotices(this)) {}

CountingNotices::~CountingNotices() { InstallNotices(previous_); }

}  // namespace zorvik::fuzz
