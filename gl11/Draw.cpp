// Sending gathered primitives to OpenGL ES: one upload of vertices (and indices) and one draw per
// batch, with the program for the current state.
#include "gl11/Programs.h"
#include "gl11/Textures.h"

#include <cstddef>

namespace gl11 {

namespace {
const void* Offset(std::size_t bytes) {
    return reinterpret_cast<const void*>(bytes);
}

std::string EsString(Context& c, GLenum name) {
    const GLubyte* s = c.es.GetString(name);
    return s ? reinterpret_cast<const char*>(s) : "";
}

GLenum EsMode(Primitive kind) {
    switch (kind) {
    case Primitive::Points:
        return GL_POINTS;
    case Primitive::Lines:
        return GL_LINES;
    default:
        return GL_TRIANGLES;
    }
}
} // namespace

void EnsureEs(Context& c) {
    if (c.esReady)
        return;
    c.esReady = true;
    EsCalls& es = c.es;
    es.GenVertexArrays(1, &c.vertexArray);
    es.BindVertexArray(c.vertexArray);
    es.GenBuffers(1, &c.vertexBuffer);
    es.BindBuffer(es::ARRAY_BUFFER, c.vertexBuffer);
    // Bound in the vertex array, so it stays bound with it.
    es.GenBuffers(1, &c.indexBuffer);
    es.BindBuffer(es::ELEMENT_ARRAY_BUFFER, c.indexBuffer);
    const GLsizei stride = sizeof(Vertex);
    es.VertexAttribPointer(PositionAttribute, 3, GL_FLOAT, GL_FALSE, stride,
                           Offset(offsetof(Vertex, position)));
    es.VertexAttribPointer(NormalAttribute, 3, GL_FLOAT, GL_FALSE, stride,
                           Offset(offsetof(Vertex, normal)));
    es.VertexAttribPointer(ColourAttribute, 4, GL_FLOAT, GL_FALSE, stride,
                           Offset(offsetof(Vertex, colour)));
    es.VertexAttribPointer(TexCoordAttribute, 2, GL_FLOAT, GL_FALSE, stride,
                           Offset(offsetof(Vertex, texCoord)));
    es.VertexAttribPointer(PointSizeAttribute, 1, GL_FLOAT, GL_FALSE, stride,
                           Offset(offsetof(Vertex, pointSize)));
    for (GLuint a = PositionAttribute; a <= PointSizeAttribute; ++a)
        es.EnableVertexAttribArray(a);
    // The layer converts every pixel rectangle itself and exchanges them tightly packed.
    es.PixelStorei(GL_UNPACK_ALIGNMENT, 1);
    es.PixelStorei(GL_PACK_ALIGNMENT, 1);
    es.GetIntegerv(GL_MAX_TEXTURE_SIZE, &c.maxTextureSize);
    es.GetIntegerv(GL_VIEWPORT, c.viewport);
    es.GetIntegerv(GL_SCISSOR_BOX, c.scissor);
    c.vendor = "moonhop";
    c.renderer = "OpenGL 1.1 on " + EsString(c, GL_RENDERER) + ", " + EsString(c, GL_VERSION);
}

void FlushBatch(Context& c) {
    if (c.vertices.empty())
        return;
    EnsureEs(c);
    const ShaderKey key = KeyFor(c, c.batchKind == Primitive::Points);
    Program& p = ProgramFor(c, key);
    if (p.es) {
        if (c.boundProgram != p.es) {
            c.es.UseProgram(p.es);
            c.boundProgram = p.es;
        }
        if (p.uploadedStamp != c.stateStamp) {
            UploadUniforms(c, p);
            p.uploadedStamp = c.stateStamp;
        }
        if (key.texture != TexelKind::None)
            BindEsTexture(c, c.boundTexture);
        c.es.BufferData(es::ARRAY_BUFFER,
                        static_cast<GLsizeiptr>(c.vertices.size() * sizeof(Vertex)),
                        c.vertices.data(), es::STREAM_DRAW);
        if (c.batchKind == Primitive::Points) {
            c.es.DrawArrays(GL_POINTS, 0, static_cast<GLsizei>(c.vertices.size()));
        } else if (!c.indices.empty()) {
            // Vertices shared by a block's primitives are sent and lit once.
            c.es.BufferData(es::ELEMENT_ARRAY_BUFFER,
                            static_cast<GLsizeiptr>(c.indices.size() * sizeof(GLuint)),
                            c.indices.data(), es::STREAM_DRAW);
            c.es.DrawElements(EsMode(c.batchKind), static_cast<GLsizei>(c.indices.size()),
                              GL_UNSIGNED_INT, nullptr);
        }
    }
    c.vertices.clear();
    c.indices.clear();
}

} // namespace gl11
