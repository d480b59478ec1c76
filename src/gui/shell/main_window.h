// The one window of the program: menu bar, background picture and the tool
// tabs, with the navigation between them.
#pragma once

#include <QMainWindow>

#include <map>
#include <set>
#include <string_view>

class QTabWidget;

namespace vapentis {

class HelpTab;
struct Presented;
class SheetDialog;
class TabPage;
struct ToolDescription;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);

  // Shows the tools with only tab `index` visible and current: the tools in
  // catalog order, then help.
  void ShowToolTab(int index);
  // Hides the tools; every tab keeps its texts.
  void HideTools();
  // Opens the maker's web site in the default browser, without waiting.
  void OpenMakerSite();
  // Opens the calculation sheet, with the tool on show and every tool used
  // since the window opened ticked.
  void OpenSheet();

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void buildMenu();
  void buildTabs(QWidget* client);
  // Shows the tool's tab, current, and the tabs shown beside it.
  void showToolTabs(const ToolDescription* tool);
  // Hands the figures of a press of `button` on `tool`'s page on, where a hand-on says so.
  void handOn(const ToolDescription* tool, const char* button, const Presented& presented);

  QTabWidget* tabs_ = nullptr;
  std::map<const ToolDescription*, TabPage*> tool_pages_;
  HelpTab* help_ = nullptr;
  SheetDialog* sheet_ = nullptr;     // made when first asked for, kept while the window lives
  std::set<std::string_view> used_;  // tools whose figures the user asked for
  bool placed_ = false;
};

}  // namespace vapentis
