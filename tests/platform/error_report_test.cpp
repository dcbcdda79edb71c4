#include "platform/error_report.h"

#include <gtest/gtest.h>

#include <string>

#include "support/error_recorder.h"

namespace {

struct KindText {
    ErrorKind kind;
    const char* caption;
    const char* message;  // Shift-JIS bytes, written out so the encoding is checked too
};

const KindText kKinds[] = {
    {ErrorKind::Internal, "Internal Error",
     "\x93\xe0\x95\x94\x82\xc5\x95s\x90\xb3\x82\xc8\x8f\x88\x97\x9d\x82\xf0\x8ds\x82\xa2\x82\xdc\x82\xb5\x82\xbd"},  // 内部で不正な処理を行いました
    {ErrorKind::Warning, "Warning",
     "\x93\xe0\x95\x94\x82\xc5\x8a\xeb\x8c\xaf\x82\xc8\x8f\x88\x97\x9d\x82\xf0\x8ds\x82\xa2\x82\xdc\x82\xb5\x82\xbd"},  // 内部で危険な処理を行いました
    {ErrorKind::FileIO, "FileI/O Error",
     "\x83t\x83@\x83" "C\x83\x8b\x8f\x88\x97\x9d\x92\x86\x82\xc9\x95s\x90\xb3\x82\xc8\x8f\x88\x97\x9d\x82\xf0\x8ds\x82\xa2\x82\xdc\x82\xb5\x82\xbd"},  // ファイル処理中に不正な処理を行いました
    {ErrorKind::Sound, "Sound Error",
     "\x83T\x83" "E\x83\x93\x83h\x8f\x88\x97\x9d\x92\x86\x82\xc9\x95s\x90\xb3\x82\xc8\x8f\x88\x97\x9d\x82\xf0\x8ds\x82\xa2\x82\xdc\x82\xb5\x82\xbd"},  // サウンド処理中に不正な処理を行いました
    {ErrorKind::Graphic, "Graphic Error",
     "\x83O\x83\x89\x83t\x83" "B\x83" "b\x83N\x8f\x88\x97\x9d\x92\x86\x82\xc9\x95s\x90\xb3\x82\xc8\x8f\x88\x97\x9d\x82\xf0\x8ds\x82\xa2\x82\xdc\x82\xb5\x82\xbd"},  // グラフィック処理中に不正な処理を行いました
    {ErrorKind::Movie, "Movie Error",
     "\x83\x80\x81[\x83r\x81[\x8f\x88\x97\x9d\x92\x86\x82\xc9\x95s\x90\xb3\x82\xc8\x8f\x88\x97\x9d\x82\xf0\x8ds\x82\xa2\x82\xdc\x82\xb5\x82\xbd"},  // ムービー処理中に不正な処理を行いました
    {ErrorKind::Script, "Script Error",
     "\x83X\x83N\x83\x8a\x83v\x83g\x8f\x88\x97\x9d\x92\x86\x82\xc9\x95s\x90\xb3\x82\xc8\x8f\x88\x97\x9d\x82\xf0\x8ds\x82\xa2\x82\xdc\x82\xb5\x82\xbd"},  // スクリプト処理中に不正な処理を行いました
    {ErrorKind::DirectDraw, "DirectDraw Error",
     "DirectDraw\x82\xaa\x95s\x90\xb3\x82\xc8\x93\xae\x8d\xec\x82\xf0\x8ds\x82\xa2\x82\xdc\x82\xb5\x82\xbd"},  // DirectDrawが不正な動作を行いました
    {ErrorKind::OS, "OS Error",
     "Windows\x82\xaa\x95s\x90\xb3\x82\xc8\x93\xae\x8d\xec\x82\xf0\x8ds\x82\xa2\x82\xdc\x82\xb5\x82\xbd"},  // Windowsが不正な動作を行いました
};

TEST(ErrorReport, EveryKindHasItsCaptionAndShiftJisMessage) {
    for (const KindText& k : kKinds) {
        SCOPED_TRACE(k.caption);
        EXPECT_STREQ(ErrorCaption(k.kind), k.caption);
        EXPECT_STREQ(ErrorMessage(k.kind), k.message);
        ErrorBox box = MakeErrorBox(k.kind, 2049, 115);
        EXPECT_EQ(box.caption, k.caption);
        EXPECT_EQ(box.text,
                  std::string(k.caption) + "\n" + k.message + "\nCode: 1.0.5 2049 - 115");
    }
}

TEST(ErrorReport, ResultCodeVariantAppendsTheCodeInBrackets) {
    ErrorBox box = MakeErrorBox(ErrorKind::DirectDraw, kModuleDirectDraw, 23, -2005532292L);
    EXPECT_TRUE(box.hasCode);
    EXPECT_EQ(box.text, std::string("DirectDraw Error\n") + kKinds[7].message +
                            "\nCode: 1.0.5 1015 - 23 [-2005532292]");
}

TEST(ErrorReport, ReportsThroughTheReporterThenThrows) {
    ClearRecordedErrors();
    EXPECT_THROW(ErrorReport(ErrorKind::OS, kModuleThread, 33), CInternalError);
    EXPECT_THROW(ErrorReport(ErrorKind::Sound, kModuleSoundHandle, 7, 5L), CInternalError);
    ASSERT_EQ(RecordedErrors().size(), 2u);
    EXPECT_EQ(RecordedErrors()[0].kind, ErrorKind::OS);
    EXPECT_EQ(RecordedErrors()[0].module, 2048);
    EXPECT_EQ(RecordedErrors()[0].place, 33);
    EXPECT_FALSE(RecordedErrors()[0].hasCode);
    EXPECT_EQ(RecordedErrors()[1].module, 2046);
    EXPECT_EQ(RecordedErrors()[1].code, 5);
}

}  // namespace
