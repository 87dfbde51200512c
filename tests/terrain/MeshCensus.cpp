#include "tests/terrain/MeshCensus.h"

#include "terrain/TriEdge.h"
#include "terrain/TriNode.h"
#include "terrain/TriVertex.h"

void MeshCensus::AddTree(const TriNode* root) {
    ++nodes;
    for (const TriEdge* e : root->edges)
        AddEdge(e);
    if (root->IsLeaf()) {
        ++leaves;
        if (root->level >= 0 && root->level < maxLevel)
            ++leavesAtLevel[root->level];
        return;
    }
    for (const TriNode* child : root->children)
        AddTree(child);
}

void MeshCensus::AddEdge(const TriEdge* edge) {
    if (edge == nullptr || !edges.insert(edge).second)
        return;
    vertices.insert(edge->start);
    vertices.insert(edge->end);
    AddEdge(edge->half[0]);
    AddEdge(edge->half[1]);
}

LiveCounts LiveCounts::Now() {
    return {TriNode::LiveCount(), TriEdge::LiveCount(), TriVertex::LiveCount()};
}
