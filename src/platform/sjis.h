// Shift-JIS, the encoding of every text of the game: a byte from 0x80 to 0xA0
// or from 0xE0 to 0xFF is a lead byte, and it and the byte after it are one
// character whose second byte (which may be "\\", "/" or a letter) is never
// examined on its own. Every helper here scans from the start of the string
// and steps over such a pair as one character.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>

inline bool IsSjisLeadByte(unsigned char c) {
    return (c >= 0x80 && c <= 0xA0) || c >= 0xE0;
}

// The length of the character that starts at s[index]: 2 for a lead byte
// with its follower, else 1 (a lead byte as the last byte stands alone).
inline std::size_t SjisCharacterLength(const std::string& s, std::size_t index) {
    return IsSjisLeadByte(static_cast<unsigned char>(s[index])) && index + 1 < s.size() ? 2 : 1;
}

// The characters of a list that ends at its first 0 byte.
bool StringEqualsCharList(const std::string& s, std::initializer_list<unsigned char> chars);
std::string MakeStringFromCharList(std::initializer_list<unsigned char> chars);

// StringEqualsChars(s, 'd', 'a', 't', 0): s is exactly the listed bytes in
// that order. The list ends with 0; an empty list matches only "".
template <typename... Chars>
bool StringEqualsChars(const std::string& s, Chars... chars) {
    static_assert(sizeof...(Chars) > 0, "the list of characters ends with 0");
    return StringEqualsCharList(s, {static_cast<unsigned char>(chars)...});
}

// MakeStringFromChars('a', 'b', 0) == "ab".
template <typename... Chars>
std::string MakeStringFromChars(Chars... chars) {
    static_assert(sizeof...(Chars) > 0, "the list of characters ends with 0");
    return MakeStringFromCharList({static_cast<unsigned char>(chars)...});
}

// Index of the first (last) single-byte character equal to c, or -1; the
// bytes of a lead-byte pair never match, nor does a lone lead byte.
int FindSingleByteChar(const std::string& s, char c);
int FindLastSingleByteChar(const std::string& s, char c);

// The last character of s: one byte or a pair; empty when s is empty or ends
// in a lead byte without its follower.
std::string GetLastCharacter(const std::string& s);

// The number of characters of s, a pair counting once (and a lone lead byte
// at the end counting as one).
int CountSjisCharacters(const std::string& s);
