#include "scene/BoxFaces.h"

#include "platform/Win32.h"

const FaceCorners kTopFirstFaces = {
    {0, 1, 2, 3}, {0, 4, 7, 1}, {1, 7, 6, 2}, {2, 6, 5, 3}, {3, 5, 4, 0}, {4, 5, 6, 7},
};

void ComputeBoxNormals(const Vec3* corners, const NormalCorners& from, Vec3* normals) {
    for (int f = 0; f < kBoxFaceCount; ++f) {
        const int* c = from[f];
        TriangleNormal(corners[c[0]], corners[c[1]], corners[c[2]], normals[f]);
    }
}

void DrawBoxFaces(const Vec3* corners, const FaceCorners& faces, const Vec3* normals) {
    for (int f = 0; f < kBoxFaceCount; ++f) {
        const Vec3& n = normals[f];
        glBegin(GL_QUADS);
        glNormal3d(n.x, n.y, n.z);
        for (int c : faces[f])
            glVertex3d(corners[c].x, corners[c].y, corners[c].z);
        glEnd();
    }
}
