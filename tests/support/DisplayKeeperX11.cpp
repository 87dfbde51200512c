#include "tests/support/DisplayKeeper.h"

#include <X11/Xlib.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <cstddef>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {
// A reset drops only the clients it finds half set up, so each refusal means the server reset
// once more; a server that refuses this often is refusing for another reason.
constexpr int kAttempts = 50;

// Whether anything accepts a connection on the local socket, in the abstract namespace (tried
// first by Xlib too) or in the file system.
bool Accepts(const std::string& path) {
    for (bool abstract : {true, false}) {
        sockaddr_un address = {};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path + (abstract ? 1 : 0), path.data(), path.size());
        const socklen_t length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) +
                                                        path.size() + (abstract ? 1 : 0));
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        if (fd < 0)
            return true;
        const bool connected = connect(fd, reinterpret_cast<sockaddr*>(&address), length) == 0;
        close(fd);
        if (connected)
            return true;
    }
    return false;
}

// Whether a server may be listening at the display's name. Only a local display (":N",
// "unix:N") can be asked cheaply; any other is assumed to listen.
bool MayListen(const std::string& name) {
    const std::size_t colon = name.rfind(':');
    if (colon == std::string::npos)
        return false;
    const std::string host = name.substr(0, colon);
    if (!host.empty() && host != "unix")
        return true;
    const std::string number = name.substr(colon + 1, name.find('.', colon) - colon - 1);
    if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos)
        return false;
    return Accepts("/tmp/.X11-unix/X" + number);
}
} // namespace

bool KeepDisplay(const char* name, std::string& report) {
    // Kept until the process ends: closing it would let the server reset.
    static std::vector<Display*> kept;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (Display* display = XOpenDisplay(name)) {
            kept.push_back(display);
            return true;
        }
        if (!MayListen(name)) {
            report = std::string("No X server listens at the display \"") + name + "\"";
            return false;
        }
        // The server is resetting: a connection made now waits until it is back.
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    report = std::string("The X server at \"") + name + "\" refused " + std::to_string(kAttempts) +
             " connections in a row";
    return false;
}
