// Counts what is reachable from subdivision roots: nodes, leaves by level, and the distinct
// edges (halves included) and vertices they lead to.
#pragma once

#include <unordered_set>

class TriEdge;
class TriNode;
class TriVertex;

struct MeshCensus {
    static const int maxLevel = 8;

    void AddTree(const TriNode* root);

    long nodes = 0;
    long leaves = 0;
    long leavesAtLevel[maxLevel] = {};
    std::unordered_set<const TriEdge*> edges;
    std::unordered_set<const TriVertex*> vertices;

  private:
    void AddEdge(const TriEdge* edge);
};

// Live counts of the three mesh records, for comparing before and after.
struct LiveCounts {
    long nodes, edges, vertices;
    static LiveCounts Now();
    bool operator==(const LiveCounts& o) const {
        return nodes == o.nodes && edges == o.edges && vertices == o.vertices;
    }
};
