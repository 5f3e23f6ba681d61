#include "fuzz/checks/check.h"

namespace zorvik::fuzz {

void Fail(const std::string& what) { throw CheckFailed(what); }

}  // namespace zorvik::fuzz
