#include "script/script_variables.h"

#include "platform/error_report.h"
#include "platform/global_state.h"
#include "platform/save_data.h"

namespace {

constexpr int kPlayVariablePlace = 32;
constexpr int kSystemVariablePlace = 42;

// The number after the sign, held at kSaveValueCount once it gets there so
// that no run of digits wraps back into the table.
int VariableIndex(std::string_view digits) {
    int index = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') break;
        index = index * 10 + (c - '0');
        if (index >= kSaveValueCount) return kSaveValueCount;
    }
    return index;
}

}  // namespace

ScriptVariableRef ResolveScriptVariable(std::string_view name) {
    if (name.empty() || (name[0] != '@' && name[0] != '$')) return {ScriptVariableTable::None, 0};
    return {name[0] == '@' ? ScriptVariableTable::Play : ScriptVariableTable::System,
            VariableIndex(name.substr(1))};
}

int32_t* ScriptVariableAddress(ScriptVariableRef ref) {
    if (ref.table == ScriptVariableTable::None) return nullptr;
    const bool play = ref.table == ScriptVariableTable::Play;
    if (ref.index >= kSaveValueCount) {
        ErrorReport(ErrorKind::Internal, kModuleScriptVariables,
                    play ? kPlayVariablePlace : kSystemVariablePlace);
    }
    CSaveState& state = play ? static_cast<CSaveState&>(GetPlayData()) : GetSystemData();
    return &state.vars.values[static_cast<size_t>(ref.index)];
}

int32_t* GetScriptVariableAddress(std::string_view name) {
    return ScriptVariableAddress(ResolveScriptVariable(name));
}

int32_t ReadScriptVariable(std::string_view name) {
    const int32_t* variable = GetScriptVariableAddress(name);
    return variable ? *variable : 0;
}
