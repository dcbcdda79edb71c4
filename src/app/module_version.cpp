#include "app/module_version.h"

#include <windows.h>

#include <cstdio>
#include <vector>

#include "platform/sjis.h"

namespace {

// The code pages and languages a string table is searched for when the
// file's own translation has none, code pages in the outer loop.
constexpr unsigned kCodePages[] = {0,    932,  949,  950,  1200, 1250,
                                   1251, 1252, 1253, 1254, 1255, 1256};

std::vector<unsigned> FallbackLanguages() {
    std::vector<unsigned> languages;
    for (unsigned language = 0x0401; language <= 0x0421; ++language) languages.push_back(language);
    for (unsigned language : {0x0804u, 0x0807u, 0x0809u, 0x080Au, 0x080Cu, 0x0810u, 0x0813u,
                              0x0814u, 0x0816u, 0x081Au, 0x0C0Cu, 0x100Cu})
        languages.push_back(language);
    return languages;
}

// Keeps at most the limit's bytes without splitting a double-byte character.
std::string CutValue(const char* text) {
    std::string value(text);
    std::size_t end = 0;
    while (end < value.size()) {
        std::size_t next = end + SjisCharacterLength(value, end);
        if (next > kVersionValueLimit) break;
        end = next;
    }
    value.resize(end);
    return value;
}

}  // namespace

bool QueryVersionString(const void* versionData, unsigned language, unsigned codePage,
                        const std::string& key, std::string* value) {
    std::vector<char> block(key.size() + 32);
    std::snprintf(block.data(), block.size(), "\\StringFileInfo\\%04x%04x\\%s", language, codePage,
                  key.c_str());
    void* text = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(versionData, block.data(), &text, &length) || !text) return false;
    *value = CutValue(static_cast<const char*>(text));
    return true;
}

std::string GetModuleVersionString(const std::string& modulePath, const std::string& key) {
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(modulePath.c_str(), &handle);
    if (size == 0) return std::string();
    std::vector<unsigned char> data(size);
    if (!GetFileVersionInfoA(modulePath.c_str(), handle, size, data.data())) return std::string();

    std::string value;
    struct Translation {
        WORD language;
        WORD codePage;
    };
    void* translations = nullptr;
    UINT length = 0;
    if (VerQueryValueA(data.data(), "\\VarFileInfo\\Translation", &translations, &length) &&
        translations && length >= sizeof(Translation)) {
        const Translation* first = static_cast<const Translation*>(translations);
        if (QueryVersionString(data.data(), first->language, first->codePage, key, &value))
            return value;
    }
    const std::vector<unsigned> languages = FallbackLanguages();
    for (unsigned codePage : kCodePages)
        for (unsigned language : languages)
            if (QueryVersionString(data.data(), language, codePage, key, &value)) return value;
    return std::string();
}
