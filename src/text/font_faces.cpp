#include "text/font_faces.h"

const char* const kGothicFaceName = "ＭＳ ゴシック";
const char* const kMinchoFaceName = "ＭＳ 明朝";
