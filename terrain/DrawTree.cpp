#include "terrain/DrawTree.h"

#include "platform/Win32.h"
#include "terrain/HeightTable.h"
#include "terrain/TriEdge.h"
#include "terrain/TriNode.h"
#include "terrain/TriVertex.h"

namespace {
void DrawLeaf(TriNode* node, DrawMode mode, const HeightTable* table) {
    glBegin(mode == Wire ? GL_LINE_LOOP : GL_TRIANGLES);
    if (mode == Flat)
        glNormal3d(node->normal.x, node->normal.y, node->normal.z);
    bool vertexNormals = mode == Smooth || mode == HeightColoured;
    bool colours = mode == HeightColoured && table != nullptr;
    for (int i = 0; i < 3; ++i) {
        TriVertex* corner = node->Corner(node->flipped ? 2 - i : i);
        if (vertexNormals) {
            Vec3 n = corner->VertexNormal();
            glNormal3d(n.x, n.y, n.z);
        }
        if (colours)
            glColor4fv(table->Lookup(corner->position.Length()).Data());
        glVertex3d(corner->position.x, corner->position.y, corner->position.z);
    }
    glEnd();
}
} // namespace

void DrawTree(TriNode* root, DrawMode mode, const HeightTable* table) {
    if (root == nullptr)
        return;
    if (root->IsLeaf()) {
        DrawLeaf(root, mode, table);
        return;
    }
    for (TriNode* child : root->children)
        DrawTree(child, mode, table);
}
