// Matching directory entry names against the name part of a file specification.
#pragma once

// Whether `name` matches `pattern`: '*' stands for any run of characters, '?'
// for one character, letters match regardless of ASCII case, "*.*" matches
// every name, and a trailing '.' matches names that have no extension.
bool MatchesName(const char* pattern, const char* name);

// Whether `pattern` holds a wildcard.
bool HasWildcard(const char* pattern);
