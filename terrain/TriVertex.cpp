#include "terrain/TriVertex.h"

#include "terrain/TriNode.h"

long TriVertex::liveCount = 0;

TriVertex::TriVertex(const Vec3& position) : position(position) {
    ++liveCount;
}

TriVertex::~TriVertex() {
    --liveCount;
}

void TriVertex::AddFace(TriNode* node) {
    if (faceCount < maxFaces)
        faces[faceCount++] = node;
}

void TriVertex::RemoveFace(const TriNode* node) {
    int kept = 0;
    for (int i = 0; i < faceCount; ++i) {
        if (faces[i] != node)
            faces[kept++] = faces[i];
    }
    for (int i = kept; i < faceCount; ++i)
        faces[i] = nullptr;
    faceCount = kept;
}

Vec3 TriVertex::VertexNormal() {
    if (normal == Vec3(0.0, 0.0, 0.0)) {
        for (int i = 0; i < faceCount; ++i)
            normal += faces[i]->normal;
        normal.Normalize();
    }
    return normal;
}

void TriVertex::Release() {
    if (--refs <= 0)
        delete this;
}
