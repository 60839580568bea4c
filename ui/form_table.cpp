#include "ui/form_table.h"

namespace kelvo {

const WidgetRow* FindRow(const WindowTable& table, int id) {
  for (const WidgetRow& row : table.rows) {
    if (row.id == id) return &row;
  }
  return nullptr;
}

}  // namespace kelvo
