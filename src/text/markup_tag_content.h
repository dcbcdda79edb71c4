// The inside of a markup tag: its name ("/" and a word for a closer) and its
// name=value attributes, read with the tokenizer, so blanks, tabs, line ends
// and comments may stand between the parts. Values that hold blanks, "#",
// parentheses or a sign must be quoted.
#pragma once

#include <map>
#include <string>

// A name given twice keeps its later value; the map orders the names by
// their bytes, the order in which the tag handlers visit them. Errors are
// "Script Error" (2036): 1512 "/" without a word, 1519 a name that is no
// word, 1530 an attribute name that is no word, 1536 no "=" after it, 1542
// no value after the "=".
void ParseTagContent(const std::string& content, std::string* name, std::map<std::string, std::string>* attributes);
