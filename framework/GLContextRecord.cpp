#include "framework/GLContextRecord.h"

#include <cstdint>
#include <cstring>

namespace {
std::vector<std::unique_ptr<GLContextRecord>>& Records() {
    // Never destroyed: windows may go down in exit handlers, after statics are gone.
    static auto* records = new std::vector<std::unique_ptr<GLContextRecord>>;
    return *records;
}

const char* GLString(GLenum name) {
    const char* text = reinterpret_cast<const char*>(glGetString(name));
    return text ? text : "";
}

// Where the current context's record sits in Records(), or end() without one.
std::vector<std::unique_ptr<GLContextRecord>>::iterator CurrentEntry() {
    auto& records = Records();
    const HGLRC context = wglGetCurrentContext();
    if (!context)
        return records.end();
    for (auto it = records.begin(); it != records.end(); ++it)
        if ((*it)->Context() == context)
            return it;
    return records.end();
}
} // namespace

bool ExtensionListed(const char* extensions, const char* name) {
    if (!extensions || !name || !*name)
        return false;
    const std::size_t length = std::strlen(name);
    for (const char* p = extensions; (p = std::strstr(p, name)) != nullptr; p += length) {
        const bool starts = p == extensions || p[-1] == ' ';
        const bool ends = p[length] == ' ' || p[length] == '\0';
        if (starts && ends)
            return true;
    }
    return false;
}

int MajorGLVersion(const char* version) {
    int major = 0;
    for (const char* p = version; p && *p >= '0' && *p <= '9' && major < 1000; ++p)
        major = major * 10 + (*p - '0');
    return major;
}

GLContextRecord::GLContextRecord(HGLRC context, const char* version, const char* extensions)
    : context(context), version(version), extensions(extensions) {}

GLContextRecord* GLContextRecord::Current() {
    if (GLContextRecord* record = Existing())
        return record;
    const HGLRC context = wglGetCurrentContext();
    if (!context)
        return nullptr;
    Records().emplace_back(
        new GLContextRecord(context, GLString(GL_VERSION), GLString(GL_EXTENSIONS)));
    return Records().back().get();
}

GLContextRecord* GLContextRecord::Existing() {
    const auto it = CurrentEntry();
    return it == Records().end() ? nullptr : it->get();
}

GLContextRecord::Object* GLContextRecord::Find(const void* key) const {
    for (const auto& kept : objects)
        if (kept.first == key)
            return kept.second.get();
    return nullptr;
}

GLContextRecord::Call GLContextRecord::EntryPoint(const char* name) {
    const auto known = entryPoints.find(name);
    if (known != entryPoints.end())
        return known->second;
    const PROC p = wglGetProcAddress(name);
    // Some Windows drivers answer a name they do not know with a small number, not null.
    const auto value = reinterpret_cast<std::intptr_t>(p);
    const Call call = value >= -1 && value <= 3 ? nullptr : reinterpret_cast<Call>(p);
    entryPoints.emplace(name, call);
    return call;
}

void GLContextRecord::ReleaseObjects() {
    for (auto& kept : objects)
        kept.second->Release();
    objects.clear();
}

void ReleaseCurrentContextRecord() {
    const auto it = CurrentEntry();
    if (it == Records().end())
        return;
    (*it)->ReleaseObjects();
    Records().erase(it);
}

void ForgetCurrentContextRecord() {
    const auto it = CurrentEntry();
    if (it != Records().end())
        Records().erase(it);
}

void PretendContextStrings(const char* version, const char* extensions) {
    GLContextRecord* record = GLContextRecord::Current();
    if (!record)
        return;
    record->ReleaseObjects();
    record->entryPoints.clear();
    record->version = version ? version : "";
    record->extensions = extensions ? extensions : "";
}

int ContextRecordCount() {
    return static_cast<int>(Records().size());
}
