#include "gl11/Es.h"

#include <cstdio>

namespace gl11 {

bool LoadEsCalls(EsLoader loader, EsCalls& calls) {
    if (!loader)
        return false;
    bool ok = true;
#define GL11_ES_LOAD(name, ret, params)                                                            \
    if (ok) {                                                                                      \
        void* p = loader("gl" #name);                                                              \
        if (!p) {                                                                                  \
            std::fprintf(stderr, "gl11: OpenGL ES has no gl" #name "\n");                          \
            ok = false;                                                                            \
        }                                                                                          \
        calls.name = reinterpret_cast<decltype(calls.name)>(p);                                    \
    }
    GL11_ES_ENTRY_POINTS(GL11_ES_LOAD)
#undef GL11_ES_LOAD
    return ok;
}

} // namespace gl11
