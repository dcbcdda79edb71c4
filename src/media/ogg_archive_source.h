// An Ogg Vorbis sound read as a stream from the game's archives.
#pragma once

#include "media/ogg_file_source.h"
#include "platform/data_file.h"

class COggArchiveSource : public COggFileSource {
public:
    COggArchiveSource();
    ~COggArchiveSource() override;

    // Every fault is a box: the file missing, not Vorbis, or unplayable.
    int Open(const char* name) override;

private:
    CDataFile file_;
};
