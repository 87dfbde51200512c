#include "tests/support/ScratchFolder.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <random>

bool MakeScratchFolder(const std::string& prefix, std::string& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path base = fs::temp_directory_path(error);
    if (error)
        return false;
    // Seeded from the clock and a device: parallel test processes must not collide.
    std::mt19937_64 names(std::random_device{}() ^
                          static_cast<unsigned long long>(
                              std::chrono::steady_clock::now().time_since_epoch().count()));
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path candidate = base / (prefix + std::to_string(names() % 1000000000));
        if (fs::create_directory(candidate, error)) {
            path = candidate.string();
            return true;
        }
    }
    return false;
}

ScratchFolder::ScratchFolder(const std::string& prefix) {
    if (!MakeScratchFolder(prefix, path))
        path.clear();
}

ScratchFolder::~ScratchFolder() {
    if (path.empty())
        return;
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

WorkingFolder::WorkingFolder(const std::string& folder) {
    namespace fs = std::filesystem;
    std::error_code error;
    previous = fs::current_path(error).string();
    if (error || folder.empty())
        return;
    fs::current_path(folder, error);
    entered = !error;
}

WorkingFolder::~WorkingFolder() {
    if (!entered)
        return;
    std::error_code error;
    std::filesystem::current_path(previous, error);
    if (error)
        std::abort();
}
