#pragma once
// The editor's popup menu, in its order; a null caption is a separator line.

#include <array>

namespace kelvo {

enum MenuId : int {
  kIdN20 = 201,  // クリア
  kIdN10,        // カット
  kIdN11,        // コピー
  kIdN12,        // ペースト
  kIdN1,
  kIdN2,
  kIdN4,
  kIdN5,
  kIdN28,
  kIdN21,  // submenu
  kIdN7,
  kIdN8,
  kIdN14,
  kIdN15,
  kIdN17,
  kIdN25,  // バージョン情報
  kIdN19,  // 取り消し
  kIdN23,
  kIdN24,
  kIdN091,
  kIdN092,
  kIdN094,
  kIdN093,
  kIdAZ1,
  kIdAZ2,
  kIdN27,
  kIdN26,
};

struct MenuLayout {
  int id;  // 0 for a separator
  const char16_t* caption;
};

inline constexpr std::array<MenuLayout, 26> kPopupLayout{{
    {kIdN20, u"クリア"},
    {kIdN10, u"カット"},
    {kIdN11, u"コピー"},
    {kIdN12, u"ペースト"},
    {0, nullptr},  // N9
    {kIdN1, u"すべて全角に"},
    {kIdN2, u"選択範囲を全角に"},
    {0, nullptr},  // N3
    {kIdN4, u"すべて半角に"},
    {kIdN5, u"選択範囲を半角に"},
    {0, nullptr},  // N22
    {kIdN28, u"すべての半角 ( ) を全角に "},
    {0, nullptr},  // N29
    {kIdN21, u"その他のすべてを変換"},
    {0, nullptr},  // N6
    {kIdN7, u"すべて置換"},
    {kIdN8, u"選択範囲を置換"},
    {0, nullptr},  // N13
    {kIdN14, u"すべて加算"},
    {kIdN15, u"選択範囲を加算"},
    {0, nullptr},  // N16
    {kIdN17, u"連番作成"},
    {0, nullptr},  // N18
    {kIdN25, u"バージョン情報"},
    {0, nullptr},  // N30
    {kIdN19, u"取り消し"},
}};

inline constexpr std::array<MenuLayout, 10> kConvertSubmenuLayout{{
    {kIdN23, u"半角カタカナを全角に"},
    {kIdN24, u"全角カタカナを半角に"},
    {kIdN091, u"半角数字(0..9)を全角に"},
    {kIdN092, u"全角数字(0..9)を半角に"},
    {kIdN094, u"半角数値(0..9+-.,)を全角に"},
    {kIdN093, u"全角数値(0..9+-.,)を半角に"},
    {kIdAZ1, u"半角アルファベット(A..Z)を全角に"},
    {kIdAZ2, u"全角アルファベット(A..Z)を半角に"},
    {kIdN27, u"半角記号を全角に"},
    {kIdN26, u"全角記号を半角に"},
}};

}  // namespace kelvo
