#include "scene/page_command.h"

int CPageCommand::GetCategory() const { return kCategoryMenuCallback; }

void CPageCommand::Finish(CScriptPageNode&) {}
