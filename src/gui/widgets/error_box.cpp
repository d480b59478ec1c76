#include "gui/widgets/error_box.h"

#include <QMessageBox>

#include "core/catalog/program_info.h"
#include "gui/widgets/qt_text.h"

namespace vapentis {

void ShowError(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Critical, Utf8(program::kName), text, QMessageBox::Ok, parent);
  box.exec();
}

}  // namespace vapentis
