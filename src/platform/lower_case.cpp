// Kept apart from the other path helpers: it needs no Windows call, so the
// packer tool, built for the build machine, shares it.
#include "platform/paths.h"
#include "platform/sjis.h"

void MakeLowerCase(std::string& s) {
    for (size_t i = 0; i < s.size(); ++i) {
        if (IsSjisLeadByte(static_cast<unsigned char>(s[i]))) {
            ++i;
        } else if (s[i] >= 'A' && s[i] <= 'Z') {
            s[i] = static_cast<char>(s[i] - 'A' + 'a');
        }
    }
}
