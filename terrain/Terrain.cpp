#include "terrain/Terrain.h"

#include "platform/Win32.h"
#include "terrain/ColourRamp.h"
#include "terrain/DrawTree.h"
#include "terrain/TreeGrowth.h"
#include "terrain/TriTree.h"

namespace {
// Refinement splits one level deeper near the point than construction.
const int detailDepthLimit = kBuildDepthLimit + 1;
// Reach of the refinement in radii: a node of level L is refined while the point is closer
// than reach / (L + 1) to its centroid.
const double reachFactor = 5.0;
} // namespace

Terrain::Terrain(double radius)
    : colour(Rgba::FromBytes(226, 180, 88)), drawMode(Smooth), heightColours(new ColourRamp()),
      radius(radius), seed(radius, SeedPart::Whole) {
    GrowTrees(seed, roots, rootCount, Relief::Rough, EdgeOwner::Seed, radius, heightColours);
}

Terrain::~Terrain() {
    DeleteTrees(roots, rootCount);
    // The roots do not own the seed's edges.
    seed.ReleaseUnusedEdges();
    delete heightColours;
}

void Terrain::UpdateDetail(const Vec3& point) {
    double reach = radius * reachFactor;
    for (TriTree* tree : roots) {
        tree->root->rough = true;
        tree->root->RefineNear(point, reach, TriNode::kRootLevel, TriNode::kCollapsible, radius,
                               heightColours, detailDepthLimit);
    }
    for (TriTree* tree : roots)
        tree->root->RegisterCorners();
}

void Terrain::Draw() {
    glColor3fv(colour.Data());
    for (TriTree* tree : roots)
        DrawTree(tree->root, drawMode, heightColours);
}

void Terrain::SetDrawMode(int mode) {
    drawMode = mode >= Wire && mode <= HeightColoured ? static_cast<DrawMode>(mode) : Wire;
}
