#include "terrain/TriEdge.h"

#include "scene/Random.h"
#include "terrain/TriVertex.h"

#include <cmath>

long TriEdge::liveCount = 0;

namespace {
// The double nearest 1/32767: turns a random number into a fraction 0..1.
const double randomScale = 3.051850947599719e-05;
} // namespace

TriEdge::TriEdge(TriVertex* start, TriVertex* end) : start(start), end(end) {
    ++start->refs;
    ++end->refs;
    ++liveCount;
}

TriEdge::~TriEdge() {
    delete half[0];
    delete half[1];
    --liveCount;
    start->Release();
    end->Release();
}

bool TriEdge::Split(double radius, bool rough, double& height) {
    if (half[0] != nullptr)
        return false;
    Vec3 m = (end->position + start->position) / 2.0;
    m.Normalize();
    double r = radius;
    if (rough) {
        double l = std::sqrt((start->position - end->position).Length());
        int k = NextRandom();
        r = ((k * randomScale - 0.5) * l) * 1.5 + radius;
    }
    TriVertex* middle = new TriVertex(m * r);
    height = middle->position.Length();
    half[0] = new TriEdge(start, middle);
    half[1] = new TriEdge(middle, end);
    return true;
}

TriVertex* TriEdge::Midpoint() const {
    return half[0] != nullptr ? half[0]->end : nullptr;
}
