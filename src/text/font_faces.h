// The two face names of the game's text, as GDI knows them (Shift-JIS).
#pragma once

extern const char* const kGothicFaceName;  // "ＭＳ ゴシック"
extern const char* const kMinchoFaceName;  // "ＭＳ 明朝"
