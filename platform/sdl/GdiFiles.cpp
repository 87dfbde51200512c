// What loading a picture file through SDL needs: local paths and a bound on allocations.
#include "platform/sdl/GdiInternal.h"

#include <algorithm>

namespace win32 {

std::string LocalPath(const char* path) {
    std::string local(path);
    std::replace(local.begin(), local.end(), '\\', '/');
    return local;
}

namespace {

// Headroom for SDL's own bookkeeping around a pixel store of the largest size.
constexpr std::size_t kLimit = kMaxPictureBytes + 4096;

SDL_malloc_func realMalloc = nullptr;
SDL_calloc_func realCalloc = nullptr;
SDL_realloc_func realRealloc = nullptr;
SDL_free_func realFree = nullptr;
int depth = 0;

void* LimitedMalloc(size_t size) {
    return size > kLimit ? nullptr : realMalloc(size);
}

void* LimitedCalloc(size_t count, size_t size) {
    return size != 0 && count > kLimit / size ? nullptr : realCalloc(count, size);
}

void* LimitedRealloc(void* block, size_t size) {
    return size > kLimit ? nullptr : realRealloc(block, size);
}

} // namespace

// The limited functions call the real ones, so blocks may be freed either side of the limit.
DecodeLimit::DecodeLimit() {
    if (depth++ > 0)
        return;
    SDL_GetMemoryFunctions(&realMalloc, &realCalloc, &realRealloc, &realFree);
    SDL_SetMemoryFunctions(LimitedMalloc, LimitedCalloc, LimitedRealloc, realFree);
}

DecodeLimit::~DecodeLimit() {
    if (--depth == 0)
        SDL_SetMemoryFunctions(realMalloc, realCalloc, realRealloc, realFree);
}

} // namespace win32
