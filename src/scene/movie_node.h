// A playing AVI movie shown as a picture: the movie handle decodes frames
// into its own surface and the picture base draws it like any picture. The
// node starts the movie when it enters a tree, fetches a frame whenever the
// player has moved on, answers "Play", "Stop", "Pause" and "Replay", pauses
// while deactivated and follows the music settings (IsPlayBGM mutes,
// BGMVolume sets the volume), also when they change during playback.
#pragma once

#include <string>

#include "media/movie/movie.h"
#include "platform/message_listener.h"
#include "scene/picture_node.h"

class CScriptHost;

class CMovieNode : public CPictureNode, public CMessageListener {
public:
    // Opens nothing: the movie is opened by Reset.
    CMovieNode(int x, int y, int z, std::string file, int drawMode);
    // The picture base's copy, the file name and a new movie handle.
    CMovieNode(const CMovieNode& other);
    ~CMovieNode() override;

    // Opens the movie ("Movie Error" 2018-47 with the player's code when
    // that answers a negative value), applies the music settings, plays it
    // and starts listening to the owner's window messages.
    void Reset() override;
    // Stops the movie and stops listening.
    void Clear() override;
    void Detach() override;
    CNode* Clone() override;
    // Notes a new frame (and marks the node dirty) when the player shows
    // another one or cannot tell (-1).
    void Update(int milliseconds) override;
    // Fetches the noted frame once before drawing.
    void UpdateTransform(CTransform2D parent) override;
    void ReceiveMessage(std::string name) override;
    int GetNodeKind() override;
    // A playing movie pauses while the node is deactivated.
    void Deactivate() override;
    void Activate() override;
    CMemorySurface* GetSurface() override;
    const RECT* GetSourceRect() override;

    // WM_USER+1 with the music switch or volume reaches the movie; 0.
    int HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

    const std::string& GetFile() const { return file_; }
    CMovie& GetMovie() { return movie_; }
    bool IsMoviePlaying() const { return playing_ != 0; }

private:
    void StartListening();
    void StopListening();

    std::string file_;
    CMovie movie_;
    uint8_t playing_;
    uint8_t newFrame_;
    uint8_t open_;
    int lastFrame_;
    CScriptHost* listeningTo_;
};
