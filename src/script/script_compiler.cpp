#include "script/script_compiler.h"

#include <memory>

#include "platform/data_file.h"
#include "platform/error_report.h"
#include "platform/paths.h"
#include "platform/tokenizer.h"
#include "script/script_cache.h"
#include "script/script_unit.h"

namespace {

// The normalised name in lower case: one file however its name is spelt.
std::string IncludeKey(const std::string& fileName) {
    std::string key = NormalizePath(fileName);
    MakeLowerCase(key);
    return key;
}

}  // namespace

CScriptCompiler::CScriptCompiler(std::string fileName)
    : fileName_(std::move(fileName)),
      directory_(GetDirectoryPart(NormalizePath(fileName_)) + "\\"),
      basePath_(directory_) {}

CScriptCompiler::~CScriptCompiler() = default;

void CScriptCompiler::CompileFile(const std::string& fileName, CScriptUnit& unit, CScriptCache& classes) {
    CompileArchived(fileName, unit, classes, nullptr);
}

void CScriptCompiler::CompileText(const std::string& fileName, const char* data, int length, CScriptUnit& unit,
                                  CScriptCache& classes) {
    Compile(fileName, data, length, unit, classes, nullptr);
}

void CScriptCompiler::CompileArchived(const std::string& fileName, CScriptUnit& unit, CScriptCache& classes,
                                      const CScriptCompiler* includer) {
    if (fileName.empty()) ErrorReport(ErrorKind::FileIO, kModuleScriptCompiler, 56);
    CDataFile file;
    if (file.OpenWhole(fileName, false) != 0) ErrorReport(ErrorKind::FileIO, kModuleScriptCompiler, 65);
    Compile(fileName, reinterpret_cast<const char*>(file.GetData()), static_cast<int>(file.GetSize()), unit,
            classes, includer);
}

void CScriptCompiler::Compile(const std::string& fileName, const char* data, int length, CScriptUnit& unit,
                              CScriptCache& classes, const CScriptCompiler* includer) {
    CScriptCompiler compiler(fileName);
    compiler.unit_ = &unit;
    compiler.classes_ = &classes;
    compiler.includer_ = includer;
    compiler.includeKey_ = IncludeKey(fileName);
    CTokenizer tokenizer(data, length);
    tokenizer.AddSymbols(",", "(", ")", "{", "}", ">=", ">", "<=", "<", "==", "!=", "&&", "||", "!", "+", "-", ";",
                         ":", "//", "/*", "*/", "$", "=", "%", "@", "#", "");
    // Errors of an included file have shown their own box already and pass
    // through as CInternalError.
    try {
        compiler.ParseTopLevel(tokenizer);
    } catch (const CScriptSyntaxError&) {
        ErrorReport(ErrorKind::Script, kModuleScriptCompiler, 99);
    }
}

void CScriptCompiler::ParseTopLevel(CTokenizer& tokenizer) {
    std::string token;
    for (;;) {
        if (tokenizer.NextToken(token) == kTokenEnd) return;
        if (token == "page") {
            ParsePage(tokenizer);
        } else if (token == "#") {
            ParseDirective(tokenizer);
        } else if (token == "class") {
            ParseClass(tokenizer);
        } else {
            // An unreadable character, a statement or a stray symbol.
            throw CScriptSyntaxError();
        }
    }
}

void CScriptCompiler::ParsePage(CTokenizer& tokenizer) {
    std::string name;
    ReadName(tokenizer, name);
    if (!pagesDefined_.insert(name).second) throw CScriptSyntaxError();
    // A page of this name from another file of the unit (an include) is
    // replaced.
    auto page = std::make_unique<CScriptPage>();
    CScriptPage& body = *page;
    unit_->AddPage(name, std::move(page));
    Expect(tokenizer, "{");
    ParseBlock(tokenizer, body);
}

void CScriptCompiler::ParseDirective(CTokenizer& tokenizer) {
    std::string word;
    tokenizer.NextToken(word);
    std::string path;
    if (word == "include") {
        if (tokenizer.ReadQuotedString(path) != CTokenizer::kRead) throw CScriptSyntaxError();
        // An empty name stays empty, to be refused as one.
        if (!path.empty()) path = ResolvePath(basePath_, path);
        // A file already in the chain of includes that led here would be
        // compiled again and again without end.
        std::string key = path.empty() ? path : IncludeKey(path);
        for (const CScriptCompiler* file = this; file; file = file->includer_) {
            if (file->includeKey_ == key) throw CScriptSyntaxError();
        }
        CompileArchived(path, *unit_, *classes_, this);
    } else if (word == "base_path") {
        if (tokenizer.ReadQuotedString(path) != CTokenizer::kRead || path.empty()) throw CScriptSyntaxError();
        basePath_ = ResolvePath(directory_, path);
    } else {
        throw CScriptSyntaxError();
    }
}

void CScriptCompiler::ParseClass(CTokenizer& tokenizer) {
    std::string name;
    ReadName(tokenizer, name);
    Expect(tokenizer, "{");
    // Replaces a class of this name; whoever still runs the old one keeps it.
    auto unit = std::make_shared<CScriptUnit>();
    classes_->Insert(name, unit);
    std::string token;
    for (;;) {
        tokenizer.NextToken(token);
        if (token == "}") return;
        if (token != "method") throw CScriptSyntaxError();
        ReadName(tokenizer, name);
        if (unit->HasPage(name)) throw CScriptSyntaxError();
        auto page = std::make_unique<CScriptPage>();
        CScriptPage& body = *page;
        unit->AddPage(name, std::move(page));
        Expect(tokenizer, "{");
        ParseBlock(tokenizer, body);
    }
}

void CScriptCompiler::ReadName(CTokenizer& tokenizer, std::string& out) {
    if (tokenizer.ReadWord(out) != CTokenizer::kRead) throw CScriptSyntaxError();
}

void CScriptCompiler::Expect(CTokenizer& tokenizer, const char* text) {
    if (tokenizer.ExpectToken(text) != CTokenizer::kRead) throw CScriptSyntaxError();
}
