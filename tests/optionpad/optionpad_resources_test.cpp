// The dialog and icon resources as they stand in the program file.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "dialog_layout.h"
#include "optionpad/option_ids.h"
#include "optionpad_process.h"

namespace {

// Reads a dialog template (the DIALOG form, not DIALOGEX) field by field.
class CTemplateReader {
public:
    explicit CTemplateReader(const BYTE* data) : start_(data), at_(data) {}

    WORD Word() {
        WORD value;
        CopyMemory(&value, at_, sizeof value);
        at_ += sizeof value;
        return value;
    }
    DWORD Dword() {
        const DWORD low = Word();
        return low | static_cast<DWORD>(Word()) << 16;
    }
    short Short() { return static_cast<short>(Word()); }
    // A string or an ordinal (0xFFFF and a number), as Shift-JIS text or "#n".
    std::string StringOrOrdinal() {
        if (PeekWord() == 0xFFFF) {
            Word();
            return "#" + std::to_string(Word());
        }
        std::wstring text;
        for (WORD c = Word(); c != 0; c = Word()) text += static_cast<wchar_t>(c);
        if (text.empty()) return "";
        char bytes[512] = {};
        WideCharToMultiByte(932, 0, text.c_str(), static_cast<int>(text.size()), bytes,
                            sizeof bytes - 1, nullptr, nullptr);
        return bytes;
    }
    void AlignToDword() {
        while ((at_ - start_) % 4 != 0) ++at_;
    }

private:
    WORD PeekWord() const {
        WORD value;
        CopyMemory(&value, at_, sizeof value);
        return value;
    }

    const BYTE* start_;
    const BYTE* at_;
};

// The predefined control classes by their ordinals in a template.
std::string ClassOfOrdinal(const std::string& name) {
    if (name == "#128") return "Button";
    if (name == "#130") return "Static";
    if (name == "#132") return "ScrollBar";
    return name;
}

class OptionpadResources : public testing::Test {
protected:
    void SetUp() override {
        module_ = LoadLibraryExA(OptionpadBesideThisTest().c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module_, nullptr);
    }
    void TearDown() override { FreeLibrary(module_); }

    const BYTE* Resource(LPCSTR type, int id) const {
        HRSRC found = FindResourceExA(module_, type, MAKEINTRESOURCEA(id),
                                      MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT));
        if (!found) return nullptr;
        return static_cast<const BYTE*>(LockResource(LoadResource(module_, found)));
    }

    HMODULE module_ = nullptr;
};

TEST_F(OptionpadResources, TheDialogTemplateHoldsTheTableOfControls) {
    const BYTE* data = Resource(RT_DIALOG, OPTIONPAD_DIALOG);
    ASSERT_NE(data, nullptr);
    CTemplateReader reader(data);
    const DWORD style = reader.Dword();
    EXPECT_EQ(style, static_cast<DWORD>(WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU |
                                        WS_MINIMIZEBOX | DS_MODALFRAME | DS_CENTER | DS_SETFONT));
    EXPECT_EQ(reader.Dword(), static_cast<DWORD>(WS_EX_APPWINDOW));
    const WORD count = reader.Word();
    EXPECT_EQ(reader.Short(), 0);
    EXPECT_EQ(reader.Short(), 0);
    EXPECT_EQ(reader.Short(), 335);
    EXPECT_EQ(reader.Short(), 225);
    EXPECT_EQ(reader.StringOrOrdinal(), "");  // no menu
    EXPECT_EQ(reader.StringOrOrdinal(), "");  // the standard dialog class
    EXPECT_EQ(reader.StringOrOrdinal(), kOptionpadCaption);
    EXPECT_EQ(reader.Word(), 9);
    EXPECT_EQ(reader.StringOrOrdinal(), "ＭＳ Ｐゴシック");

    const auto& expected = ExpectedDialogControls();
    ASSERT_EQ(count, expected.size());
    for (const ExpectedControl& control : expected) {
        reader.AlignToDword();
        const DWORD itemStyle = reader.Dword();
        const DWORD itemExStyle = reader.Dword();
        const short x = reader.Short();
        const short y = reader.Short();
        const short width = reader.Short();
        const short height = reader.Short();
        const WORD id = reader.Word();
        const std::string className = ClassOfOrdinal(reader.StringOrOrdinal());
        const std::string text = reader.StringOrOrdinal();
        const WORD extra = reader.Word();
        SCOPED_TRACE(control.text);
        EXPECT_EQ(id, control.id);
        EXPECT_EQ(className, control.className);
        EXPECT_EQ(text, control.text);
        EXPECT_EQ(itemStyle, control.style);
        EXPECT_EQ(itemExStyle, 0u);
        EXPECT_EQ(x, control.x);
        EXPECT_EQ(y, control.y);
        EXPECT_EQ(width, control.width);
        EXPECT_EQ(height, control.height);
        ASSERT_EQ(extra, 0);
    }
}

TEST_F(OptionpadResources, TheIconIsJapaneseResource102) {
    EXPECT_NE(Resource(RT_GROUP_ICON, OPTIONPAD_ICON), nullptr);
}

}  // namespace
