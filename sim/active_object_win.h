#pragma once
// Publishes an object in the running object table under a ProgID, the way a
// CAD application announces itself to automation clients.

#include <windows.h>
#include <objbase.h>
#include <oleauto.h>

#include <string_view>

namespace kelvo {

// Makes CLSIDFromProgID resolve `progId` to `clsid`: writes
// HKEY_CLASSES_ROOT\<progId>\CLSID. Raises with the system's text on failure.
void RegisterProgId(std::u16string_view progId, const CLSID& clsid);

// `object` registered (strongly) in the running object table for `clsid`
// while this lives. The ProgID stays registered afterwards: other processes
// may still be resolving it.
class ActiveObject {
 public:
  // Raises with the system's text when either registration fails.
  ActiveObject(std::u16string_view progId, const CLSID& clsid, IUnknown* object);
  ActiveObject(const ActiveObject&) = delete;
  ActiveObject& operator=(const ActiveObject&) = delete;
  ~ActiveObject() { RevokeActiveObject(cookie_, nullptr); }

 private:
  DWORD cookie_ = 0;
};

}  // namespace kelvo
