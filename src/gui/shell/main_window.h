// The one window of the program: menu bar, background picture and the tool
// tabs, with the navigation between them.
#pragma once

#include <QMainWindow>
#include <QString>

#include <map>
#include <set>
#include <string_view>

#include "core/case/case_file.h"

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

  // Opens the case in the file: every box, tick and choice, the sheet's header and
  // prices set from it, the result boxes emptied and the tools it calculated
  // calculated again, its tab shown. A file refused is named with its reason in a
  // message and leaves the window as it was; false then.
  bool OpenCase(const QString& path);
  // Writes the window as a case into the file, whole or not at all; false, after a
  // message naming the file and the reason, when it cannot.
  bool SaveCase(const QString& path);
  // The window's boxes, ticks and choices, the sheet's header and prices, and the
  // tab on show, as a case keeps them.
  Case CurrentCase();
  // The case file the window was last opened from or saved to; empty before any.
  const QString& CasePath() const { return case_path_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void buildMenu();
  void buildTabs(QWidget* client);
  // Shows the tool's tab, current, and the tabs shown beside it.
  void showToolTabs(const ToolDescription* tool);
  // Hands the figures of a press of `button` on `tool`'s page on, where a hand-on says so.
  void handOn(const ToolDescription* tool, const char* button, const Presented& presented);
  SheetDialog* sheetDialog();

  // The case commands: asking for the file where they need one.
  void chooseCaseToOpen();
  void saveCaseCommand();
  void saveCaseAs();
  // Asks whether to save a case changed since it was opened or saved; true when
  // the window may go on to what it was asked (saved, or not to be saved).
  bool settleModifiedCase();
  // After the user changed something a case holds.
  void markModified();
  void setCasePath(const QString& path);

  QTabWidget* tabs_ = nullptr;
  std::map<const ToolDescription*, TabPage*> tool_pages_;
  HelpTab* help_ = nullptr;
  SheetDialog* sheet_ = nullptr;     // made when first asked for, kept while the window lives
  std::set<std::string_view> used_;  // tools whose figures the user asked for
  bool placed_ = false;
  QString case_path_;  // empty: no case opened or saved yet
};

}  // namespace vapentis
