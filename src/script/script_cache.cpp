#include "script/script_cache.h"

#include <atomic>
#include <new>

#include "platform/error_report.h"
#include "script/script_frame.h"

uint64_t CScriptCache::NextVersion() {
    static std::atomic<uint64_t> last{0};
    return ++last;
}

std::shared_ptr<CScriptUnit> CScriptCache::Find(const std::string& name) const {
    auto found = units_.find(name);
    return found == units_.end() ? nullptr : found->second;
}

void CScriptCache::Insert(const std::string& name, std::shared_ptr<CScriptUnit> unit) {
    units_[name] = std::move(unit);
    version_ = NextVersion();
}

void CScriptCache::Clear() {
    units_.clear();
    version_ = NextVersion();
}

const std::shared_ptr<CScriptUnit>& CScriptCache::FetchUnit(const std::string& file, CScriptCache& classes) {
    auto found = units_.find(file);
    if (found == units_.end()) {
        // The name is entered before its unit exists; only an exhausted heap
        // keeps it out.
        try {
            found = units_.emplace(file, nullptr).first;
            version_ = NextVersion();
        } catch (const std::bad_alloc&) {
            ErrorReport(ErrorKind::Script, kModuleScriptCache, 81);
        }
    }
    if (found->second) return found->second;
    auto unit = std::make_shared<CScriptUnit>();
    unit->Compile(file, classes);
    // Looked up again: the compile may have changed this cache.
    std::shared_ptr<CScriptUnit>& entry = units_[file];
    entry = std::move(unit);
    version_ = NextVersion();
    return entry;
}

CStatementRecord* CScriptCache::FetchStatement(const CScriptFrame& frame, CScriptCache& classes) {
    return FetchUnit(frame.fileName, classes)->GetStatement(frame.pageName, frame.index);
}
