// Capturing what the program writes to standard output within this process.
#pragma once

#include <string>
#include <vector>

// Runs the whole program in-process with `args` and returns its standard
// output; `status` receives its exit status.
std::string RunInProcess(const std::vector<std::string>& args, int* status = nullptr);
