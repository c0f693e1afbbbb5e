// Expanding one file specification and reporting every file it matches.
#pragma once

// Prints a header line and the report for each match of `spec`, in the order
// the directory yields them. Returns 0 when anything matched, -1 otherwise
// (after printing the not-found line).
int ProcessFileSpec(const char* spec);
