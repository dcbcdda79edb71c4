#include "platform/paths.h"

#include <windows.h>

#include "platform/error_report.h"
#include "platform/sjis.h"

namespace {

std::string g_baseDirectory;

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool IsDot(char c) { return c == '.'; }

bool IsColon(char c) { return c == ':'; }

// Calls visit(i) with the index of every single-byte character from `from`
// on, stepping over Shift-JIS pairs whole, until visit returns false.
template <typename Visit>
void ForEachSingleByte(const std::string& s, size_t from, Visit visit) {
    for (size_t i = from; i < s.size(); ++i) {
        if (IsSjisLeadByte(static_cast<unsigned char>(s[i]))) {
            ++i;
        } else if (!visit(i)) {
            return;
        }
    }
}

template <typename Match>
size_t FindLast(const std::string& s, Match matches) {
    size_t found = std::string::npos;
    ForEachSingleByte(s, 0, [&](size_t i) {
        if (matches(s[i])) found = i;
        return true;
    });
    return found;
}

template <typename Match>
size_t FindFirst(const std::string& s, size_t from, Match matches) {
    size_t found = std::string::npos;
    ForEachSingleByte(s, from, [&](size_t i) {
        if (matches(s[i])) found = i;
        return found == std::string::npos;
    });
    return found;
}

bool EndsWithSeparator(const std::string& s) {
    return !s.empty() && FindLast(s, IsSeparator) == s.size() - 1;
}

bool StartsWithTwoBackslashes(const std::string& s) {
    return s.size() >= 2 && s[0] == '\\' && s[1] == '\\';
}

std::string WithBackslashes(std::string path) {
    ForEachSingleByte(path, 0, [&](size_t i) {
        if (path[i] == '/') path[i] = '\\';
        return true;
    });
    return path;
}

}  // namespace

std::string GetProgramDirectory() {
    char path[1024];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    // A full buffer means the name was cut short.
    if (length == 0 || length >= sizeof path) ErrorReport(ErrorKind::FileIO, kModuleDataFile, 403);
    return GetDirectoryPart(std::string(path, length)) + "\\";
}

std::string GetBaseDirectory() {
    if (g_baseDirectory.empty()) SetBaseDirectory(GetProgramDirectory());
    return g_baseDirectory;
}

void SetBaseDirectory(const std::string& path) {
    std::string base = path;
    if (!base.empty() && base[0] == '"') {
        base.erase(0, 1);
        if (!base.empty()) base.pop_back();
    }
    size_t dot = FindLast(base, IsDot);
    size_t separator = FindLast(base, IsSeparator);
    if (dot != std::string::npos && (separator == std::string::npos || dot > separator)) {
        RemoveLastPathComponent(base);
    } else if (!EndsWithSeparator(base)) {
        base += '\\';
    }
    g_baseDirectory = base;
}

int RemoveLastPathComponent(std::string& dir) {
    if (dir.empty()) return 1;
    size_t start = 0;
    if (StartsWithTwoBackslashes(dir)) {
        size_t serverEnd = FindFirst(dir, 2, IsSeparator);
        if (serverEnd == std::string::npos) return 1;
        start = serverEnd + 1;
    }
    size_t last = std::string::npos, beforeLast = std::string::npos;
    ForEachSingleByte(dir, start, [&](size_t i) {
        if (IsSeparator(dir[i])) {
            beforeLast = last;
            last = i;
        }
        return true;
    });
    size_t front = last == dir.size() - 1 ? beforeLast : last;
    if (front == std::string::npos) return 1;
    dir.erase(front + 1);
    return 0;
}

std::string NormalizePath(const std::string& path) { return ResolvePath(GetBaseDirectory(), path); }

std::string ResolvePath(const std::string& directory, const std::string& path) {
    std::string relative = WithBackslashes(path);
    if (StartsWithTwoBackslashes(path)) return relative;
    if (FindFirst(relative, 0, IsColon) != std::string::npos) return relative;
    std::string base = directory;
    if (!EndsWithSeparator(base)) base += '\\';
    size_t start = 0;
    for (;;) {
        if (relative.compare(start, 3, "..\\") == 0) {
            RemoveLastPathComponent(base);
            start += 3;
        } else if (relative.compare(start, 2, ".\\") == 0) {
            start += 2;
        } else if (start < relative.size() && relative[start] == '\\') {
            start += 1;
        } else {
            break;
        }
    }
    return base + relative.substr(start);
}

std::string GetDirectoryPart(const std::string& path) {
    std::string converted = WithBackslashes(path);
    size_t separator = FindLast(converted, IsSeparator);
    return separator == std::string::npos ? converted : converted.substr(0, separator);
}

std::string GetFileNamePart(const std::string& path) {
    size_t separator = FindLast(path, IsSeparator);
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

std::string GetExtension(const std::string& path) {
    std::string name = GetFileNamePart(path);
    size_t dot = FindLast(name, IsDot);
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}
