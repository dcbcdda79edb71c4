#include "script/script_host.h"

CScriptHost::~CScriptHost() = default;

void CScriptHost::HandleEventName(std::string) {}
