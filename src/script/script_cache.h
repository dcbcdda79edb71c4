// Compiled units by name: script files by their name as written (two
// spellings of one file are two entries), or classes by class name. Units
// are shared: an executor or class node that still runs a unit keeps it
// alive when the cache is cleared or a later compile replaces a class.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "script/script_unit.h"

struct CScriptFrame;

class CScriptCache {
public:
    CScriptCache() = default;
    // A copy holds the same entries under the same version. A move copies
    // too, so that the cache moved from keeps the entries of its version.
    CScriptCache(const CScriptCache&) = default;
    CScriptCache& operator=(const CScriptCache&) = default;

    // The unit under name, or null.
    std::shared_ptr<CScriptUnit> Find(const std::string& name) const;
    // The entry under name holds unit from now on, in place of any earlier one.
    void Insert(const std::string& name, std::shared_ptr<CScriptUnit> unit);
    void Clear();

    // The unit of a script file, compiled into this cache on first use (its
    // classes go to classes).
    const std::shared_ptr<CScriptUnit>& FetchUnit(const std::string& file, CScriptCache& classes);
    // The statement at the frame's position: FetchUnit of the frame's file,
    // then that unit's GetStatement.
    CStatementRecord* FetchStatement(const CScriptFrame& frame, CScriptCache& classes);

    // Names the entries: every change of them gives a version no cache had
    // before, so two caches of one version hold the same units under the
    // same names, and a page looked up under a version is still the one to
    // use while the cache keeps it.
    uint64_t GetVersion() const { return version_; }

private:
    std::map<std::string, std::shared_ptr<CScriptUnit>> units_;
    uint64_t version_ = NextVersion();

    static uint64_t NextVersion();
};
