// Compiled records written out as short texts, so that a test can state a
// page as the list it expects:
//   "J+3", "J-4"   relative jump by that distance
//   "J@5"          absolute jump to index 5
//   "C(text):2"    conditional jump on text, skipping 2 when it is 0
//   "E(text)"      expression statement
//   "S{A:0,B:3}"   select with its cases and their offsets, in table order
// Each of them also has an empty target path; anything else is "?kind".
#pragma once

#include <string>
#include <vector>

#include "script/conditional_jump.h"
#include "script/expression_statement.h"
#include "script/jump_statement.h"
#include "script/script_command_kind.h"
#include "script/script_page.h"
#include "script/select_statement.h"

inline std::string DescribeRecord(const CStatementRecord& record) {
    const CScriptCommand& command = *record.command;
    std::string text;
    switch (command.GetKind()) {
        case kKindJump: {
            const auto& jump = static_cast<const CJumpStatement&>(command);
            if (command.GetCategory() != kCategoryFlowStatement) return "?category";
            if (!jump.IsRelative()) {
                text = "J@" + std::to_string(jump.Target());
            } else {
                text = std::string(jump.Target() < 0 ? "J" : "J+") + std::to_string(jump.Target());
            }
            break;
        }
        case kKindConditionalJump: {
            const auto& jump = static_cast<const CConditionalJump&>(command);
            if (command.GetCategory() != kCategoryStatement || !jump.IsInstant()) return "?conditional";
            text = "C(" + jump.Condition() + "):" + std::to_string(jump.Skip());
            break;
        }
        case kKindExpressionStatement: {
            const auto& statement = static_cast<const CExpressionStatement&>(command);
            if (command.GetCategory() != kCategoryStatement || !statement.IsInstant()) return "?expression";
            text = "E(" + statement.Text() + ")";
            break;
        }
        case kKindSelect: {
            const auto& select = static_cast<const CSelectStatement&>(command);
            if (command.GetCategory() != kCategoryStatement || select.IsInstant()) return "?select";
            text = "S{";
            for (const auto& entry : select.Cases()) {
                if (text.size() > 2) text += ",";
                text += entry.first + ":" + std::to_string(entry.second);
            }
            text += "}";
            break;
        }
        default: return "?" + std::to_string(command.GetKind());
    }
    return record.targetPath.empty() ? text : "?path " + text;
}

inline std::vector<std::string> DescribePage(const CScriptPage& page) {
    std::vector<std::string> out;
    for (const CStatementRecord& record : page.Records()) out.push_back(DescribeRecord(record));
    return out;
}
