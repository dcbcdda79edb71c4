// Where the gallery's nodes stand on the 800 x 600 screen and in a panel.
#pragma once

namespace gallery_layout {

constexpr int kTabX = 666;
constexpr int kTabY = 33;
constexpr int kFrontZ = 50;
constexpr int kTitleCentreX = 345;
constexpr int kTitleCentreY = 73;
constexpr int kLogoX = 10;
constexpr int kLogoY = 50;
constexpr int kLogoZ = 10;

// The pad: the strip where panels are parked, and the colour laid under it.
constexpr int kPadLeft = 720;
constexpr int kPadTop = 32;
constexpr int kPadRight = 790;
constexpr int kPadBottom = 380;
constexpr unsigned kPadBaseColour = 0x00303848;  // a dark slate blue
constexpr int kPadBaseZ = 1;

constexpr int kProjectorX = 737;
constexpr int kProjectorY = 549;
constexpr int kProjectorZ = 60;
constexpr int kPanelSaveX = 689;
constexpr int kPanelSaveY = 461;
constexpr int kExitX = 689;
constexpr int kExitY = 482;
constexpr int kTotalX = 683;
constexpr int kTotalY = 406;
constexpr int kTotalZ = 10;
constexpr int kRatioX = 54;
constexpr int kRatioY = 35;

// Panels: the body's place, and the square a dropped panel lands in.
constexpr int kPanelLeft = 58;
constexpr int kPanelTop = 111;
constexpr int kColumnStep = 117;
constexpr int kRowStep = 115;
constexpr int kPanelZ = 100;
constexpr int kSquareLeft = 62;
constexpr int kSquareTop = 94;
constexpr int kSquareSize = 107;

// Inside a panel.
constexpr int kFrameZ = 0;
constexpr int kThumbZ = 10;
constexpr int kTextZ = 20;
constexpr int kWaveZ = 5;
constexpr int kFocusZ = 15;
constexpr int kFlashZ = 100;
constexpr int kThumbImageX = 12;
constexpr int kThumbImageY = 19;
constexpr int kNumberX = 16;
constexpr int kNumberY = 91;
// The comment and date: centred on this x and standing on the number's top
// edge, since the big number fills the panel's lower left corner and two
// lines of text around its height would run over it.
constexpr int kCommentCentreX = 65;
constexpr int kCommentBottom = kNumberY;

// The balloon beside a hovered panel, and what lies inside it.
constexpr int kBalloonDX = 92;
constexpr int kBalloonDY = 35;
constexpr int kBalloonZ = 500;
constexpr int kBalloonMargin = 8;

constexpr int kWorkPanelZ = 200;

// Timings.
constexpr int kFlashMs = 500;
constexpr int kFlyBackMs = 300;
constexpr double kParkedZoom = 0.5;

}  // namespace gallery_layout
