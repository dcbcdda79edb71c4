// A ready-made button: up to four pictures, one per state, as the image
// children "Normal", "Highlight", "Down" and "Invalid", cross-faded by
// opacity as the pointer comes and goes, as the button is pressed, disabled
// and enabled. "Normal" stays fully visible under the others. A press can
// also play a sound on the sound-effect channel all such buttons share and
// hand a command name to the scene that owns the button; the menus and
// screens learn that way which button was pressed.
#pragma once

#include <cstdint>
#include <string>

#include "platform/easing.h"
#include "scene/button_node.h"

class CStandardButtonNode : public CButtonNode {
public:
    // The sound-effect channel every standard button's press sound uses.
    static constexpr int kPressSoundChannel = 1000;

    // An empty file name means no child for that state; an empty sound or
    // command means none.
    CStandardButtonNode(int x, int y, int z, std::string className, std::string command, std::string normalImage,
                        std::string highlightImage, std::string downImage, std::string invalidImage,
                        std::string pressSound);

    // The button's reset, then an image child for each state that has a
    // file, in the order Normal, Highlight, Down, Invalid, all at z 0:
    // "Normal" opaque, the others transparent.
    void Reset() override;
    // The button part and the six names, without children.
    CNode* Clone() override;
    int GetNodeKind() override;

    // Each fades the state pictures, then raises the button's event.
    void OnHover() override;
    void OnOutside() override;
    // The press sound, the pressed picture flashing and fading out, the
    // command handed to the owning scene, then the button's event.
    void OnDown() override;
    void OnDisable() override;
    void OnEnable() override;
    void OnPress() override;
    void OnRelease() override;

    const std::string& GetCommand() const { return command_; }
    const std::string& GetNormalImage() const { return normalImage_; }
    const std::string& GetHighlightImage() const { return highlightImage_; }
    const std::string& GetDownImage() const { return downImage_; }
    const std::string& GetInvalidImage() const { return invalidImage_; }
    const std::string& GetPressSound() const { return pressSound_; }

protected:
    CStandardButtonNode(const CStandardButtonNode& other);

private:
    // Replaces the state child's opacity animation by a fade to the target
    // (a duration of 0 sets it at once); a missing child is left alone.
    void Fade(const char* state, double target, uint32_t duration, EasingCurve easing = nullptr);
    void PlayPressSound();

    std::string normalImage_;
    std::string highlightImage_;
    std::string downImage_;
    std::string invalidImage_;
    std::string pressSound_;
    std::string command_;
};
