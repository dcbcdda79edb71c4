#include "dialog_layout.h"

#include "optionpad/option_ids.h"

namespace {

constexpr DWORD kShown = WS_CHILD | WS_VISIBLE;
constexpr DWORD kCheck = kShown | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD kBar = kShown | WS_TABSTOP | SBS_HORZ;
constexpr DWORD kPush = kShown | WS_TABSTOP | BS_DEFPUSHBUTTON;
constexpr DWORD kGroup = kShown | BS_GROUPBOX;
constexpr DWORD kText = kShown | WS_GROUP | SS_LEFT;
constexpr WORD kUnnamed = 0xFFFF;

}  // namespace

const std::vector<ExpectedControl>& ExpectedDialogControls() {
    static const std::vector<ExpectedControl> controls = {
        {"Button", 1013, "起動時にシステム診断を行う", 10, 21, 100, 11, kCheck},
        {"Button", 1012, "非アクティブ時にシステムを一時停止する", 10, 33, 135, 11, kCheck},
        {"Button", 1011, "非アクティブ時に音楽をミュートする", 10, 45, 115, 11, kCheck},
        {"Button", 1010, "自動でスクリーンセーバーを起動させない", 10, 57, 135, 11, kCheck},
        {"Button", 1009, "自動でモニター電源を落とさせない ", 10, 69, 130, 11, kCheck},
        {"Button", 1008, "自動でサスペンドを行わせない", 10, 81, 130, 11, kCheck},
        {"Button", 1007, "ノイズ音対策処理を行う", 10, 93, 85, 11, kCheck},
        {"Button", 1004, "MMXを使用する (オフにするとSSEも使用しない)", 10, 105, 152, 11, kCheck},
        {"Button", 1003, "SSEを使用する", 10, 117, 58, 11, kCheck},
        {"Button", 1006, "終了確認を行う", 10, 129, 58, 11, kCheck},
        {"ScrollBar", 1030, "", 75, 145, 55, 10, kBar},
        {"ScrollBar", 1029, "", 75, 161, 55, 10, kBar},
        {"ScrollBar", 1028, "", 75, 175, 55, 10, kBar},
        {"Button", 1015, "ショートスキップを有効にする", 175, 20, 138, 11, kCheck},
        {"Button", 1014, "文字にアンチエイリアスをかける", 175, 31, 134, 11, kCheck},
        {"Button", 1016, "グラフィックエフェクトを表示する", 175, 42, 138, 11, kCheck},
        {"Button", 1017, "ムービーを再生する", 175, 53, 138, 11, kCheck},
        {"ScrollBar", 1027, "", 240, 70, 55, 10, kBar},
        {"ScrollBar", 1026, "", 240, 85, 55, 10, kBar},
        {"Button", 3, "初期状態に戻す", 140, 200, 60, 20, kPush},
        {"Button", 2, "キャンセル", 205, 200, 60, 20, kPush},
        {"Button", 1, "適用", 270, 200, 60, 20, kPush},
        {"Button", kUnnamed, "システム設定", 5, 5, 160, 190, kGroup},
        {"Button", kUnnamed, "ゲーム設定", 170, 5, 160, 190, kGroup},
        {"Static", kUnnamed, "ベースフレームレート", 10, 175, 65, 10, kText},
        {"Static", kUnnamed, "ゲームの基本速度", 175, 70, 65, 8, kText},
        {"Static", kUnnamed, "スキップウエイト", 175, 85, 65, 10, kText},
        {"Static", kUnnamed, "効果音の音量", 10, 145, 65, 8, kText},
        {"Static", kUnnamed, "音楽の音量", 10, 161, 65, 8, kText},
        {"Static", 1018, "Static", 135, 145, 24, 8, kText},
        {"Static", 1020, "Static", 135, 175, 24, 8, kText},
        {"Static", 1019, "Static", 135, 160, 24, 8, kText},
        {"Static", 1021, "Static", 300, 70, 28, 8, kText},
        {"Static", 1022, "Static", 300, 85, 28, 8, kText},
    };
    return controls;
}
