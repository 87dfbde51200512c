#include "tests/terrain/MeshCensus.h"

#include "terrain/TriEdge.h"
#include "terrain/TriNode.h"
#include "terrain/TriVertex.h"

#include <cstdint>

size_t PointerSet::Slot(const void* p, const std::vector<const void*>& in) const {
    std::uint64_t h = reinterpret_cast<std::uintptr_t>(p) * 0x9e3779b97f4a7c15ull;
    size_t mask = in.size() - 1;
    size_t i = static_cast<size_t>(h >> 40) & mask;
    while (in[i] != nullptr && in[i] != p)
        i = (i + 1) & mask;
    return i;
}

bool PointerSet::Insert(const void* p) {
    size_t i = Slot(p, slots);
    if (slots[i] == p)
        return false;
    slots[i] = p;
    if (++count * 2 > slots.size())
        Grow();
    return true;
}

bool PointerSet::Contains(const void* p) const {
    return p != nullptr && slots[Slot(p, slots)] == p;
}

void PointerSet::Grow() {
    std::vector<const void*> bigger(slots.size() * 2, nullptr);
    for (const void* p : slots) {
        if (p != nullptr)
            bigger[Slot(p, bigger)] = p;
    }
    slots.swap(bigger);
}

bool PointerSet::operator==(const PointerSet& o) const {
    if (count != o.count)
        return false;
    for (const void* p : slots) {
        if (p != nullptr && !o.Contains(p))
            return false;
    }
    return true;
}

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
    if (edge == nullptr || !edges.Insert(edge))
        return;
    AddVertex(edge->start);
    AddVertex(edge->end);
    AddEdge(edge->half[0]);
    AddEdge(edge->half[1]);
}

void MeshCensus::AddVertex(const TriVertex* vertex) {
    if (vertices.Insert(vertex))
        vertexList.push_back(vertex);
}

LiveCounts LiveCounts::Now() {
    return {TriNode::LiveCount(), TriEdge::LiveCount(), TriVertex::LiveCount()};
}
