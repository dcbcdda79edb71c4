// One compiled statement: the path of the node it addresses (empty for
// statements that address none, among them every flow and control
// statement) and the command, which the record owns.
#pragma once

#include <memory>
#include <string>

#include "script/script_command.h"

struct CStatementRecord {
    std::string targetPath;
    std::unique_ptr<CScriptCommand> command;
};
