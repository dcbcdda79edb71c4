// What opening a movie through DirectShow streaming leaves in the process by
// the system's own doing, however carefully its user lets go: Wine 8's
// filter enumerator keeps a registry key open for every filter it looks at
// while it builds a graph, and its filter graph keeps one event. Tests that
// count a player's handles over many plays allow this much per play, and
// nothing more.
#pragma once

#include <windows.h>

#include <string>

// The handles one bare opening of the movie adds to this process: a stream
// object created, given a picture stream and the default sound renderer,
// opened on the file and released, measured over a few openings after a
// first one that loads what loads once.
DWORD HandlesLeftByStreamOpening(const std::string& path);
