#pragma once
// At start: the jobs that a run which ended without closing (a crash, a
// power cut, a killed program) left with unsaved changes are offered back,
// one question each. A restored job opens in the job window with its
// changes still unsaved; a declined one is kept once as a copy beside it.

#include "notices.h"

namespace zorvik {

class JobWindow;

// True when a job was restored (and the window shown).
bool OfferLeftJobs(JobWindow& window, Notices& notices);

}  // namespace zorvik
