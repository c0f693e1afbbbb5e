// A seam for tests and fuzzers: the version API reads its bytes from a given
// source, whatever path it is asked about, so whole reports run from memory.
#pragma once

#include "posix/byte_source.h"

// While `source` is set, GetFileVersionInfoSizeA and GetFileVersionInfoA read
// it instead of opening their path. nullptr restores the files.
void SetVersionSourceOverride(ByteSource* source);
