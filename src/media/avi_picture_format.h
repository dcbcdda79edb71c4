// The picture decoders behind both movie players (the Video for Windows
// codecs with DrawDib, and DirectShow's parser) trust a picture stream's
// format record: a header that claims more than its record, a size no movie
// has, a block codec's picture that is not made of whole blocks, a colour
// table past the record, a frame shorter than its picture or another codec's
// frames under a compression's name make them write where they must not,
// abort or wait forever, and a compression without a decoder here leaves
// DirectShow waiting. Only formats that pass this check reach them.
#pragma once

#include <string>

#include "media/avi_file_check.h"

// True when both players can show the picture stream of the file at path
// safely: its format record, its frame chunks and, where the compression
// names the picture in each frame, its first frame agree.
bool IsShowablePicture(const std::string& path, const AviStreamLayout& stream, AviMovieSize size);
