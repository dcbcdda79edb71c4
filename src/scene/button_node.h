// A class node that listens to the mouse. It turns the window's mouse
// messages into the named messages "Hover", "Outside", "ButtonDown" and
// "ButtonUp" to itself, and those into events: each runs the page of the
// event's name ("OnHover", "OnDown", ...) in the button's script class, then
// calls the native listener a screen may have installed. What is seen of a
// button are its children.
#pragma once

#include <cstdint>
#include <string>

#include "platform/message_listener.h"
#include "scene/button_listener.h"
#include "scene/class_node.h"

class CButtonNode : public CClassNode, public CMessageListener {
public:
    // Disabled until reset, clickable, without a listener (words -1, -1, 0).
    CButtonNode(int x, int y, int z, std::string className);
    // Releases a held capture, stops listening and clears the node.
    ~CButtonNode() override;

    // Enabled, idle, listening to the owner's window messages; the class
    // node's reset (which starts "Main"), then the "OnCreate" event.
    void Reset() override;
    // While live: a held capture is released and the listening stops; then
    // the class node's clear.
    void Clear() override;
    // The "OnDestroy" event, then as Clear, then the class node's detach.
    void Detach() override;
    // The class node's copy, the listener with its words and the clickable
    // flag.
    CNode* Clone() override;
    // The class node's update, then the hover evaluation when it is due.
    void Update(int milliseconds) override;
    // "#Lock" and "#Release", "Enable" and "Disable", and, while enabled, the
    // mouse messages and "ButtonPress" and "ButtonRelease"; other names run
    // the class's page of that name.
    void ReceiveMessage(std::string name) override;
    int GetNodeKind() override;
    // Releases a held capture and stops listening, then the class node's.
    void Deactivate() override;
    // Listens again and evaluates the hover after the next update.
    void Activate() override;

    // The owner's window messages: mouse moves evaluate the hover; a left
    // press that lands on the button captures the mouse and sends
    // "ButtonDown" (answer 1), the release then "ButtonUp" (answer 1).
    int HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

    // The native listener (not owned; null for none) and its three words.
    void SetListener(CButtonListener* listener, int32_t first, int32_t second, uint32_t third);
    // While not clickable, presses are ignored; the hover is still followed.
    void SetClickable(bool clickable) { clickable_ = clickable ? 1 : 0; }
    bool IsEnabled() const { return enabled_ != 0; }
    bool IsCaptured() const { return captured_ != 0; }
    bool IsHovering() const { return hovering_ != 0; }
    bool IsPressed() const { return pressed_ != 0; }

    // The events, in this order; kinds derived from the button override them.
    // Each but the last two runs the page of its name, then the listener's
    // operation; OnPress and OnRelease call only the listener.
    virtual void OnCreate();
    virtual void OnDestroy();
    virtual void OnHover();
    virtual void OnOutside();
    virtual void OnDown();
    virtual void OnUp();
    virtual void OnDisable();
    virtual void OnEnable();
    virtual void OnPress();
    virtual void OnRelease();

protected:
    CButtonNode(const CButtonNode& other);

private:
    using ListenerCall = void (CButtonListener::*)(int32_t, int32_t, uint32_t);
    // The page of the name (when given), then the listener's operation.
    void Fire(const char* page, ListenerCall call);
    // Whether the hit path is this button or a node below it.
    bool IsOwnPath(const std::string& path) const;
    // Sends "Hover" or "Outside" when the cursor went onto or off the button.
    void EvaluateHover();
    void StartListening();
    void StopListening();
    void ReleaseHeldCapture();

    uint8_t enabled_ = 0;
    uint8_t captured_ = 0;
    uint8_t hovering_ = 0;
    uint8_t pressed_ = 0;
    uint8_t clickable_ = 1;
    uint8_t refresh_ = 0;
    CButtonListener* listener_ = nullptr;
    int32_t first_ = -1;
    int32_t second_ = -1;
    uint32_t third_ = 0;
    uint8_t hoverGuard_ = 0;
    // The host whose window messages the button hears, null when none.
    CScriptHost* listeningTo_ = nullptr;
};
