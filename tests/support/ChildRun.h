// Runs a piece of work in a child process of its own and tells the memory it took, where that
// figure means something: not the test process's high-water mark, which earlier work sets.
#pragma once

#include <functional>

struct ChildRun {
    bool measured = false; // false where processes cannot be forked: the work ran here
    bool finished = false; // ended by itself, in time
    int result = 0;        // what the work returned, 0 to 255
    // The child's peak resident size less what it started with (the parent's pages it
    // shares); under AddressSanitizer, whose shadow and quarantine swell resident sizes, the
    // peak of the bytes it had allocated.
    long long peakBytes = 0;
};

// `seconds`: the child is ended after that long; a hang then shows as not finished.
ChildRun RunInChild(const std::function<int()>& work, unsigned seconds = 60);
