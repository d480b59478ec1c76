#include "widgets/error_box.h"

#include <QMessageBox>

namespace vapentis {

void ShowError(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Critical, QStringLiteral("Vapentis"), text, QMessageBox::Ok, parent);
  box.exec();
}

}  // namespace vapentis
