// AVIFile trusts the sizes in a file, and reads a file without an index
// through a null pointer: a file cut short, with a chunk that claims more than
// it holds or without an index makes it read where it must not. The check
// walks the RIFF structure first, so only whole, indexed files reach it.
#pragma once

#include <string>

// True when every RIFF chunk at the top of the file, every chunk of each of
// their lists and every chunk of the "movi" lists lie inside their parents
// and the file, and the file has an index.
bool IsWholeAviFile(const std::string& path);
