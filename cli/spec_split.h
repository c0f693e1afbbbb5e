// Splitting a file specification into its drive and directory.
#pragma once

#include <cstddef>

#include "verinfo/version_api.h"

// The platform's lead-byte test, or a stand-in for it.
using LeadByteTest = BOOL(WINAPI*)(BYTE);

// Writes the drive ("X:" or empty) and the directory (up to and including
// its last separator) of `spec`. A separator byte that is the second byte of
// a double-byte character, as `isLeadByte` tells, does not end the directory.
// A final "." or ".." belongs to the directory.
void SplitFileSpec(const char* spec, LeadByteTest isLeadByte, char* drive, size_t driveSize,
                   char* dir, size_t dirSize);
