// The walk every time-dependent pass of a typed text makes: the tokens from
// the first, with a budget of the typing clock. A Type token changes the
// typing state, a Wait token spends its time, a glyph or picture starts
// with the budget left as its elapsed time and then spends the interval in
// force; the walk stops before the first token it reaches with the budget
// below 0. So a glyph starts at the sum of the intervals and waits before it.
#pragma once

#include <cstddef>

#include "text/markup_state.h"
#include "text/markup_tokens.h"

// A glyph or a picture: a Char token or an Image token.
inline bool IsTypedGlyph(const CMarkupToken& token) {
    const MarkupTokenType type = token.GetType();
    return type == kMarkupChar || type == kMarkupImage;
}

// Calls visit (index, token, elapsed) for every token the walk reaches, in
// order, with the typing state in force after the token in *type (elapsed
// means something only for glyphs and pictures). True when the walk reached
// every token.
template <class Visit>
bool WalkTypedTokens(const MarkupTokenList& tokens, int clock, MarkupTypeState* type, Visit visit) {
    long long budget = clock;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (budget < 0) return false;
        CMarkupToken& token = *tokens[i];
        const int elapsed = static_cast<int>(budget);
        switch (token.GetType()) {
            case kMarkupType: *type = static_cast<const CMarkupTypeToken&>(token).state; break;
            case kMarkupWait: budget -= static_cast<const CMarkupWaitToken&>(token).time; break;
            case kMarkupChar:
            case kMarkupImage: budget -= type->interval; break;
            default: break;
        }
        visit(i, token, elapsed);
    }
    return true;
}
