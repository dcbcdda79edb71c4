// Whatever runs a script: a scene, a class node, a button, a script page
// node. Executors, statements and nodes reach their runner only through this
// interface. A class node answers most operations by passing them to its
// owner, so it shares its scene's caches, listeners and sound groups.
//
// <windows.h> comes in through the listener header, so its SendMessage macro
// renames the operation below alike in every file that sees this class.
#pragma once

#include <string>

#include "platform/message_listener.h"

class CNode;
class CSceneHost;
class CScriptCache;
class CScriptCommand;
class CScriptExecutor;
class CSoundGroup;

class CScriptHost {
public:
    virtual ~CScriptHost();

    // Resets the executor's wait counter to 0 and enables or disables the script.
    virtual void SetScriptEnabled(bool enabled) = 0;
    // The script is enabled and runs in this frame.
    virtual bool IsScriptRunning() = 0;
    // No more statements in this frame; the next frame step is short.
    virtual void StopScript() = 0;
    virtual CScriptExecutor* GetExecutor() = 0;
    // The cache of compiled script files.
    virtual CScriptCache* GetScriptCache() = 0;
    // The cache in which class units are found by class name.
    virtual CScriptCache* GetClassCache() = 0;
    // Runs the command as a statement without a target path.
    virtual void ExecuteCommand(CScriptCommand* command) = 0;
    // A named message for the host (a button's command, a page to run).
    virtual void SendMessage(std::string name) = 0;
    virtual void AddMessageListener(CMessageListener* listener) = 0;
    virtual void RemoveMessageListener(CMessageListener* listener) = 0;
    virtual CSoundGroup* GetSESoundGroup() = 0;
    virtual CSoundGroup* GetBGMSoundGroup() = 0;
    virtual CSoundGroup* GetVoiceSoundGroup() = 0;
    // The node that the target paths of the script's statements start from.
    virtual CNode* GetRootNode() = 0;
    // Stops and deletes the statement that runs over several frames, if any.
    virtual void DropPendingStatement() = 0;
    // The host above this one; a scene is its own.
    virtual CScriptHost* GetParentHost() = 0;
    // The scene host that owns the scene this host belongs to.
    virtual CSceneHost* GetSceneHost() = 0;
    // The host that receives events and the commands handed up from below.
    virtual CScriptHost* GetCommandTarget() = 0;
    // An event by name; ignored unless a host knows it.
    virtual void HandleEventName(std::string name);
};
