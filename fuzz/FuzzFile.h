// Hands fuzz input to the readers as a file: each process works in a folder of its own, which
// is also its working directory, so bare names resolve the way the game's do (corpus folders
// must therefore be given as absolute paths). The folder goes when the process exits.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

inline char* ScratchFolder() {
    static char folder[] = "/tmp/moonhop-fuzz-XXXXXX";
    return folder;
}

inline void RemoveScratchFolder() {
    for (const char* name : {"input.bmp", "input.tga", "input.bin", "input.img"})
        std::remove((std::string(ScratchFolder()) + "/" + name).c_str());
    rmdir(ScratchFolder());
}

inline void EnterScratchFolder() {
    static bool entered = false;
    if (entered)
        return;
    if (!mkdtemp(ScratchFolder()) || chdir(ScratchFolder()) != 0)
        std::abort();
    std::atexit(RemoveScratchFolder);
    entered = true;
}

inline void WriteInput(const char* name, const std::uint8_t* data, size_t size) {
    EnterScratchFolder();
    std::FILE* file = std::fopen(name, "wb");
    if (!file || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0)
        std::abort();
}
