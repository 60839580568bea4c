#include "sim/simcad_sample.h"

#include <string>

#include "base/text.h"

namespace kelvo::sim {

void AddSampleDrawing(Drawing& drawing) {
  // Room names: a column stepping down by 10.
  const char16_t* rooms[] = {u"会議室", u"応接室", u"事務室", u"倉庫", u"更衣室"};
  double y = 0;
  for (const char16_t* room : rooms) {
    drawing.AddText(room, 0, y);
    y -= 10;
  }
  // Numbered tags: a row stepping right by 15.
  for (int n = 1; n <= 8; ++n) {
    std::u16string number = ToU16(n);
    drawing.AddText(u"No." + std::u16string(3 - number.size(), u'0') + number, 30 + 15 * (n - 1),
                    0);
  }
  // Alignments other than left: each is placed by its alignment point.
  drawing.AddText(u"1階 平面図", 90, 12, 1);  // center
  drawing.AddText(u"S=1/100", 150, -40, 2);   // right
  drawing.AddText(u"計 8 室", 90, -25, 10);   // middle center
  drawing.AddText(u"設計部", 150, -30, 14);   // bottom right
  drawing.AddLine(-5, 7, 150, 7);
}

}  // namespace kelvo::sim
