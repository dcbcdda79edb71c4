#include "platform/sjis.h"

#include <algorithm>
#include <utility>

namespace {

// The position in the list of its terminating 0, or its size without one.
std::size_t ListLength(std::initializer_list<unsigned char> chars) {
    std::size_t n = 0;
    for (unsigned char c : chars) {
        if (c == 0) break;
        ++n;
    }
    return n;
}

// Indices of the first and the last single-byte character equal to c.
std::pair<int, int> FindSingleByteCharRange(const std::string& s, char c) {
    std::pair<int, int> found(-1, -1);
    if (IsSjisLeadByte(static_cast<unsigned char>(c))) return found;
    for (std::size_t i = 0; i < s.size(); i += SjisCharacterLength(s, i)) {
        if (s[i] != c) continue;
        if (found.first < 0) found.first = static_cast<int>(i);
        found.second = static_cast<int>(i);
    }
    return found;
}

}  // namespace

bool StringEqualsCharList(const std::string& s, std::initializer_list<unsigned char> chars) {
    const std::size_t n = ListLength(chars);
    return s.size() == n && std::equal(chars.begin(), chars.begin() + n, s.begin(),
                                       [](unsigned char listed, char c) {
                                           return listed == static_cast<unsigned char>(c);
                                       });
}

std::string MakeStringFromCharList(std::initializer_list<unsigned char> chars) {
    return std::string(chars.begin(), chars.begin() + ListLength(chars));
}

int FindSingleByteChar(const std::string& s, char c) {
    return FindSingleByteCharRange(s, c).first;
}

int FindLastSingleByteChar(const std::string& s, char c) {
    return FindSingleByteCharRange(s, c).second;
}

std::string GetLastCharacter(const std::string& s) {
    std::size_t last = 0;
    std::size_t length = 0;
    for (std::size_t i = 0; i < s.size(); i += length) {
        last = i;
        length = SjisCharacterLength(s, i);
    }
    if (length == 0 || (length == 1 && IsSjisLeadByte(static_cast<unsigned char>(s[last])))) {
        return std::string();
    }
    return s.substr(last, length);
}

int CountSjisCharacters(const std::string& s) {
    int count = 0;
    for (std::size_t i = 0; i < s.size(); i += SjisCharacterLength(s, i)) ++count;
    return count;
}
