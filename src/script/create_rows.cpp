#include "script/create_rows.h"


#include "platform/paths.h"
#include "scene/animation_node.h"
#include "scene/button_node.h"
#include "scene/class_node.h"
#include "scene/color_node.h"
#include "scene/composite/frame_node.h"
#include "scene/composite/hit_node.h"
#include "scene/composite/line_node.h"
#include "scene/composite/mask_node.h"
#include "scene/composite/outline_node.h"
#include "scene/composite/outline_style.h"
#include "scene/composite/standard_button_node.h"
#include "scene/effect_node.h"
#include "scene/image_node.h"
#include "scene/node_3d.h"
#include "scene/movie_node.h"
#include "scene/scene_node.h"
#include "scene/window_node.h"
#include "text/balloon/balloon_node.h"
#include "text/balloon/balloon_shape.h"
#include "text/dynamic_text_node.h"
#include "script/pack_color.h"
#include "text/text_node.h"

namespace {

// The six blend names with their colour-node and picture-node codes.
struct BlendName {
    const char* name;
    int colourCode;
    int pictureCode;
};

constexpr BlendName kBlendNames[] = {
    {"Normal", 0, 0}, {"Add", 1, 2}, {"Sub", 2, 3}, {"Multiply", 3, 4}, {"Screen", 4, 5}, {"Overlay", 5, 6},
};

const BlendName* FindBlend(const std::string& name) {
    for (const BlendName& blend : kBlendNames) {
        if (name == blend.name) return &blend;
    }
    return nullptr;
}

std::unique_ptr<CNode> BuildNode(int32_t z, const CreateValues&) { return std::make_unique<CSceneNode>(0, 0, z); }

std::unique_ptr<CNode> BuildColor(int32_t z, const CreateValues& v) {
    return std::make_unique<CColorNode>(0, 0, z, v.numbers[0], v.numbers[1], v.colours[0], 0);
}

std::unique_ptr<CNode> BuildColorEx(int32_t z, const CreateValues& v) {
    return std::make_unique<CColorNode>(0, 0, z, v.numbers[0], v.numbers[1], v.colours[0],
                                        ColorBlendCode(v.strings[0]));
}

std::unique_ptr<CNode> BuildImage(int32_t z, const CreateValues& v) {
    return std::make_unique<CImageNode>(0, 0, z, v.paths[0], 0);
}

std::unique_ptr<CNode> BuildImageEx(int32_t z, const CreateValues& v) {
    return std::make_unique<CImageNode>(0, 0, z, v.paths[0], PictureBlendCode(v.strings[0]));
}

std::unique_ptr<CNode> BuildMovie(int32_t z, const CreateValues& v) {
    return std::make_unique<CMovieNode>(0, 0, z, v.paths[0], 0);
}

std::unique_ptr<CNode> BuildAnimation(int32_t z, const CreateValues& v) {
    return std::make_unique<CAnimationNode>(0, 0, z, v.paths[0], 0);
}

std::unique_ptr<CNode> BuildAnimationEx(int32_t z, const CreateValues& v) {
    return std::make_unique<CAnimationNode>(0, 0, z, v.paths[0], PictureBlendCode(v.strings[0]));
}

std::unique_ptr<CNode> Build3D(int32_t z, const CreateValues& v) {
    return std::make_unique<CNode3D>(0, 0, z, v.paths[0]);
}

std::unique_ptr<CNode> BuildWindow(int32_t z, const CreateValues& v) {
    return std::make_unique<CWindowNode>(0, 0, z, v.numbers[0], v.numbers[1], v.flags[0]);
}

std::unique_ptr<CNode> BuildEffect(int32_t z, const CreateValues& v) {
    return std::make_unique<CEffectNode>(0, 0, z, v.numbers[0], v.numbers[1], ParseEffectKind(v.strings[0]));
}

std::unique_ptr<CNode> BuildClass(int32_t z, const CreateValues& v) {
    return std::make_unique<CClassNode>(0, 0, z, v.strings[0]);
}

std::unique_ptr<CNode> BuildButton(int32_t z, const CreateValues& v) {
    return std::make_unique<CButtonNode>(0, 0, z, v.strings[0]);
}

// A file argument of a standard button, resolved against the base path as
// any path argument, except that an empty one stays empty: the state, or the
// sound, is then left out instead of naming the script's folder.
std::string ResolvedUnlessEmpty(const CreateValues& v, int slot) {
    return v.strings[slot].empty() ? std::string() : ResolvePath(v.basePath, v.strings[slot]);
}

// Script order: class, the Normal, Highlight, Down and Invalid pictures, the
// sound, the command; the node takes the command second.
std::unique_ptr<CNode> BuildStandardButton(int32_t z, const CreateValues& v) {
    return std::make_unique<CStandardButtonNode>(0, 0, z, v.strings[0], v.strings[6], ResolvedUnlessEmpty(v, 1),
                                                 ResolvedUnlessEmpty(v, 2), ResolvedUnlessEmpty(v, 3),
                                                 ResolvedUnlessEmpty(v, 4), ResolvedUnlessEmpty(v, 5));
}

// The quoted string before the colour is read and not used: script lines
// are always closed.
std::unique_ptr<CNode> BuildLine(int32_t z, const CreateValues& v) {
    return std::make_unique<CLineNode>(0, 0, z, kLineClosed, v.colours[0]);
}

std::unique_ptr<CNode> BuildMask(int32_t z, const CreateValues& v) {
    return std::make_unique<CMaskNode>(0, 0, z, v.paths[0], v.flags[0]);
}

std::unique_ptr<CNode> BuildHit(int32_t z, const CreateValues& v) {
    return std::make_unique<CHitNode>(0, 0, z, v.numbers[0], v.numbers[1]);
}

// The plain outline and frame forms: a Fade border, opaque white, 8 pixels
// wide.
constexpr Color32 kPlainBorderColour = PackColor(255, 255, 255, 255);
constexpr int kPlainBorderThickness = 8;

std::unique_ptr<CNode> BuildOutline(int32_t z, const CreateValues& v) {
    return std::make_unique<COutlineNode>(0, 0, z, v.numbers[0], v.numbers[1], kOutlineFade, kPlainBorderColour,
                                          kPlainBorderThickness);
}

std::unique_ptr<CNode> BuildOutlineEx(int32_t z, const CreateValues& v) {
    return std::make_unique<COutlineNode>(0, 0, z, v.numbers[0], v.numbers[1], ParseOutlineStyle(v.strings[0]),
                                          v.colours[0], v.numbers[2]);
}

std::unique_ptr<CNode> BuildFrame(int32_t z, const CreateValues& v) {
    return std::make_unique<CFrameNode>(0, 0, z, v.paths[0], kOutlineFade, kPlainBorderColour,
                                        kPlainBorderThickness);
}

std::unique_ptr<CNode> BuildFrameEx(int32_t z, const CreateValues& v) {
    return std::make_unique<CFrameNode>(0, 0, z, v.paths[0], ParseOutlineStyle(v.strings[0]), v.colours[0],
                                        v.numbers[0]);
}

// The text settings every text statement passes on after the text: an
// argument the node does not use, size 16, style Normal, the file's base
// text interval and speed 200.
constexpr int kTextSize = 16;
constexpr int kTextSpeed = 200;

std::unique_ptr<CNode> BuildText(int32_t z, const CreateValues& v) {
    auto text = std::make_unique<CTextNode>(0, 0, z, v.numbers[0], v.numbers[1], v.strings[0], 0, kTextSize,
                                            kTypeNormal, v.baseTextInterval, kTextSpeed);
    text->SetBaseDirectory(v.basePath);
    return text;
}

// The plain balloon: a Fade edge, black, around translucent white.
constexpr int kBalloonEdgeStyle = kStyleFade;
constexpr Color32 kBalloonFill = 0xF2FFFFFF;
constexpr Color32 kBalloonEdge = 0xFF000000;

// The tail angle is "number or invalid": a number switches the tail on.
std::unique_ptr<CNode> MakeBalloon(int32_t z, const CreateValues& v, int edgeStyle, Color32 fill, Color32 edge) {
    auto balloon = std::make_unique<CBalloonNode>(0, 0, z, v.numbers[0], v.numbers[1], FindShapeCode(v.strings[0]),
                                                  v.flags[0], v.numbers[2], v.strings[1], 0, kTextSize, kTypeNormal,
                                                  v.baseTextInterval, kTextSpeed, edgeStyle, fill, edge);
    balloon->SetBaseDirectory(v.basePath);
    return balloon;
}

std::unique_ptr<CNode> BuildBalloon(int32_t z, const CreateValues& v) {
    return MakeBalloon(z, v, kBalloonEdgeStyle, kBalloonFill, kBalloonEdge);
}

std::unique_ptr<CNode> BuildBalloonEx(int32_t z, const CreateValues& v) {
    return MakeBalloon(z, v, ParseBalloonStyle(v.strings[2]), v.colours[0], v.colours[1]);
}

std::unique_ptr<CNode> BuildDynamicText(int32_t z, const CreateValues& v) {
    auto text = std::make_unique<CDynamicTextNode>(0, 0, z, v.numbers[0], v.numbers[1]);
    text->SetBaseDirectory(v.basePath);
    return text;
}

const CreateRow kCreateRows[] = {
    {"CreateNode", {}, BuildNode},
    {"CreateColor", {kArgumentNumber, kArgumentNumber, kArgumentColor}, BuildColor},
    {"CreateColorEx", {kArgumentNumber, kArgumentNumber, kArgumentColor, kArgumentString}, BuildColorEx},
    {"CreateImage", {kArgumentPath}, BuildImage},
    {"CreateImageEx", {kArgumentPath, kArgumentString}, BuildImageEx},
    {"CreateMovie", {kArgumentPath}, BuildMovie},
    {"CreateAnimation", {kArgumentPath}, BuildAnimation},
    {"CreateAnimationEx", {kArgumentPath, kArgumentString}, BuildAnimationEx},
    {"CreateWindow", {kArgumentNumber, kArgumentNumber, kArgumentBool}, BuildWindow},
    {"CreateEffect", {kArgumentNumber, kArgumentNumber, kArgumentString}, BuildEffect},
    {"CreateClass", {kArgumentString}, BuildClass},
    {"CreateButton", {kArgumentString}, BuildButton},
    {"CreateStandardButton",
     {kArgumentString, kArgumentString, kArgumentString, kArgumentString, kArgumentString, kArgumentString,
      kArgumentString},
     BuildStandardButton},
    {"CreateLine", {kArgumentString, kArgumentColor}, BuildLine},
    {"CreateMask", {kArgumentPath, kArgumentBool}, BuildMask},
    {"CreateHit", {kArgumentNumber, kArgumentNumber}, BuildHit},
    {"CreateOutline", {kArgumentNumber, kArgumentNumber}, BuildOutline},
    {"CreateOutlineEx", {kArgumentNumber, kArgumentNumber, kArgumentString, kArgumentColor, kArgumentNumber},
     BuildOutlineEx},
    {"CreateFrame", {kArgumentPath}, BuildFrame},
    {"CreateFrameEx", {kArgumentPath, kArgumentString, kArgumentColor, kArgumentNumber}, BuildFrameEx},
    {"CreateText", {kArgumentNumber, kArgumentNumber, kArgumentString}, BuildText},
    {"CreateBalloon", {kArgumentNumber, kArgumentNumber, kArgumentString, kArgumentOptionalNumber, kArgumentString},
     BuildBalloon},
    {"CreateBalloonEx",
     {kArgumentNumber, kArgumentNumber, kArgumentString, kArgumentOptionalNumber, kArgumentString, kArgumentString,
      kArgumentColor, kArgumentColor},
     BuildBalloonEx},
    {"CreateDynamicText", {kArgumentNumber, kArgumentNumber}, BuildDynamicText},
    {"Create3D", {kArgumentPath}, Build3D},
};

}  // namespace

const CreateRow* FindCreateRow(const std::string& statement) {
    for (const CreateRow& row : kCreateRows) {
        if (statement == row.statement) return &row;
    }
    return nullptr;
}

int ColorBlendCode(const std::string& name) {
    const BlendName* blend = FindBlend(name);
    return blend ? blend->colourCode : 0;
}

int PictureBlendCode(const std::string& name) {
    const BlendName* blend = FindBlend(name);
    return blend ? blend->pictureCode : 0;
}
