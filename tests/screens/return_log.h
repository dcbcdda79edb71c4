// A plain scene below the one under test that logs the labels it is
// returned to with.
#pragma once

#include <string>
#include <vector>

#include "script/scene.h"

class CReturnLog : public CScene {
public:
    explicit CReturnLog(std::vector<std::string>& log) : log_(log) {}
    void OnReturned(CScene*, std::string label) override { log_.push_back(label); }

private:
    std::vector<std::string>& log_;
};
