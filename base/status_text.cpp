#include "base/status_text.h"

#include <array>
#include <cstdio>

namespace kelvo {
namespace {

struct Known {
  std::uint32_t status;
  const char16_t* text;
};

constexpr std::array<Known, 11> kKnown{{
    {0x800401F3,  // CO_E_CLASSSTRING
     u"ターゲット CAD の ProgID がこのコンピューターに登録されていません。[CAD] で ProgID "
     u"を確かめてください"},
    {0x80040154,  // REGDB_E_CLASSNOTREG
     u"ターゲット CAD がこのコンピューターに登録されていません。CAD をインストールし直すか、[CAD] "
     u"で別の CAD を選んでください"},
    {0x800401E3,  // MK_E_UNAVAILABLE
     u"ターゲット CAD が起動していません。CAD を起動してからやり直してください"},
    {0x80010108,  // RPC_E_DISCONNECTED
     u"CAD との接続が切れました。CAD が終了していないか確かめ、やり直してください"},
    {0x800706BA,  // RPC_S_SERVER_UNAVAILABLE
     u"CAD が応答しません。CAD が終了していないか確かめ、やり直してください"},
    {0x800706BE,  // RPC_S_CALL_FAILED
     u"CAD の呼び出しに失敗しました。CAD が終了していないか確かめ、やり直してください"},
    {0x80010001,  // RPC_E_CALL_REJECTED
     u"CAD が呼び出しを受け付けませんでした。CAD のコマンドを終えてからやり直してください"},
    {0x8001010A,  // RPC_E_SERVERCALL_RETRYLATER
     u"CAD が処理中です。CAD のコマンドを終えてからやり直してください"},
    {0x80020003,  // DISP_E_MEMBERNOTFOUND
     u"CAD にこの機能がありません。ターゲット CAD が AutoCAD 互換か確かめてください"},
    {0x80020006,  // DISP_E_UNKNOWNNAME
     u"CAD にこの機能がありません。ターゲット CAD が AutoCAD 互換か確かめてください"},
    {0x80020009,  // DISP_E_EXCEPTION
     u"CAD の中でエラーが起きました。CAD の状態を確かめてからやり直してください"},
}};

}  // namespace

std::u16string StatusCodeText(std::uint32_t status) {
  char hex[16];
  std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(status));
  return u"エラー " + std::u16string(hex, hex + 10);
}

std::optional<std::u16string> FriendlyStatusText(std::uint32_t status) {
  for (const Known& known : kKnown) {
    if (known.status == status) {
      return std::u16string(known.text) + u"（" + StatusCodeText(status) + u"）";
    }
  }
  return std::nullopt;
}

}  // namespace kelvo
