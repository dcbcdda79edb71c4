// Paths of the game: the program directory, the base directory every relative
// path is resolved against, and the helpers that take a path apart. All of
// them read Shift-JIS: the second byte of a double-byte character is never
// taken for a separator, a dot or a letter. A separator is "\" or "/".
#pragma once

#include <string>

// The folder of the program file, with "\" appended. A program path that
// cannot be read is a fatal "FileI/O Error" (1002, 403).
std::string GetProgramDirectory();

// The directory relative paths are resolved against; set to the program
// directory on first use when nobody has set it.
std::string GetBaseDirectory();
// Takes a directory, or a file path whose file name is dropped (a last "."
// after the last separator marks a file name), optionally in double quotes;
// a directory gets a trailing "\" when it has none.
void SetBaseDirectory(const std::string& path);

// Removes the last component of a directory, keeping the separator in front
// of it; a trailing separator is passed over first. The server part of a
// network path ("\\server\") is never removed. 1 when there is nothing to
// remove (the string is unchanged), else 0.
int RemoveLastPathComponent(std::string& dir);

// The absolute Windows path of a game path ("S/Main.txt" with the base
// C:\Game\ becomes C:\Game\S\Main.txt): "/" becomes "\"; a network path or a
// path with ":" is already absolute; otherwise leading "..\", ".\" and "\"
// are folded into the base directory and the rest is appended. Nothing is
// lower-cased, and "." or ".." after the first real component stay.
std::string NormalizePath(const std::string& path);
// The same against the given directory instead of the base directory.
std::string ResolvePath(const std::string& directory, const std::string& path);

// Everything before the last separator, with "/" turned into "\"; the whole
// path when it has no separator.
std::string GetDirectoryPart(const std::string& path);
// What follows the last separator; the whole path when it has none.
std::string GetFileNamePart(const std::string& path);
// What follows the last "." of the file name part; empty when it has none.
std::string GetExtension(const std::string& path);
// Lower-cases the single-byte letters A-Z in place (as the C locale's tolower
// does), leaving both bytes of every Shift-JIS pair as they are.
void MakeLowerCase(std::string& s);
