// The picture decoders behind both movie players (the Video for Windows
// codecs with DrawDib, and DirectShow's parser) trust a picture stream's
// format record: a header that claims more than its record, a size no movie
// has, a block codec's picture that is not made of whole blocks, a colour
// table past the record or a frame shorter than its picture makes them write
// where they must not, abort or wait forever, and a compression without a
// decoder here leaves DirectShow waiting. Only formats that pass this check
// reach them.
#pragma once

#include <cstdint>
#include <vector>

#include "media/avi_file_check.h"

// True when both players can show the picture stream of this format record
// and these frame chunks safely.
bool IsShowablePicture(const std::vector<uint8_t>& format, const std::vector<AviChunk>& chunks, AviMovieSize size);
