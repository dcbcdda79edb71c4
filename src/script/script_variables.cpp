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

int32_t* GetScriptVariableAddress(std::string_view name) {
    if (name.empty() || (name[0] != '@' && name[0] != '$')) return nullptr;
    const bool play = name[0] == '@';
    const int index = VariableIndex(name.substr(1));
    if (index >= kSaveValueCount) {
        ErrorReport(ErrorKind::Internal, kModuleScriptVariables,
                    play ? kPlayVariablePlace : kSystemVariablePlace);
    }
    CSaveState& state = play ? static_cast<CSaveState&>(GetPlayData()) : GetSystemData();
    return &state.vars.values[static_cast<size_t>(index)];
}

int32_t ReadScriptVariable(std::string_view name) {
    const int32_t* variable = GetScriptVariableAddress(name);
    return variable ? *variable : 0;
}
