// The script's numbered variables as expressions see them: "@N" is value N
// of the live play data, "$N" value N of the system data. N is the decimal
// value of the digits right after the sign, up to the first other character;
// with no digits it is 0 (so "@x" names variable 0). Every other name, one
// beginning with "#" too, is no variable: it reads as 0 and cannot be
// assigned.
#pragma once

#include <cstdint>
#include <string_view>

enum class ScriptVariableTable : uint8_t { None, Play, System };

// What a name stands for, found without touching the tables: the table and
// the number, which is 1024 for every number from 1024 up.
struct ScriptVariableRef {
    ScriptVariableTable table;
    int index;
};

ScriptVariableRef ResolveScriptVariable(std::string_view name);
// The variable, or null for None; a number of 1024 is refused as below.
int32_t* ScriptVariableAddress(ScriptVariableRef ref);

// The variable a name stands for, or null when it is none. An N of 1024 or
// more, however many digits it has, is an "Internal Error" (2014, place 32
// for "@", 42 for "$").
int32_t* GetScriptVariableAddress(std::string_view name);
// The variable's value; 0 when the name is no variable.
int32_t ReadScriptVariable(std::string_view name);
