#include "script/flow_statement.h"

int CFlowStatement::GetCategory() const { return kCategoryFlowStatement; }
