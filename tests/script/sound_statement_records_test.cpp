// What the sound statements and the waits compile to: one row per statement
// with every record's category, kind and fields; the sound ones vanish
// without a sound device while their arguments are still checked.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "media/sound_available.h"
#include "platform/paths.h"
#include "script/script_command_kind.h"
#include "script/sound_animators.h"
#include "script/sound_commands.h"
#include "script/sound_statement.h"
#include "script/wait_action_statement.h"
#include "script/wait_sound_statement.h"
#include "script_fixtures.h"

namespace {

// A file as the script named it, without the script's folder that the path
// argument resolves it against.
std::string FileOf(const std::string& file) {
    const std::string folder = NormalizePath("S/");
    return file.compare(0, folder.size(), folder) == 0 ? file.substr(folder.size()) : "?" + file;
}

std::string DescribeSound(const CSoundCommand& c) {
    std::ostringstream out;
    switch (c.GetKind()) {
        case kKindSoundPlay: {
            const SoundPlayRequest& r = static_cast<const CSoundPlayCommand&>(c).Request();
            out << "play " << FileOf(r.file) << (r.continuePlaying ? " continue" : "") << (r.loop ? " loop" : "")
                << (r.synchronise ? " sync" : "") << " v" << r.volume << " p" << r.pan << " f" << r.frequency;
            break;
        }
        case kKindSoundLoad: out << "load " << FileOf(static_cast<const CSoundLoadCommand&>(c).File()); break;
        case kKindSoundStop: out << "stop"; break;
        case kKindSoundPause: out << "pause"; break;
        case kKindSoundResume: out << "resume"; break;
        case kKindSoundLoop: out << "loop " << static_cast<const CSoundLoopCommand&>(c).Loop(); break;
        case kKindSoundVolume:
        case kKindSoundPan:
        case kKindSoundFrequency: {
            const auto& a = static_cast<const CSoundAnimator&>(c);
            out << (c.GetKind() == kKindSoundVolume ? "volume " : c.GetKind() == kKindSoundPan ? "pan " : "frequency ")
                << a.Target() << " " << a.Counter().GetDuration() << "ms";
            break;
        }
        default: out << "?" << c.GetKind(); break;
    }
    out << " c" << c.GetCategory();
    return out.str();
}

// A record as "<what> c<category>"; a sound statement as
// "<kind>:<channel> <command>".
std::string Describe(const CStatementRecord& record) {
    const CScriptCommand& c = *record.command;
    std::ostringstream out;
    if (!record.targetPath.empty()) out << "@" << record.targetPath << " ";
    switch (c.GetKind()) {
        case kKindSound: {
            const auto& s = static_cast<const CSoundStatement&>(c);
            out << s.ChannelKind() << ":" << s.Channel() << " " << DescribeSound(s.Command())
                << (s.IsInstant() ? "" : " pending");
            break;
        }
        case kKindWaitAction: {
            const auto& w = static_cast<const CWaitActionStatement&>(c);
            out << "waitaction " << w.Path() << " " << w.Selector() << (w.IsInstant() ? " instant" : "");
            break;
        }
        case kKindWaitSound: {
            const auto& w = static_cast<const CWaitSoundStatement&>(c);
            out << "waitsound " << w.Selector() << " " << w.ChannelKind() << ":" << w.Channel()
                << (w.IsInstant() ? " instant" : "");
            break;
        }
        case kKindDraw: out << "draw"; break;
        default: out << "?" << c.GetKind(); break;
    }
    out << " c" << c.GetCategory();
    return out.str();
}

std::vector<std::string> Compile(const std::string& body) { return CompileMainRecords(body, Describe); }

struct RecordCase {
    const char* source;
    std::vector<std::string> records;
    bool needsSound;
};

const RecordCase kCases[] = {
    {R"(WaitAction("a/b");)", {"waitaction a/b 1 c19"}, false},
    {R"(WaitMove("m");)", {"waitaction m 2 c19"}, false},
    {R"(WaitZoom("z");)", {"waitaction z 3 c19"}, false},
    {R"(WaitRotate("r");)", {"waitaction r 4 c19"}, false},
    {R"(WaitOpaque("o");)", {"waitaction o 5 c19"}, false},
    {R"(WaitEffect("*/e");)", {"waitaction */e 6 c19"}, false},
    {R"(WaitPlay(SE3);)", {"waitsound 0 1:3 c19"}, true},
    {R"(WaitVolume(BGM);)", {"waitsound 1 2:0 c19"}, true},
    {R"(WaitPan(VOICE12);)", {"waitsound 2 3:12 c19"}, true},
    {R"(WaitFrequency(CD);)", {"waitsound 3 4:0 c19"}, true},
    {R"(SoundLoad(VOICE1, "v.ogg");)", {"3:1 load v.ogg c13 c19"}, true},
    {R"(SoundPlay(SE2, "a.wav");)", {"1:2 play a.wav v0 p0 f0 c13 c19"}, true},
    {R"(SoundPlay(BGM2, "a.ogg");)", {"2:2 play a.ogg loop v0 p0 f0 c13 c19"}, true},
    {R"(SoundPlayEx(SE1, "a.wav", 500, -1000, 2000, true);)", {"1:1 play a.wav loop v-5000 p-10000 f2000 c13 c19"},
     true},
    {R"(SoundPlayEx(BGM1, "a.wav", 0, 1000, 0, false);)", {"2:1 play a.wav v-10000 p10000 f0 c13 c19"}, true},
    {R"(SoundContinue(BGM0, "m.ogg");)", {"2:0 play m.ogg continue loop v0 p0 f0 c13 c19"}, true},
    {R"(SoundContinueEx(VOICE0, "m.ogg", 1000, 0, 500, true);)",
     {"3:0 play m.ogg continue loop v0 p0 f500 c13 c19"}, true},
    {R"(SoundSynchronizePlay(BGM0, "m.ogg");)", {"2:0 play m.ogg loop sync v0 p0 f0 c13 c19", "draw c19"}, true},
    {R"(SoundSynchronizePlayEx(SE0, "m.ogg", 800, 10, 0, false);)",
     {"1:0 play m.ogg sync v-2000 p100 f0 c13 c19", "draw c19"}, true},
    {R"(SoundStop(SE1);)", {"1:1 stop c13 c19"}, true},
    {R"(SoundPause(BGM1);)", {"2:1 pause c13 c19"}, true},
    {R"(SoundResume(VOICE1);)", {"3:1 resume c13 c19"}, true},
    {R"(SoundVolume(BGM0, 1500, 250);)", {"2:0 volume -7500 1500ms c14 c19"}, true},
    {R"(SoundPan(SE0, 300, -500);)", {"1:0 pan -5000 300ms c15 c19"}, true},
    {R"(SoundFrequency(SE0, 0, 1500);)", {"1:0 frequency 1500 0ms c16 c19"}, true},
    {R"(SoundLoop(BGM3, false);)", {"2:3 loop 0 c13 c19"}, true},
    {R"(PlaySound("s.wav");)", {"1:0 play s.wav v0 p0 f0 c13 c19"}, true},
    {R"(PlayMusic("m.ogg");)", {"2:0 play m.ogg loop v0 p0 f0 c13 c19"}, true},
};

class SoundStatementRecords : public testing::Test {
protected:
    void TearDown() override { SetSoundAvailable(previous_); }
    bool previous_ = IsSoundAvailable();
};

TEST_F(SoundStatementRecords, EachRowBuildsItsRecordsWithASoundDevice) {
    SetSoundAvailable(true);
    for (const RecordCase& c : kCases) EXPECT_EQ(Compile(c.source), c.records) << c.source;
}

TEST_F(SoundStatementRecords, WithoutASoundDeviceOnlyTheNodeWaitsAreBuiltAndLabelsFollow) {
    SetSoundAvailable(false);
    for (const RecordCase& c : kCases) {
        EXPECT_EQ(Compile(c.source), c.needsSound ? std::vector<std::string>() : c.records) << c.source;
        CScriptUnit unit;
        CScriptCache classes;
        ASSERT_TRUE(CompiledClean(
            CompileGuarded(std::string("page Main { ") + c.source + " label After; Draw(); }", unit, classes)));
        EXPECT_EQ(unit.FindPage("Main")->Labels()["After"], c.needsSound ? 0 : 1) << c.source;
    }
}

TEST_F(SoundStatementRecords, VolumeAndPanAreHeldToTheIntegerRange) {
    struct Row {
        int32_t script, volume, pan;
    };
    const Row rows[] = {
        {1000, 0, 10000},
        {0, -10000, 0},
        {-1000, -20000, -10000},
        {2147483647, 2147483647, 2147483647},
        {-2147483647 - 1, -2147483647 - 1, -2147483647 - 1},
        {214748364, 2147473640, 2147483640},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ScriptSoundVolume(row.script), row.volume) << row.script;
        EXPECT_EQ(ScriptSoundPan(row.script), row.pan) << row.script;
    }
}

