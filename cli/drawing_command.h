#pragma once

#include "commands.h"

namespace zorvik::cli {

// A model's or an accessory option's dimension drawing written to a file.
extern const Command DrawingCommand;

}  // namespace zorvik::cli
