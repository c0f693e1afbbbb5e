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

// Appends formatted text to the NUL-terminated text in `buffer`.
bool AppendInto(char* buffer, size_t size, const char* format, ...) KELO_PRINTF_FORMAT(3, 4);
