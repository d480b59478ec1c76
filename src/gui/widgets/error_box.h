// The window's one modal message: how a failure reaches the user.
#pragma once

class QString;
class QWidget;

namespace vapentis {

// The modal error message of the window (critical icon, title "Vapentis").
void ShowError(QWidget* parent, const QString& text);

}  // namespace vapentis
