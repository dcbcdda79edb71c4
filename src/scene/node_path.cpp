#include "scene/node_path.h"

#include "platform/sjis.h"

void SplitPath(const std::string& path, std::string& head, std::string& tail) {
    const int slash = FindSingleByteChar(path, '/');
    if (slash < 0) {
        head = path;
        tail.clear();
        return;
    }
    head.assign(path, 0, slash);
    tail.assign(path, slash + 1, std::string::npos);
}

bool HasWildcard(const std::string& s) { return FindSingleByteChar(s, '*') >= 0; }

namespace {

// The index of the next single-byte "*" from i on, or the pattern's length.
size_t NextStar(const std::string& pattern, size_t i) {
    while (i < pattern.size() && pattern[i] != '*') i += SjisCharacterLength(pattern, i);
    return i;
}

// The first character start at or after j where the segment occurs, or npos.
size_t FindSegment(const std::string& name, size_t j, const std::string& pattern, size_t begin,
                   size_t end) {
    const size_t length = end - begin;
    for (; j < name.size(); j += SjisCharacterLength(name, j)) {
        if (name.size() - j >= length && name.compare(j, length, pattern, begin, length) == 0) {
            return j;
        }
    }
    return length == 0 && j == name.size() ? j : std::string::npos;
}

}  // namespace

bool WildcardMatch(const std::string& pattern, const std::string& name) {
    size_t i = 0;
    size_t j = 0;
    while (i < pattern.size()) {
        if (pattern[i] != '*') {
            const size_t length = SjisCharacterLength(pattern, i);
            if (name.size() - j < length || name.compare(j, length, pattern, i, length) != 0) {
                return false;
            }
            i += length;
            j += length;
            continue;
        }
        if (i + 1 == pattern.size()) return true;
        if (j >= name.size()) return false;
        const size_t segmentEnd = NextStar(pattern, i + 1);
        const size_t found = FindSegment(name, j, pattern, i + 1, segmentEnd);
        if (found == std::string::npos) return false;
        j = found + (segmentEnd - i - 1);
        i = segmentEnd;
    }
    return j == name.size();
}
