#include "optionpad/option_bars.h"

#include <algorithm>
#include <cstdio>

namespace {

// Volume of each position, position 0 silent.
constexpr int32_t kVolumes[6] = {-10000, -2000, -1500, -1000, -500, 0};

// The position of a volume that has one, or -1.
int FindVolumePosition(int32_t volume) {
    for (int position = 0; position < 6; ++position) {
        if (kVolumes[position] == volume) return position;
    }
    return -1;
}

std::string VolumeLabel(int position) {
    return position == 0 ? "0-OFF" : std::to_string(position);
}

template <typename... Values>
std::string Format(const char* format, Values... values) {
    char text[64];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

}  // namespace

BarRange GetBarRange(OptionBar bar) {
    switch (bar) {
        case OptionBar::kSEVolume:
        case OptionBar::kBGMVolume:
            return {0, 5};
        case OptionBar::kBaseFPS:
            return {15, 60};
        case OptionBar::kGameSpeed:
            return {500, 16000};
        case OptionBar::kSkipWait:
            break;
    }
    return {0, 10000};
}

BarSteps GetBarSteps(OptionBar bar) {
    switch (bar) {
        case OptionBar::kSEVolume:
        case OptionBar::kBGMVolume:
            return {1, 2};
        case OptionBar::kBaseFPS:
            return {15, 15};
        case OptionBar::kGameSpeed:
            return {100, 1000};
        case OptionBar::kSkipWait:
            break;
    }
    return {500, 1000};
}

int GetBarPosition(const CConfig& config, OptionBar bar) {
    switch (bar) {
        case OptionBar::kSEVolume:
            // Silence and every volume between the steps read as off.
            return std::max(FindVolumePosition(config.GetSEVolume()), 0);
        case OptionBar::kBGMVolume: {
            // Every volume between the steps reads as full.
            const int position = FindVolumePosition(config.GetBGMVolume());
            return position < 0 ? 5 : position;
        }
        case OptionBar::kBaseFPS:
            return config.GetBaseFPS();
        case OptionBar::kGameSpeed:
            return static_cast<int>(static_cast<double>(config.GetGameSpeed()) * 1000.0);
        case OptionBar::kSkipWait:
            break;
    }
    // Through the seconds that the label shows, back to milliseconds.
    return static_cast<int>(config.GetSkipWait() * 0.001 * 1000.0);
}

void StoreBarPosition(CConfig& config, OptionBar bar, int position) {
    switch (bar) {
        case OptionBar::kSEVolume:
            config.SetSEVolume(kVolumes[std::clamp(position, 0, 5)]);
            config.SetPlaySE(position != 0);
            return;
        case OptionBar::kBGMVolume:
            config.SetBGMVolume(kVolumes[std::clamp(position, 0, 5)]);
            config.SetPlayBGM(position != 0);
            return;
        case OptionBar::kBaseFPS:
            config.SetBaseFPS(position / 15 * 15);
            return;
        case OptionBar::kGameSpeed:
            // Rounded to a tenth: 0.5 to 16.0.
            config.SetGameSpeed(static_cast<float>((position + 50) / 100 * 100 * 0.001));
            return;
        case OptionBar::kSkipWait:
            break;
    }
    config.SetSkipWait(position - position % 500);
}

std::string GetBarLabel(const CConfig& config, OptionBar bar) {
    switch (bar) {
        case OptionBar::kSEVolume:
        case OptionBar::kBGMVolume:
            return VolumeLabel(GetBarPosition(config, bar));
        case OptionBar::kBaseFPS:
            return Format("%dFPS", static_cast<int>(config.GetBaseFPS()));
        case OptionBar::kGameSpeed:
            return Format("%4.2f倍", static_cast<double>(config.GetGameSpeed()));
        case OptionBar::kSkipWait:
            break;
    }
    return Format("%3.1f秒", config.GetSkipWait() * 0.001);
}

std::optional<int> GetScrolledPosition(BarSteps steps, BarRange range, int position, int code,
                                       int thumb) {
    int moved = position;
    switch (code) {
        case SB_LINELEFT:
            moved -= steps.line;
            break;
        case SB_LINERIGHT:
            moved += steps.line;
            break;
        case SB_PAGELEFT:
            moved -= steps.page;
            break;
        case SB_PAGERIGHT:
            moved += steps.page;
            break;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK:
            moved = thumb;
            break;
        default:
            return std::nullopt;
    }
    return std::clamp(moved, range.minimum, range.maximum);
}
