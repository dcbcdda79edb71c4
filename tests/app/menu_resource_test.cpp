// The game window's menu resource, item by item: texts, ids, separators and
// sub-menus, and its language.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_window.h"

namespace {

// One line per item: the depth in "  " steps, then the text and the id,
// "-" for a separator, or the text and ">" for a sub-menu.
void DumpMenu(HMENU menu, int depth, std::vector<std::string>& lines) {
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        char text[128] = {};
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = sizeof text;
        ASSERT_TRUE(GetMenuItemInfoA(menu, i, TRUE, &info));
        std::string line(depth * 2, ' ');
        if (info.fType & MFT_SEPARATOR) {
            lines.push_back(line + "-");
        } else if (info.hSubMenu) {
            lines.push_back(line + text + " >");
            DumpMenu(info.hSubMenu, depth + 1, lines);
        } else {
            lines.push_back(line + text + " " + std::to_string(info.wID));
        }
    }
}

const std::vector<std::string> kExpectedMenu = {
    "システム(&S) >",
    "  終了(&X) 40002",
    "コンフィグ(&C) >",
    "  スクリーンモード(&S) >",
    "    フルスクリーン( 32bit ) 50016",
    "    フルスクリーン( 24bit ) 40048",
    "    フルスクリーン( 16bit ) 50015",
    "    -",
    "    ウィンドウ 40011",
    "  グラフィックエフェクトの表示(&V) >",
    "    OFF 40126",
    "    ON 40127",
    "  効果音の音量(&E) >",
    "    0 - OFF 40091",
    "    1 40081",
    "    2 40082",
    "    3 40083",
    "    4 40089",
    "    5 40090",
    "  音楽の音量(&M) >",
    "    0 - OFF 40092",
    "    1 40084",
    "    2 40085",
    "    3 40086",
    "    4 40094",
    "    5 40095",
    "  -",
    "  ゲームの基本速度(&T) >",
    "     0.50倍 40128",
    "     0.75倍 40116",
    "     0.90倍 40125",
    "    -",
    "     1.00倍 40117",
    "    -",
    "     1.10倍 40124",
    "     1.25倍 40118",
    "     1.50倍 40119",
    "     1.75倍 40138",
    "     2.00倍 40121",
    "     2.50倍 40140",
    "     3.00倍 40141",
    "     4.00倍 40139",
    "     8.00倍 40122",
    "    16.00倍 40152",
    "  スキップウエイト(&W) >",
    "    0.0秒 40130",
    "    0.5秒 40131",
    "    1.0秒 40132",
    "    1.5秒 40133",
    "    2.0秒 40135",
    "    2.5秒 40137",
    "    3.0秒 40136",
    "    4.0秒 40142",
    "    5.0秒 40143",
    "  ベースフレームレート(&F) >",
    "    60FPS 40146",
    "    45FPS 40147",
    "    30FPS 40148",
    "    15FPS 40149",
    "  ゲーム詳細設定(&G) >",
    "    ショートスキップを有効にする(&S) 40145",
    "    文字にアンチエイリアスをかける(&A) 40105",
    "    -",
    "    ムービー再生を行う(&M) 40153",
    "  システム詳細設定(&D) >",
    "    起動時にシステム診断を行なう(&B) 40111",
    "    終了確認を行う(&X) 40150",
    "    -",
    "    非アクティブ時にシステムを一時停止する(&W) 40113",
    "    非アクティブ時に音楽をミュートする(&Z) 40123",
    "    -",
    "    自動でスクリーンセーバーを起動させない(&S) 40101",
    "    自動でモニター電源を落とさせない(&M) 40104",
    "    自動でサスペンドを行わせない(&E) 40102",
    "    -",
    "    ノイズ音対策処理を行う(&N) 40087",
    "    -",
    "    MMXを使用する(&C) 40156",
    "    SSEを使用する(&D) 40157",
    "ヘルプ(&H) >",
    "  バージョン情報(&V) 40097",
    "  ReadMeを読む(&R) 40151",
    "  診断情報を読む(&D) 40167",
};

TEST(MenuResource, EqualsTheTableItemByItem) {
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), kMenuResourceName);
    ASSERT_NE(menu, nullptr);
    std::vector<std::string> lines;
    DumpMenu(menu, 0, lines);
    DestroyMenu(menu);
    ASSERT_EQ(lines.size(), kExpectedMenu.size());
    for (size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i], kExpectedMenu[i]) << i;
}

TEST(MenuResource, IsJapanese) {
    HRSRC resource = FindResourceExA(GetModuleHandleA(nullptr), RT_MENU, kMenuResourceName,
                                     MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT));
    EXPECT_NE(resource, nullptr);
    EXPECT_EQ(MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT), 1041);
}

}  // namespace
