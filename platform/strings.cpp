#include "platform/strings.h"

#include "resources/resources.h"

#include <cstring>

int LoadStringA(HINSTANCE, UINT uID, LPSTR lpBuffer, int cchBufferMax) {
    if (!lpBuffer || cchBufferMax <= 0)
        return 0;
    const char* text = vexor::res::findString(static_cast<int>(uID));
    if (!text) {
        lpBuffer[0] = '\0';
        return 0;
    }
    std::size_t n = std::strlen(text);
    if (n > static_cast<std::size_t>(cchBufferMax - 1))
        n = static_cast<std::size_t>(cchBufferMax - 1);
    std::memcpy(lpBuffer, text, n);
    lpBuffer[n] = '\0';
    return static_cast<int>(n);
}
