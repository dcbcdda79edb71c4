#include <gtest/gtest.h>

#include <random>

#include "buffer_fixture.h"
#include "media/stream_buffer.h"

namespace {

// Twenty seconds of random operations on three streams under the real timer:
// no box and no hang, and afterwards every stream plays from its start again.
TEST(StreamStress, RandomOperationsOnThreeStreamsUnderTheRealTimer) {
    CSoundDeviceUse use;
    ASSERT_NE(GetDirectSound(), nullptr);
    CSoundArchive archive;
    const uint32_t lengths[3] = {2000, 3300, 5000};
    archive.PutAll({{"a.wav", RampWave(22050, lengths[0])},
                    {"b.wav", RampWave(22050, lengths[1])},
                    {"c.wav", RampWave(22050, lengths[2])}},
                   2);
    CWaveSource sources[3];
    std::unique_ptr<CStreamBuffer> streams[3];
    const char* names[3] = {"D/a.wav", "D/b.wav", "D/c.wav"};
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(sources[i].Open(names[i]), 1);
        streams[i] = std::make_unique<CStreamBuffer>();
        ASSERT_EQ(streams[i]->Open(&sources[i]), 1);
    }

    std::mt19937 random(20261210);
    DWORD start = timeGetTime();
    int operations = 0;
    while (timeGetTime() - start < 20000) {
        CStreamBuffer& stream = *streams[random() % 3];
        switch (random() % 9) {
            case 0:
            case 1: stream.Play(); break;
            case 2: stream.Stop(); break;
            case 3: stream.Pause(); break;
            case 4: stream.Resume(); break;
            case 5: stream.SetMute(!stream.IsMuted()); break;
            case 6: stream.SetLoop(random() % 2 == 0); break;
            case 7: stream.SetPauseWhenMuted(random() % 4 != 0); break;
            default: stream.GetPosition();
        }
        ++operations;
        ASSERT_TRUE(RecordedErrors().empty()) << "after " << operations << " operations";
        Sleep(random() % 20);
    }
    EXPECT_GT(operations, 1000);

    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(names[i]);
        CStreamBuffer& stream = *streams[i];
        stream.Stop();
        stream.SetMute(false);
        stream.Play();
        IDirectSoundBuffer* ds = stream.GetDirectSoundBuffer();
        ds->Stop();
        Bytes ring = BufferBytes(ds);
        ASSERT_EQ(ring.size(), 44100u * 4);
        for (uint32_t frame = 0; frame < 44100; frame += 97)
            ASSERT_EQ(RampFrame(&ring[frame * 4]), frame % (lengths[i] * 2205 / 100)) << "ring frame " << frame;
        stream.Stop();
    }
    EXPECT_TRUE(RecordedErrors().empty());
}

}  // namespace
