// Every field of a markup token as one line of text, so token lists compare
// whole and a difference reads plainly.
#pragma once

#include <string>
#include <vector>

#include "text/markup_tokens.h"

std::string DescribeFont(const MarkupFontState& state);
std::string DescribeType(const MarkupTypeState& state);
std::string DescribeToken(const CMarkupToken& token);
std::vector<std::string> DescribeTokens(const MarkupTokenList& tokens);
