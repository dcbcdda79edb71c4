// The one fatal-error path of the program: a system-modal box with a caption,
// a Japanese message and the code "1.0.5 <module> - <place>", then a thrown
// CInternalError that unwinds to the application's run loop.
#pragma once

#include <string>

class CInternalError {};

// The nine kinds of fatal error, each with its caption and Japanese message.
enum class ErrorKind {
    Internal,
    Warning,
    FileIO,
    Sound,
    Graphic,
    Movie,
    Script,
    DirectDraw,
    OS,
};

// Source units named in error codes, so a player's report of "Code: 1.0.5
// 2049 - 115" leads straight to the unit that raised it.
enum ErrorModule : int {
    kModuleDisplayDevice = 1000,
    kModuleDataFile = 1002,
    kModuleAviMovie = 1003,
    kModuleAviFrameDrawer = 1004,
    kModuleDirectShowMovie = 1005,
    kModuleFont = 1008,
    kModuleSurface = 1010,
    kModuleVideoSurface = 1014,
    kModuleDirectDraw = 1015,
    kModuleMovieFactory = 1016,
    kModuleAviAudioStreamer = 1017,
    kModuleAnimationNode = 2000,
    kModuleSoundSource = 2001,
    kModuleStreamingBuffer = 2002,
    kModuleNoiseCutBuffer = 2003,
    kModuleBalloon = 2004,
    kModuleBalloonPainting = 2005,
    kModuleSoundGroup = 2006,
    kModuleClassNode = 2007,
    kModuleNode = 2008,
    kModuleMovePlacement = 2009,
    kModuleScene = 2010,
    kModuleWaitStatement = 2011,
    kModuleTransition = 2012,
    kModuleEffectNode = 2013,
    kModuleScriptVariables = 2014,
    kModulePictureNode = 2016,
    kModuleHitLineMaskNode = 2017,
    kModuleMovieNode = 2018,
    kModuleOutlineNode = 2020,
    kModuleScriptUnitPage = 2022,
    kModuleScriptCache = 2023,
    kModuleScriptCompiler = 2024,
    kModuleScriptExecutor = 2026,
    kModuleInGameMenu = 2028,
    kModuleLoadScreen = 2029,
    kModuleSaveScreen = 2031,
    kModuleSoundCommand = 2034,
    kModuleScriptPageNode = 2035,
    kModuleTextNode = 2036,
    kModuleTokenizer = 2037,
    kModuleMessageBroadcaster = 2038,
    kModuleWindowNode = 2039,
    kModuleScriptUnitStatement = 2040,
    kModuleGallery = 2042,
    kModuleMemoryReader = 2044,
    kModuleOneShotBuffer = 2045,
    kModuleSoundHandle = 2046,
    kModuleChannelVoice = 2047,
    kModuleThread = 2048,
    kModuleMainWindow = 2049,
};

// Everything one error box says.
struct ErrorBox {
    ErrorKind kind;
    int module;
    int place;
    bool hasCode;  // the text carries " [code]"
    long code;
    std::string caption;  // Shift-JIS
    std::string text;     // Shift-JIS, the whole box text
};

const char* ErrorCaption(ErrorKind kind);
const char* ErrorMessage(ErrorKind kind);

// "caption\nmessage\nCode: 1.0.5 module - place", and " [code]" when given.
ErrorBox MakeErrorBox(ErrorKind kind, int module, int place);
ErrorBox MakeErrorBox(ErrorKind kind, int module, int place, long code);

// Shows the box through the current reporter, then throws CInternalError.
[[noreturn]] void ErrorReport(ErrorKind kind, int module, int place);
[[noreturn]] void ErrorReport(ErrorKind kind, int module, int place, long code);

// The box of an exhausted heap: "メモリエラー", shown where the game catches
// std::bad_alloc.
void ShowOutOfMemoryBox();

// The reporter shows the box. The program always uses the real one
// (ShowErrorBox); tests install a recorder so no modal box blocks a run.
using ErrorReporter = void (*)(const ErrorBox&);
void ShowErrorBox(const ErrorBox& box);
ErrorReporter SetErrorReporter(ErrorReporter reporter);
