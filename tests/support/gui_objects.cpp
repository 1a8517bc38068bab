#include "tests/support/gui_objects.h"

#include <cstdint>

namespace au::test {
namespace {

FARPROC NtdllFunction(const char* name) {
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll != nullptr ? GetProcAddress(ntdll, name) : nullptr;
}

bool UnderWine() {
  return NtdllFunction("wine_get_version") != nullptr;
}

// The thread's own block, asked of the system: the compiler's inline reading
// of the segment register trips its array-bounds check.
const std::uint8_t* ThreadBlock() {
  const auto function =
      reinterpret_cast<void* (*)()>(reinterpret_cast<void (*)()>(NtdllFunction("NtCurrentTeb")));
  return function != nullptr ? static_cast<const std::uint8_t*>(function()) : nullptr;
}

// Wine keeps the process's GDI handles in a table of 65536 entries of 24
// bytes, reached from the 64-bit process block (GdiSharedHandleTable); an
// entry whose type byte is not 0 holds an object. A 32-bit process finds the
// 64-bit thread block through its own block's GdiBatchCount.
DWORD WineGdiObjects() {
  struct Entry {
    std::uint64_t Object;
    std::uint32_t Owner;
    std::uint16_t Unique;
    std::uint8_t Type;
    std::uint8_t Flags;
    std::uint64_t UserPointer;
  };
  static_assert(sizeof(Entry) == 24);
  const std::uint8_t* teb = ThreadBlock();
  if (teb == nullptr) return 0;
#ifdef _WIN64
  const std::uint64_t peb = *reinterpret_cast<const std::uint64_t*>(teb + 0x60);
#else
  const std::uint32_t teb64 = *reinterpret_cast<const std::uint32_t*>(teb + 0xF70);
  if (teb64 == 0) return 0;
  const std::uint64_t peb = *reinterpret_cast<const std::uint64_t*>(std::uintptr_t{teb64} + 0x60);
#endif
  const std::uint64_t table =
      *reinterpret_cast<const std::uint64_t*>(static_cast<std::uintptr_t>(peb) + 0xF8);
  if (table == 0) return 0;
  const auto* entries = reinterpret_cast<const Entry*>(static_cast<std::uintptr_t>(table));
  DWORD count = 0;
  for (int i = 0; i < 0x10000; ++i)
    if (entries[i].Type != 0) ++count;
  return count;
}

// Wine's window and menu handles are 0x20 plus twice an index in their low
// word; a handle with a high word of 0 names whatever object holds that index.
DWORD WineUserObjects() {
  const DWORD process = GetCurrentProcessId();
  DWORD count = 0;
  for (std::uintptr_t low = 0x20; low < 0x10000; low += 2) {
    const auto handle = reinterpret_cast<HANDLE>(low);
    if (IsMenu(static_cast<HMENU>(handle))) {
      ++count;
    } else if (IsWindow(static_cast<HWND>(handle))) {
      DWORD owner = 0;
      GetWindowThreadProcessId(static_cast<HWND>(handle), &owner);
      if (owner == process) ++count;
    }
  }
  return count;
}

}  // namespace

GuiObjects CountGuiObjects() {
  if (UnderWine()) return {WineGdiObjects(), WineUserObjects()};
  const HANDLE process = GetCurrentProcess();
  return {GetGuiResources(process, GR_GDIOBJECTS), GetGuiResources(process, GR_USEROBJECTS)};
}

}  // namespace au::test
