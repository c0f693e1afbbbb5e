// The enumeration learns what each entry is (from the directory entry itself,
// or from the lookup of a literal name). It notes the last regular file it
// yielded, so that opening that file for its version resource needs no second
// look at its type: one system call fewer for every file of a large run.
#pragma once

// Notes that `directory` + `name` (a native path) is a regular file.
void NoteRegularFile(const char* directory, const char* name);

// Whether `nativePath` is the file last noted. The note is used up either way.
bool TakeRegularFileNote(const char* nativePath);
