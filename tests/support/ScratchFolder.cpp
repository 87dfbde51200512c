#include "tests/support/ScratchFolder.h"

#include <chrono>
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
