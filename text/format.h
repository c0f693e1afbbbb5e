// Writing into fixed-size character buffers without overflowing them.
#pragma once

#include <cstddef>

#if defined(__GNUC__)
#define KELO_PRINTF_FORMAT(fmt, args) __attribute__((format(printf, fmt, args)))
#else
#define KELO_PRINTF_FORMAT(fmt, args)
#endif

// Formats into `buffer` (`size` bytes, NUL-terminated). Returns false when
// the text did not fit and was cut.
bool FormatInto(char* buffer, size_t size, const char* format, ...) KELO_PRINTF_FORMAT(3, 4);

// Writes `first` followed by `second` into `buffer`, as "%s%s" would, without
// parsing a format for it. Returns false when the text did not fit and was cut.
bool JoinInto(char* buffer, size_t size, const char* first, const char* second);

// Appends formatted text to the NUL-terminated text in `buffer`.
bool AppendInto(char* buffer, size_t size, const char* format, ...) KELO_PRINTF_FORMAT(3, 4);
