// Every error place of the markup parser and of the attribute values,
// reached through a marked-up text and read from the error recorder.
#include <gtest/gtest.h>

#include "support/error_recorder.h"
#include "text/markup_parser.h"

namespace {

struct ErrorCase {
    const char* text;
    int place;
};

TEST(MarkupErrorsTest, EachFaultReportsItsPlace) {
    const ErrorCase cases[] = {
        {"<B", 1135},
        {"ab<FONT size=2", 1135},
        {"<WAIT tim=1>", 1210},
        {"<WAIT time=1 x=2>", 1210},
        {"<BR a=1>", 1221},
        {"<PR>", 1227},
        {"<PR a=1>", 1227},
        {"<FONT colour=red>", 1246},
        {"</FONT a=1>", 1257},
        {"<TYPE styles=Jump>", 1277},
        {"</TYPE a=1>", 1288},
        {"<B a=1>", 1295},
        {"</B a=1>", 1309},
        {"<I a=1>", 1316},
        {"</I a=1>", 1330},
        {"<U a=1>", 1337},
        {"</U a=1>", 1351},
        {"<S a=1>", 1358},
        {"</S a=1>", 1372},
        {"<RUBY txt=a>", 1389},
        {"</RUBY a=1>", 1400},
        {"<IMG source='a.png'>", 1418},
        {"<SOUND file='a.wav'>", 1436},
        {"<IMG src=a.png>", 1530},
        {"<br>", 1442},
        {"<Font>", 1442},
        {"<PRE>", 1442},
        {"</WAIT>", 1442},
        {"</BR>", 1442},
        {"</IMG>", 1442},
        {"</SOUND>", 1442},
        {"</>", 1512},
        {"</ 1>", 1512},
        {"<>", 1519},
        {"<1>", 1519},
        {"<'B'>", 1519},
        {"<=B>", 1519},
        {"<BR />", 1530},
        {"<FONT 1=2>", 1530},
        {"<FONT size>", 1536},
        {"<FONT size 1>", 1536},
        {"<FONT size=>", 1542},
        {"<FONT size=(>", 1542},
        {"<FONT size='1>", 1542},
        {"<WAIT time=00>", 1770},
        {"<FONT size=px>", 1770},
        {"<FONT size=''>", 1770},
        {"<TYPE speed=x>", 1770},
        {"<TYPE interval='-0'>", 1770},
        {"<FONT size=601>", 1771},
        {"<FONT size='-601'>", 1771},
        {"<FONT size=4000>A", 1771},
        {"<FONT size=99999999999>", 1771},
        {"<FONT color='RGB(-1,0,0)'>", 1554},
        {"<FONT color='RGB(1,2,'>", 1554},
        {"<FONT color='RGB(a,0,0)'>", 1557},
        {"<FONT rim='RGBA(1,2,3,#)'>", 1557},
        {"<FONT color='# FF0000'>", 1681},
        {"<FONT color='#'>", 1681},
        {"<FONT color='#F'>", 1681},
        {"<FONT color='#FF'>", 1681},
        {"<FONT color='#FFFFF'>", 1681},
        {"<FONT color='#FFFFFFF'>", 1681},
        {"<FONT color='#GG0000'>", 1681},
        {"<FONT color='RGB 1'>", 1687},
        {"<FONT color='RGB'>", 1687},
        {"<FONT color='RGB(1,2,3'>", 1693},
        {"<FONT color='RGB(1;2;3)'>", 1693},
        {"<FONT color='RGB(1 2 3)'>", 1693},
        {"<FONT color='RGB(1,2,3,4)'>", 1693},
        {"<FONT color='RGBA[1,2,3,4]'>", 1705},
        {"<FONT color='RGBA(1,2,3,4'>", 1713},
        {"<FONT color='RGBA(1,2,3;4)'>", 1713},
        {"<FONT color='RGB(256,0,0)'>", 1695},
        {"<FONT color='RGB(0,256,0)'>", 1696},
        {"<FONT color='RGB(0,0,99999999999)'>", 1697},
        {"<FONT color='RGBA(300,0,0,0)'>", 1715},
        {"<FONT color='RGBA(0,300,0,0)'>", 1716},
        {"<FONT color='RGBA(0,0,300,0)'>", 1717},
        {"<FONT shadow='RGBA(0,0,0,256)'>", 1718},
        {"<FONT color='Red'>", 1725},
        {"<FONT color=12>", 1725},
        {"<FONT color=''>", 1725},
        {"<FONT color='('>", 1725},
        {"<TYPE style=jump>", 1757},
        {"<TYPE style=''>", 1757},
    };
    for (const ErrorCase& c : cases) {
        SCOPED_TRACE(c.text);
        ClearRecordedErrors();
        CMarkupParser parser;
        EXPECT_THROW(parser.ParseMarkup(c.text, MarkupFontState(), MarkupTypeState()), CInternalError);
        ASSERT_EQ(RecordedErrors().size(), 1u);
        EXPECT_EQ(RecordedErrors()[0].kind, ErrorKind::Script);
        EXPECT_EQ(RecordedErrors()[0].module, 2036);
        EXPECT_EQ(RecordedErrors()[0].place, c.place);
    }
}

// The handlers visit attributes in the byte order of their names, so of two
// faults the one under the smaller name is reported.
TEST(MarkupErrorsTest, AttributesAreCheckedInNameOrder) {
    const ErrorCase cases[] = {
        {"<FONT size=x color=bad>", 1725},
        {"<FONT zzz=1 color=bad>", 1725},
        {"<FONT aaa=1 color=bad>", 1246},
        {"<TYPE style=x interval=y>", 1770},
        {"<TYPE Style=Jump speed=x>", 1277},
    };
    for (const ErrorCase& c : cases) {
        SCOPED_TRACE(c.text);
        ClearRecordedErrors();
        CMarkupParser parser;
        EXPECT_THROW(parser.ParseMarkup(c.text, MarkupFontState(), MarkupTypeState()), CInternalError);
        ASSERT_EQ(RecordedErrors().size(), 1u);
        EXPECT_EQ(RecordedErrors()[0].place, c.place);
    }
}

}  // namespace
