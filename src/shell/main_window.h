// The one window of the program: menu bar, background picture and the tool
// tabs, with the navigation between them.
#pragma once

#include <QMainWindow>

class QTabWidget;

namespace vapentis {

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);

  // Shows the tools with only tab `index` (0 to 6) visible and current.
  void ShowToolTab(int index);
  // Hides the tools; every tab keeps its texts.
  void HideTools();
  // Opens the maker's web site in the default browser, without waiting.
  void OpenMakerSite();

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void buildMenu();
  void buildTabs(QWidget* client);

  QTabWidget* tabs_ = nullptr;
  bool placed_ = false;
};

}  // namespace vapentis
