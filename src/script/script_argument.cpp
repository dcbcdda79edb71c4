#include "script/script_argument.h"

CScriptArgument CScriptArgument::Number(int32_t& value) {
    CScriptArgument argument(kArgumentNumber);
    argument.first_ = &value;
    return argument;
}

CScriptArgument CScriptArgument::OptionalNumber(bool& given, int32_t& value) {
    CScriptArgument argument(kArgumentOptionalNumber);
    argument.flag_ = &given;
    argument.first_ = &value;
    return argument;
}

CScriptArgument CScriptArgument::RelativeNumber(int32_t& mode, int32_t& value) {
    CScriptArgument argument(kArgumentRelativeNumber);
    argument.first_ = &mode;
    argument.second_ = &value;
    return argument;
}

CScriptArgument CScriptArgument::String(std::string& text) {
    CScriptArgument argument(kArgumentString);
    argument.text_ = &text;
    return argument;
}

CScriptArgument CScriptArgument::Word(std::string& word) {
    CScriptArgument argument(kArgumentWord);
    argument.text_ = &word;
    return argument;
}

CScriptArgument CScriptArgument::Path(std::string& path) {
    CScriptArgument argument(kArgumentPath);
    argument.text_ = &path;
    return argument;
}

CScriptArgument CScriptArgument::Bool(bool& value) {
    CScriptArgument argument(kArgumentBool);
    argument.flag_ = &value;
    return argument;
}

CScriptArgument CScriptArgument::HorizontalPlacement(int32_t& mode, int32_t& value) {
    CScriptArgument argument(kArgumentHorizontalPlacement);
    argument.first_ = &mode;
    argument.second_ = &value;
    return argument;
}

CScriptArgument CScriptArgument::VerticalPlacement(int32_t& mode, int32_t& value) {
    CScriptArgument argument(kArgumentVerticalPlacement);
    argument.first_ = &mode;
    argument.second_ = &value;
    return argument;
}

CScriptArgument CScriptArgument::Color(Color32& colour) {
    CScriptArgument argument(kArgumentColor);
    argument.colour_ = &colour;
    return argument;
}

CScriptArgument CScriptArgument::Expression(std::string& text) {
    CScriptArgument argument(kArgumentExpression);
    argument.text_ = &text;
    return argument;
}

CScriptArgument CScriptArgument::Easing(EasingCurve& curve) {
    CScriptArgument argument(kArgumentEasing);
    argument.curve_ = &curve;
    return argument;
}

CScriptArgument CScriptArgument::SoundChannel(int32_t& kind, int32_t& number) {
    CScriptArgument argument(kArgumentSoundChannel);
    argument.first_ = &kind;
    argument.second_ = &number;
    return argument;
}

CScriptArgument CScriptArgument::BezierPoints(std::vector<ScriptPoint>& points) {
    CScriptArgument argument(kArgumentBezierPoints);
    argument.points_ = &points;
    return argument;
}

CScriptArgument CScriptArgument::HermitePoints(std::vector<ScriptPoint>& points) {
    CScriptArgument argument(kArgumentHermitePoints);
    argument.points_ = &points;
    return argument;
}

void CScriptArgument::Clear() const {
    if (first_) *first_ = 0;
    if (second_) *second_ = 0;
    if (flag_) *flag_ = false;
    if (text_) text_->clear();
    if (colour_) *colour_ = 0;
    if (curve_) *curve_ = nullptr;
    if (points_) points_->clear();
}
