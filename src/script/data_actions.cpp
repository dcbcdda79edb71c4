#include "script/data_actions.h"

#include "script/script_command_kind.h"

int CSetChipAction::GetCategory() const { return kCategoryChipAction; }

int CSetChipAction::GetKind() const { return kKindSetChip; }

int CAddTextAction::GetCategory() const { return kCategoryDynamicTextAction; }

int CAddTextAction::GetKind() const { return kKindAddText; }

int CClearTextAction::GetCategory() const { return kCategoryDynamicTextAction; }

int CClearTextAction::GetKind() const { return kKindClearText; }
