#include "sim/simcad_clsid_win.h"

#include <cstdint>

namespace kelvo::sim {

CLSID SimCadClsid(std::wstring_view progId) {
  // FNV-1a over the upper-case code units: ProgIDs are registry key names,
  // which Windows compares without regard to case.
  std::uint64_t hash = 0xcbf29ce484222325ull;
  for (wchar_t c : progId) {
    if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
    for (int shift : {0, 8}) {
      hash ^= (static_cast<std::uint16_t>(c) >> shift) & 0xFF;
      hash *= 0x100000001b3ull;
    }
  }
  CLSID clsid{0xA374093C, 0x0C79, 0x430E, {}};
  for (int i = 0; i < 8; ++i) clsid.Data4[i] = static_cast<unsigned char>(hash >> (56 - 8 * i));
  clsid.Data4[0] = static_cast<unsigned char>((clsid.Data4[0] & 0x3F) | 0x80);  // RFC 4122 variant
  return clsid;
}

}  // namespace kelvo::sim
