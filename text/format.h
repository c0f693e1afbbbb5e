// Writing into fixed-size character buffers without overflowing them.
#pragma once

#include <cstddef>
#include <cstdint>

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

// The appends below each do what one printf conversion would, without
// parsing a format: the report runs them thousands of times. Each returns
// false when the text did not fit and was cut.

// Appends `text` right-aligned in `width` bytes, as "%*s" would.
bool AppendAligned(char* buffer, size_t size, const char* text, size_t width);

// Appends `text`, as "%s" would.
bool AppendText(char* buffer, size_t size, const char* text);

// Appends the 16-bit halves of `most` and `least` as four decimal numbers
// joined by dots, as "%u.%u.%u.%u" would.
bool AppendVersion(char* buffer, size_t size, uint32_t most, uint32_t least);

// Appends `value` as eight upper-case hexadecimal digits, as "%08X" would.
bool AppendHex8(char* buffer, size_t size, uint32_t value);
