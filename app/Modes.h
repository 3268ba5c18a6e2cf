#pragma once
#include "app/CommandLine.h"

namespace fl {

// Registers the pictures the windows show; the window modes bring their own.
void RegisterBuiltInImages();

// Runs the mode the command line selected, to its end.
void RunMode(const CommandLine& line);

}  // namespace fl
