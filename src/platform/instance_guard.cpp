#include "platform/instance_guard.h"

#include <windows.h>

#include "platform/program_instance.h"
#include "platform/running_instance.h"
#include "platform/sjis.h"

std::string MakeInstanceMutexName(const std::string& programPath) {
    std::string name = programPath;
    for (size_t i = 0; i < name.size(); i += SjisCharacterLength(name, i)) {
        if (name[i] == '\\') name[i] = '+';
    }
    return name;
}

CInstanceGuard::CInstanceGuard() : firstInstance_(true) {
    // One byte more than the name can fill: a name cut at MAX_PATH
    // characters still ends with a NUL.
    char path[MAX_PATH + 1] = {};
    GetModuleFileNameA(GetProgramInstance(), path, MAX_PATH);
    if (Create(MakeInstanceMutexName(path))) {
        firstInstance_ = false;
        ActivateRunningInstance(path);
    }
}