TEST_F(SoundStatementRecords, ArgumentsAreCheckedWithOrWithoutASoundDevice) {
    for (bool available : {true, false}) {
        SetSoundAvailable(available);
        for (const char* source : {R"(SoundPlay(SE1);)", R"(SoundPlay(SE1, "a.wav", 1);)", R"(WaitPlay("SE1");)",
                                   R"(SoundVolume(SE1, 100);)", R"(PlayMusic("a", "b");)", R"(WaitMove("a", 1);)",
                                   R"(SoundStop(SE1))"}) {
            CScriptUnit unit;
            CScriptCache classes;
            EXPECT_TRUE(FailedWith(CompileGuarded(std::string("page Main { ") + source + " }", unit, classes),
                                   ErrorKind::Script, kModuleScriptCompiler, 99))
                << source << (available ? " with" : " without") << " a sound device";
        }
    }
}

TEST_F(SoundStatementRecords, ClonesCarryTheirCommand) {
    SetSoundAvailable(true);
    CSoundStatement statement(2, 7, std::make_unique<CSoundVolumeCommand>(-300, 40));
    std::unique_ptr<CScriptStatement> clone = statement.Clone();
    CStatementRecord record{"", std::move(clone)};
    EXPECT_EQ(Describe(record), "2:7 volume -300 40ms c14 c19");
}

}  // namespace
