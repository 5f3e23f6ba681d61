#include "job.h"

namespace zorvik::job {

const char* ApplicationName(Application application) { return application == Application::Fill ? "fill" : "flow"; }

const char* UnitSystemName(UnitSystem units) { return units == UnitSystem::Metric ? "metric" : "imperial"; }

}  // namespace zorvik::job
