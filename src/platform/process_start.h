// Starts another program, such as the text viewer for the read-me file.
#pragma once

#include <string>

// Starts the command line (the program and its arguments) with this
// process's environment and current directory; with wait set, returns only
// once the started process has ended. 0 started, 1 when it could not start.
int RunProcessAndWait(const std::string& commandLine, bool wait);

// Starts programs for the game window's menu; tests put a recorder in, so
// they never start a real editor.
class CProcessStarter {
public:
    virtual ~CProcessStarter() = default;
    // As RunProcessAndWait.
    virtual int Start(const std::string& commandLine, bool wait) = 0;
};

// RunProcessAndWait itself.
CProcessStarter& SystemProcessStarter();
