// The argument walk: option groups, file specifications, the usage text.
#pragma once

// Whether `arg` is an option group rather than a file specification.
bool IsOptionGroup(const char* arg);

// Flips the flag of each option letter in the group `arg`.
void ApplyOptionGroup(const char* arg);

// Prints the six usage lines.
void PrintUsage();

// Runs the whole program over `argv` and returns the exit status: 0, or 1
// when standard output could not be written.
int KeloMain(int argc, char** argv);
