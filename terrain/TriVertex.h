// A corner point of a subdivision mesh, shared by every edge and face that meets there.
#pragma once

#include "scene/Vec3.h"

class TriNode;

class TriVertex {
  public:
    static const int maxFaces = 6;

    explicit TriVertex(const Vec3& position);
    ~TriVertex();
    TriVertex(const TriVertex&) = delete;
    TriVertex& operator=(const TriVertex&) = delete;

    // Registers a leaf face here; a seventh and later registrations are dropped.
    void AddFace(TriNode* node);
    // Drops every registration of node, so a freed face is never read back.
    void RemoveFace(const TriNode* node);
    // The cached normal, computed from the registered faces on the first request that finds
    // any. A vertex with no faces stays uncached and is computed again next time.
    Vec3 VertexNormal();

    // One less edge uses this vertex; frees it when none does.
    void Release();

    // Vertices alive in the process, counted where they are made and freed.
    static long LiveCount() { return liveCount; }

    int refs = 0;
    int faceCount = 0;
    TriNode* faces[maxFaces] = {};
    Vec3 position;
    Vec3 normal;

  private:
    static long liveCount;
};
