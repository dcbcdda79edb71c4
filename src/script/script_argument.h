// One argument of a statement as the statement parser asks for it: the kind
// of its reader and the places that receive what it reads. The factories
// pair each kind with places of the right types, so a list given to
// CScriptCompiler::ParseArguments cannot mismatch them.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "graphics/color32.h"
#include "platform/easing.h"
#include "script/argument_kinds.h"

class CScriptArgument {
public:
    static CScriptArgument Number(int32_t& value);
    static CScriptArgument OptionalNumber(bool& given, int32_t& value);
    static CScriptArgument RelativeNumber(int32_t& mode, int32_t& value);
    static CScriptArgument String(std::string& text);
    static CScriptArgument Word(std::string& word);
    static CScriptArgument Path(std::string& path);
    static CScriptArgument Bool(bool& value);
    static CScriptArgument HorizontalPlacement(int32_t& mode, int32_t& value);
    static CScriptArgument VerticalPlacement(int32_t& mode, int32_t& value);
    static CScriptArgument Color(Color32& colour);
    static CScriptArgument Expression(std::string& text);
    static CScriptArgument Easing(EasingCurve& curve);
    static CScriptArgument SoundChannel(int32_t& kind, int32_t& number);
    static CScriptArgument BezierPoints(std::vector<ScriptPoint>& points);
    static CScriptArgument HermitePoints(std::vector<ScriptPoint>& points);

    ArgumentKind Kind() const { return kind_; }

private:
    friend class CScriptCompiler;

    explicit CScriptArgument(ArgumentKind kind) : kind_(kind) {}
    // Gives every place the value of an unset argument: 0, false, empty,
    // no easing.
    void Clear() const;

    ArgumentKind kind_;
    int32_t* first_ = nullptr;  // the value, or the mode or kind before it
    int32_t* second_ = nullptr;
    bool* flag_ = nullptr;
    std::string* text_ = nullptr;
    Color32* colour_ = nullptr;
    EasingCurve* curve_ = nullptr;
    std::vector<ScriptPoint>* points_ = nullptr;
};
