// Node paths: Shift-JIS byte strings of components separated by single-byte
// "/". A lead byte and the byte after it are one character, so a "/" or "*"
// byte inside a two-byte character is neither a separator nor a wildcard.
#pragma once

#include <string>

// Splits at the first single-byte "/": the head before it, the tail after it
// (possibly empty); without one the head is the whole path.
void SplitPath(const std::string& path, std::string& head, std::string& tail);

// The string holds a single-byte "*".
bool HasWildcard(const std::string& s);

// The component ".." that climbs to the parent.
inline bool IsParentComponent(const std::string& component) { return component == ".."; }

// Matches a name against a pattern in which each single-byte "*" stands for
// any run of characters. Each literal segment after a "*" binds to its first
// occurrence in the name (no later one is tried), and an occurrence starts
// only at a character of the name, never at its second byte.
bool WildcardMatch(const std::string& pattern, const std::string& name);
