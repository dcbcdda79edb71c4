// The outside world the game main reaches: the clock that paces frames and
// pauses, the display hardware, the mouse cursor and the program starter.
// The program uses the system's; tests stand in for them.
#pragma once

#include <cstdint>

class CClock;
class CCursorReader;
class CDisplayDriver;
class CProcessStarter;

// The voice that a music-synchronised frame clock follows.
class CSyncVoiceReader {
public:
    virtual ~CSyncVoiceReader() = default;
    // The position in milliseconds of the voice on the channel of the group
    // of that SoundChannelKind; false when the group or the channel is
    // missing or its voice is not playing.
    virtual bool ReadPlayingPosition(int groupKind, int channel, uint32_t* position) = 0;
};

struct CGameServices {
    CClock* clock;
    CDisplayDriver* displayDriver;
    CCursorReader* cursor;
    CProcessStarter* processes;
    // Null: the voices of the game main's own scene host.
    CSyncVoiceReader* syncVoices;
};

CGameServices SystemGameServices();
