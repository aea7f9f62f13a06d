// One owner per handle: a small move-only wrapper that closes its handle once.
#pragma once
#include <windows.h>
#include <objbase.h>

template <typename T, typename Traits>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(T h) : m_h(h) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& o) noexcept : m_h(o.release()) {}
    UniqueHandle& operator=(UniqueHandle&& o) noexcept { reset(o.release()); return *this; }

    T get() const { return m_h; }
    T* put() { reset(); return &m_h; }
    T release() { T h = m_h; m_h = Traits::Invalid(); return h; }
    void reset(T h = Traits::Invalid()) {
        if (m_h != Traits::Invalid()) Traits::Close(m_h);
        m_h = h;
    }
    explicit operator bool() const { return m_h != Traits::Invalid(); }

private:
    T m_h = Traits::Invalid();
};

struct HKeyTraits {
    static HKEY Invalid() { return nullptr; }
    static void Close(HKEY h) { RegCloseKey(h); }
};
struct FileHandleTraits {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { CloseHandle(h); }
};
struct KernelHandleTraits {
    static HANDLE Invalid() { return nullptr; }
    static void Close(HANDLE h) { CloseHandle(h); }
};
struct ModuleTraits {
    static HMODULE Invalid() { return nullptr; }
    static void Close(HMODULE h) { FreeLibrary(h); }
};
template <typename G>
struct GdiTraits {
    static G Invalid() { return nullptr; }
    static void Close(G h) { DeleteObject(h); }
};
struct DcTraits {
    static HDC Invalid() { return nullptr; }
    static void Close(HDC h) { DeleteDC(h); }
};

using UniqueHKey = UniqueHandle<HKEY, HKeyTraits>;
using UniqueFile = UniqueHandle<HANDLE, FileHandleTraits>;
using UniqueKernelHandle = UniqueHandle<HANDLE, KernelHandleTraits>;
using UniqueModule = UniqueHandle<HMODULE, ModuleTraits>;
using UniqueFont = UniqueHandle<HFONT, GdiTraits<HFONT>>;
using UniqueBrush = UniqueHandle<HBRUSH, GdiTraits<HBRUSH>>;
using UniqueDc = UniqueHandle<HDC, DcTraits>;

// COM interface pointer released once.
template <typename I>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() { reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    I* get() const { return m_p; }
    I* operator->() const { return m_p; }
    I** put() { reset(); return &m_p; }
    void** putVoid() { return reinterpret_cast<void**>(put()); }
    void reset() { if (m_p) { m_p->Release(); m_p = nullptr; } }
    explicit operator bool() const { return m_p != nullptr; }

private:
    I* m_p = nullptr;
};

// A function of a library loaded on demand, typed as the caller declares it.
template <typename Fn>
Fn GetProc(HMODULE module, const char* name)
{
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}
