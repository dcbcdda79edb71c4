// Commands that only carry data to the one node kind that reads them: the
// animation node takes "SetChip", the dynamic text node "AddText" and
// "ClearText". Every other node ignores their categories.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "script/script_command.h"

// "SetChip": the frame rectangle of an animation node's sheet, the four
// integers in the order the script gives them.
class CSetChipAction : public CScriptCommand {
public:
    CSetChipAction(int32_t left, int32_t top, int32_t right, int32_t bottom)
        : values_{left, top, right, bottom} {}
    int GetCategory() const override;
    int GetKind() const override;
    int32_t Value(int index) const { return values_[index]; }

private:
    int32_t values_[4];
};

// "AddText": text appended to a dynamic text node.
class CAddTextAction : public CScriptCommand {
public:
    explicit CAddTextAction(std::string text) : text_(std::move(text)) {}
    int GetCategory() const override;
    int GetKind() const override;
    const std::string& Text() const { return text_; }

private:
    std::string text_;
};

// "ClearText": empties a dynamic text node.
class CClearTextAction : public CScriptCommand {
public:
    int GetCategory() const override;
    int GetKind() const override;
};
