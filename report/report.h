// The per-file report: everything printed about one file after its header line.
#pragma once

// What ReportFile tells its caller.
constexpr int kReportDone = 0;
constexpr int kReportNoVersion = -1;
constexpr int kReportNoMemory = -2;

// Loads the version block of `path` and prints the fixed-information section
// (with -f) and the string fields. Returns kReportDone, kReportNoVersion or
// kReportNoMemory; only the last stops the caller's enumeration.
int ReportFile(const char* path);

// Looks `key` up in the chosen string table. Returns 1 when it exists, then
// printing its line when `print` is nonzero; returns 0, silently, otherwise.
int QueryStringField(const char* key, int print);

// Prints the four fixed-information lines, or nothing when the block has no
// complete fixed information.
void PrintFixedFileInfo();
