// The handle table and the layer's process-wide state.
#include "platform/core/Core.h"

#include <cctype>

namespace win32 {

State& GetState() {
    // Never destroyed: exit handlers still call into the layer.
    static State* state = new State;
    return *state;
}

void* AddObject(std::unique_ptr<Object> object) {
    State& s = GetState();
    // Handles are never reused, so a stale one can never name a newer object.
    std::uintptr_t h = s.nextHandle;
    s.nextHandle += 4;
    s.objects.emplace(h, std::move(object));
    return reinterpret_cast<void*>(h);
}

Object* FindObject(const void* handle) {
    if (!handle)
        return nullptr;
    State& s = GetState();
    auto it = s.objects.find(reinterpret_cast<std::uintptr_t>(handle));
    return it == s.objects.end() ? nullptr : it->second.get();
}

Dc* FindDc(HDC h) {
    Object* o = FindObject(h);
    if (!o || (o->kind != Kind::WindowDc && o->kind != Kind::MemoryDc))
        return nullptr;
    return static_cast<Dc*>(o);
}

void RemoveObject(const void* handle) {
    State& s = GetState();
    auto it = s.objects.find(reinterpret_cast<std::uintptr_t>(handle));
    if (it == s.objects.end())
        return;
    // Detach first: a destructor may look the table up again.
    std::unique_ptr<Object> object = std::move(it->second);
    s.objects.erase(it);
}

Window* FindWindowByNativeId(std::uint32_t id) {
    for (auto& entry : GetState().objects) {
        if (entry.second->kind != Kind::Window)
            continue;
        auto* w = static_cast<Window*>(entry.second.get());
        if (w->native && w->nativeId == id)
            return w;
    }
    return nullptr;
}

} // namespace win32
