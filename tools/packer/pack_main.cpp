// mirl-pack: packs the files of one folder into an archive the game reads.
// Built for the build machine, so the game's build can pack its data.
//
//   mirl-pack [--version 1|2] [--store PATTERN]... [--kind N PATTERN]...
//             FOLDER ARCHIVE
//
// Every regular file directly in FOLDER becomes an entry (sub-folders have
// archives of their own); file names are taken as UTF-8 and stored in
// Shift-JIS. Entries are LZSS-packed when that makes them smaller, except
// those matching a --store pattern. In version 2 every entry is key-stream
// scrambled unless a --kind pattern matches it (N: 0 plain, 1 key stream,
// 2 bit transform; the last matching option wins). Entries the game streams
// (sounds) need --store and kind 0 or 2. PATTERN is a file name or "*.ext",
// compared in any letter case. The archive's file name is written into it,
// so the game refuses the archive under any other name.
#include <iconv.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "packer/archive_writer.h"
#include "platform/paths.h"

namespace fs = std::filesystem;

namespace {

struct KindRule {
    std::string pattern;
    uint8_t kind;
};

struct Options {
    uint32_t version = 2;
    std::vector<std::string> storePatterns;
    std::vector<KindRule> kindRules;
    fs::path folder;
    fs::path archive;
};

std::string ToShiftJis(const std::string& utf8) {
    iconv_t converter = iconv_open("CP932", "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no UTF-8 to CP932 converter");
    std::string in = utf8, out(utf8.size() * 2 + 4, '\0');
    char* inPointer = in.data();
    char* outPointer = out.data();
    size_t inLeft = in.size(), outLeft = out.size();
    size_t result = iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft);
    iconv_close(converter);
    if (result == static_cast<size_t>(-1)) throw std::runtime_error("not writable in Shift-JIS: " + utf8);
    out.resize(out.size() - outLeft);
    return out;
}

std::string LowerShiftJis(const std::string& utf8) {
    std::string s = ToShiftJis(utf8);
    MakeLowerCase(s);
    return s;
}

// name and pattern both lower-case Shift-JIS.
bool Matches(const std::string& name, const std::string& pattern) {
    if (pattern.size() > 1 && pattern[0] == '*' && pattern[1] == '.') {
        std::string suffix = pattern.substr(1);
        return name.size() >= suffix.size() &&
               name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0;
    }
    return name == pattern;
}

[[noreturn]] void Usage() {
    std::cerr << "usage: mirl-pack [--version 1|2] [--store PATTERN]... [--kind 0|1|2 PATTERN]... "
                 "FOLDER ARCHIVE\n";
    std::exit(2);
}

Options ParseOptions(int argc, char** argv) {
    Options options;
    std::vector<std::string> positional;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--version" && i + 1 < argc) {
            std::string v = argv[++i];
            if (v != "1" && v != "2") Usage();
            options.version = v == "1" ? 1 : 2;
        } else if (arg == "--store" && i + 1 < argc) {
            options.storePatterns.push_back(LowerShiftJis(argv[++i]));
        } else if (arg == "--kind" && i + 2 < argc) {
            std::string kind = argv[++i];
            if (kind != "0" && kind != "1" && kind != "2") Usage();
            options.kindRules.push_back({LowerShiftJis(argv[++i]), static_cast<uint8_t>(kind[0] - '0')});
        } else if (arg.rfind("--", 0) == 0) {
            Usage();
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.size() != 2) Usage();
    options.folder = positional[0];
    options.archive = positional[1];
    return options;
}

std::vector<uint8_t> ReadFileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw std::runtime_error("cannot read " + path.string());
    return bytes;
}

std::vector<packer::PackEntry> CollectEntries(const Options& options) {
    std::vector<fs::path> files;
    for (const fs::directory_entry& e : fs::directory_iterator(options.folder)) {
        if (e.is_regular_file()) files.push_back(e.path());
    }
    std::sort(files.begin(), files.end());
    std::vector<packer::PackEntry> entries;
    for (const fs::path& file : files) {
        packer::PackEntry entry;
        entry.name = ToShiftJis(file.filename().string());
        std::string lower = entry.name;
        MakeLowerCase(lower);
        entry.data = ReadFileBytes(file);
        entry.pack = std::none_of(options.storePatterns.begin(), options.storePatterns.end(),
                                  [&](const std::string& p) { return Matches(lower, p); });
        entry.scrambleKind = 1;
        for (const KindRule& rule : options.kindRules) {
            if (Matches(lower, rule.pattern)) entry.scrambleKind = rule.kind;
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        Options options = ParseOptions(argc, argv);
        std::vector<uint8_t> archive =
            packer::BuildArchive(options.version, ToShiftJis(options.archive.filename().string()),
                                 CollectEntries(options));
        fs::path temporary = options.archive;
        temporary += ".tmp";
        {
            std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
            out.write(reinterpret_cast<const char*>(archive.data()),
                      static_cast<std::streamsize>(archive.size()));
            if (!out.flush()) throw std::runtime_error("cannot write " + temporary.string());
        }
        fs::rename(temporary, options.archive);
    } catch (const std::exception& e) {
        std::cerr << "mirl-pack: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
