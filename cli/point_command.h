#pragma once

#include "commands.h"

namespace zorvik::cli {

// The performance model of one model at one operating point.
extern const Command PointCommand;

}  // namespace zorvik::cli
