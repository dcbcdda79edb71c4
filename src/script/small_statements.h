// Statements that finish at once and act on the frame clock, the node tree
// or the host's events, and the CD command that nothing applies.
#pragma once

#include <memory>
#include <string>
#include <utility>

#include "script/script_statement.h"

// Base of the instant statements: Stop and Update do nothing.
class CInstantStatement : public CScriptStatement {
public:
    bool IsInstant() const override;
};

// "SetTimeCritical": sets or clears the frame clock's time-critical flag.
class CSetTimeCriticalStatement : public CInstantStatement {
public:
    explicit CSetTimeCriticalStatement(bool on) : on_(on) {}
    int GetKind() const override;
    void Execute(CScriptHost* host) override;
    std::unique_ptr<CScriptStatement> Clone() const override;
    bool IsOn() const { return on_; }

private:
    bool on_;
};

// "Draw": the script stops for this frame, so the picture is drawn.
class CDrawStatement : public CInstantStatement {
public:
    int GetKind() const override;
    void Execute(CScriptHost* host) override;
    std::unique_ptr<CScriptStatement> Clone() const override;
};

// "SoundUnsynchronize": frame steps come from the clock again.
class CSoundUnsynchronizeStatement : public CInstantStatement {
public:
    int GetKind() const override;
    void Execute(CScriptHost* host) override;
    std::unique_ptr<CScriptStatement> Clone() const override;
};

// "Request": a named message to every node the path reaches from the
// host's root.
class CRequestStatement : public CInstantStatement {
public:
    CRequestStatement(std::string path, std::string message)
        : path_(std::move(path)), message_(std::move(message)) {}
    int GetKind() const override;
    void Execute(CScriptHost* host) override;
    std::unique_ptr<CScriptStatement> Clone() const override;
    const std::string& Path() const { return path_; }
    const std::string& Message() const { return message_; }

private:
    std::string path_;
    std::string message_;
};

// "System": an event by name for the host's event host.
class CSystemStatement : public CInstantStatement {
public:
    explicit CSystemStatement(std::string text) : text_(std::move(text)) {}
    int GetKind() const override;
    void Execute(CScriptHost* host) override;
    std::unique_ptr<CScriptStatement> Clone() const override;
    const std::string& Text() const { return text_; }

private:
    std::string text_;
};

// "PlayCD": carries its track number; nothing in the game applies its
// category, so the statement has no effect.
class CPlayCDCommand : public CScriptCommand {
public:
    explicit CPlayCDCommand(int track) : track_(track) {}
    int GetCategory() const override;
    int GetKind() const override;
    int Track() const { return track_; }

private:
    int track_;
};
