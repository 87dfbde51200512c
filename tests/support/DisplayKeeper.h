// Holds a connection to the X display for the whole run of a test program. An X server started
// without -noreset (as xvfb-run starts it) resets whenever its last client leaves, and drops a
// client it has let in but not yet set up: a program that opens the display just then cannot.
// One connection held from the program's start keeps the server from resetting while it runs,
// and opening that connection waits out a reset already under way.
#pragma once

#include <string>

// Opens the named display and keeps the connection until the process ends, trying again while
// a server listens there but drops the connection. False, with the reason in `report`, when no
// server listens at that name or it keeps refusing. Always true on Windows, where the test
// programs make no X connection of their own.
bool KeepDisplay(const char* name, std::string& report);
