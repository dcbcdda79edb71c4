#include "script/script_statement.h"

int CScriptStatement::GetCategory() const { return kCategoryStatement; }

void CScriptStatement::Stop() {}

void CScriptStatement::Update(int) {}
