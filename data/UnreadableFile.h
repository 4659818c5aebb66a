#pragma once
#include <string>

// A project file that is there but cannot be read is still the author's work. Before a loader
// writes a fallback in its place, the file is moved aside beside itself and the user is told
// where it went, so no load ever turns an author's bytes into factory data.

// Moves the file at path to "path.badN", N the first of 1, 2, ... that names no file (an earlier
// kept copy is never replaced), and tells the user which file could not be read and where its
// bytes are now. True when the path may be written: nothing was there, or it was moved aside.
// False when it could not be moved: the user is told that the file stays as it is, and the
// caller must not write over it.
bool SetAsideUnreadableFile(const char* path);

// The name the n-th kept copy of path gets.
std::string KeptCopyPath(const char* path, int n);
