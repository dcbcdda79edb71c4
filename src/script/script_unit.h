// One compiled script file, or one class: page (or method) names to pages.
// Compiling a file that includes others puts their pages here as well.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "script/script_page.h"

class CScriptCache;

class CScriptUnit {
public:
    // Compiles the file from the archives into this unit; its classes go to
    // the classes cache. Errors end the game with their box.
    void Compile(const std::string& file, CScriptCache& classes);

    // Enters the page under name, replacing a page of that name.
    void AddPage(const std::string& name, std::unique_ptr<CScriptPage> page);
    bool HasPage(const std::string& name) const;
    // The record at index of the named page; null when the page has ended.
    // A missing page is a "Script Error" (2022, 61), a negative index one of
    // (2040, 101).
    CStatementRecord* GetStatement(const std::string& name, int index);
    // The named page; a missing one is the Script Error above (2022, 61).
    CScriptPage& GetPage(const std::string& name);
    // The named page, or null (for the compiler, which fills it).
    CScriptPage* FindPage(const std::string& name);

private:
    std::map<std::string, std::unique_ptr<CScriptPage>> pages_;
};
