// "System/Save.def", the table that turns the caption a save slot stores
// into what the player sees of the slot: a thumbnail picture and a comment.
//
// The file is read whole from the "System" archive (a loose file is never
// looked at), line by line. Empty lines and lines beginning with "#" are
// skipped; every other line holds key, separator, picture, separator,
// comment as tokens ("," registered as a symbol). The separators are taken
// as they come, and a field whose token is missing stays empty, so a path or
// a comment with spaces, slashes or markup must be quoted.
#pragma once

#include <map>
#include <string>

// One line of the file.
struct SaveDefEntry {
    std::string key;
    std::string picture;  // a picture path of the game data; may be empty
    std::string comment;  // marked-up text
};

// By key, byte-wise ordered and matched exactly.
using SaveDefTable = std::map<std::string, SaveDefEntry>;

// "System/Save.def".
extern const std::string SaveDefFileName;

// Where a reader reports its two fatal failures: the reading unit's module
// and its sites for a file that cannot be opened ("FileI/O Error") and for a
// key that occurs twice ("Internal Error").
struct SaveDefErrorSites {
    int module;
    int fileMissing;
    int repeatedKey;
};

// The table read afresh from the file; nothing is cached.
SaveDefTable ReadSaveDef(const SaveDefErrorSites& sites);
