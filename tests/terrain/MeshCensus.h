// Counts what is reachable from subdivision roots: nodes, leaves by level, and the distinct
// edges (halves included) and vertices they lead to.
#pragma once

#include <cstddef>
#include <vector>

class TriEdge;
class TriNode;
class TriVertex;

// A set of pointers by open addressing: cheap enough to take a census every frame.
class PointerSet {
  public:
    // True when p was not in the set yet.
    bool Insert(const void* p);
    bool Contains(const void* p) const;
    size_t size() const { return count; }
    bool operator==(const PointerSet& o) const;

  private:
    size_t Slot(const void* p, const std::vector<const void*>& in) const;
    void Grow();

    std::vector<const void*> slots = std::vector<const void*>(1 << 14, nullptr);
    size_t count = 0;
};

struct MeshCensus {
    static const int maxLevel = 8;

    void AddTree(const TriNode* root);

    long nodes = 0;
    long leaves = 0;
    long leavesAtLevel[maxLevel] = {};
    PointerSet edges;
    PointerSet vertices;
    // The vertices in the order first reached.
    std::vector<const TriVertex*> vertexList;

  private:
    void AddEdge(const TriEdge* edge);
    void AddVertex(const TriVertex* vertex);
};

// Live counts of the three mesh records, for comparing before and after.
struct LiveCounts {
    long nodes, edges, vertices;
    static LiveCounts Now();
    bool operator==(const LiveCounts& o) const {
        return nodes == o.nodes && edges == o.edges && vertices == o.vertices;
    }
};
