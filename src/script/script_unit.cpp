#include "script/script_unit.h"

#include "platform/error_report.h"
#include "script/script_compiler.h"

void CScriptUnit::Compile(const std::string& file, CScriptCache& classes) {
    CScriptCompiler::CompileFile(file, *this, classes);
}

void CScriptUnit::AddPage(const std::string& name, std::unique_ptr<CScriptPage> page) {
    pages_[name] = std::move(page);
}

bool CScriptUnit::HasPage(const std::string& name) const { return pages_.count(name) != 0; }

CStatementRecord* CScriptUnit::GetStatement(const std::string& name, int index) {
    CScriptPage& page = GetPage(name);
    if (index < 0) ErrorReport(ErrorKind::Script, kModuleScriptUnitStatement, 101);
    return page.At(index);
}

CScriptPage& CScriptUnit::GetPage(const std::string& name) {
    auto found = pages_.find(name);
    if (found == pages_.end()) ErrorReport(ErrorKind::Script, kModuleScriptUnitPage, 61);
    return *found->second;
}

CScriptPage* CScriptUnit::FindPage(const std::string& name) {
    auto found = pages_.find(name);
    return found == pages_.end() ? nullptr : found->second.get();
}
