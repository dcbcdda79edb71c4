// Where the markup parser and the layout report their errors: markup errors
// are "Script Error" boxes, layout errors "Internal Error" boxes, all under
// the text node's module number.
#pragma once

#include "platform/error_report.h"

[[noreturn]] inline void MarkupError(int place) { ErrorReport(ErrorKind::Script, kModuleTextNode, place); }
[[noreturn]] inline void LayoutError(int place) { ErrorReport(ErrorKind::Internal, kModuleTextNode, place); }
