// What the program keeps for one OpenGL context: the context's version and extension strings,
// its extension entry points, and objects made in it (programs, say), since OpenGL objects and
// even entry points belong to the context they came from. A record is made the first time the
// current context is asked for and lives until it is released: a window releases its context's
// record while that context is still current, just before deleting the context, so whatever
// the objects made is deleted in the right context. Everything here works on the context
// current at the call.
#pragma once

#include "platform/Win32.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

// Whether a space-separated extension string names an extension. Whole names only: one
// extension's name may begin another's.
bool ExtensionListed(const char* extensions, const char* name);

// The major version at the start of an OpenGL version string ("2.1 Mesa ..."); 0 when there is
// none.
int MajorGLVersion(const char* version);

class GLContextRecord {
  public:
    // Something kept for one context: Release deletes what it made there, with that context
    // current; the destructor frees only memory.
    class Object {
      public:
        virtual ~Object() = default;
        virtual void Release() {}
    };

    // The current context's record, made (reading the context's strings) at the first ask;
    // null without a current context.
    static GLContextRecord* Current();
    // The current context's record if one was made.
    static GLContextRecord* Existing();

    HGLRC Context() const { return context; }
    const char* Version() const { return version.c_str(); }
    const char* Extensions() const { return extensions.c_str(); }
    bool HasExtension(const char* name) const { return ExtensionListed(Extensions(), name); }

    // Sets `call` to the context's entry point of that name: false, with `call` null, when the
    // driver does not offer it.
    template <class F> bool Load(F& call, const char* name) {
        // Through the generic function type, which converts to any other without a warning.
        call = reinterpret_cast<F>(EntryPoint(name));
        return call != nullptr;
    }

    // The object of type T kept for this context, made from the record at the first ask.
    template <class T> T& Get() {
        if (Object* kept = Find(Key<T>()))
            return static_cast<T&>(*kept);
        auto made = std::make_unique<T>(*this);
        T& object = *made;
        objects.emplace_back(Key<T>(), std::move(made));
        return object;
    }

    // The same without making it: null until made.
    template <class T> T* Find() const { return static_cast<T*>(Find(Key<T>())); }

  private:
    GLContextRecord(HGLRC context, const char* version, const char* extensions);
    friend void ReleaseCurrentContextRecord();
    friend void ForgetCurrentContextRecord();
    friend void PretendContextStrings(const char* version, const char* extensions);

    template <class T> static const void* Key() {
        static const char key = 0;
        return &key;
    }
    Object* Find(const void* key) const;
    using Call = void (*)();
    Call EntryPoint(const char* name);
    void ReleaseObjects();

    HGLRC context;
    std::string version;
    std::string extensions;
    std::unordered_map<std::string, Call> entryPoints;
    std::vector<std::pair<const void*, std::unique_ptr<Object>>> objects;
};

// Releases the current context's record, if any: each object deletes what it made while the
// context is still current, then the record goes.
void ReleaseCurrentContextRecord();

// Drops the current context's record without releasing its objects: for a handle that now names
// a newer context than the one the record was made for (Windows may hand a deleted context's
// handle out again), whose objects that context does not know.
void ForgetCurrentContextRecord();

// For tests: the current context's record as though the driver gave these strings. Objects
// already made are released first, since they were made for the real ones.
void PretendContextStrings(const char* version, const char* extensions);

// How many contexts hold a record (for tests and diagnostics).
int ContextRecordCount();
