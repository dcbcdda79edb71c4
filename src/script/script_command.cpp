#include "script/script_command.h"

CScriptCommand::~CScriptCommand() = default;
