// The base of every tool tab: builds the tab's controls from its layout table
// and its tool's description, reads the inputs, runs the calculation, writes
// the result box, and names the box behind a failure.
#pragma once

#include <QWidget>

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/case/case_file.h"
#include "core/description/presenter.h"
#include "core/description/tool_description.h"
#include "core/numeric/numeric.h"
#include "gui/widgets/metrics.h"

class QAbstractButton;
class QLineEdit;
class QPlainTextEdit;

namespace vapentis {

enum class ControlKind {
  Frame,            // a frame without caption; later rows may sit in it
  Label,            // the caption of `input`, or `text`
  UnitLabel,        // the unit of `input`, in full-width brackets
  HintLabel,        // the hint of `input`
  Input,            // a single-line box holding the start text of `input`
  List,             // an editable, unsorted drop-down list of the items of `input`
  CheckBox,         // ticks the choice `text` of `input`
  OptionButton,     // chooses the choice `text` of `input`; one of a group
  CalculateButton,  // caption `text`; pressing it, or Enter in a box, calculates
  HandOnButton,     // caption `text`; calculates as the calculate button does, and the
                    // window hands a figure of a success on to another tool's tab
  ExitButton,       // caption `text`, else "退出"; asks the window to hide the tools
  ResultBox,        // the multi-line box the result lines replace
  Picture,          // the SVG resource `text`, drawn at the size of `place`
};

// One control of a tab, in creation order, which is also the tab order.
struct ControlRow {
  ControlKind kind;
  const char* name;  // the objectName
  TwipBox place;     // relative to the page, or to `parent`
  std::string_view input = {};
  std::string_view text = {};
  const char* parent = nullptr;  // the frame it sits in; nullptr: the page
};

class TabPage : public QWidget {
  Q_OBJECT

 public:
  // `tool` gives the texts of the rows bound to an input; nullptr where none is.
  TabPage(const ToolDescription* tool, std::span<const ControlRow> table,
          QWidget* parent = nullptr);

  // Puts the cursor into the first shown box the user types into, its whole
  // text selected, so that typing replaces it.
  void focusFirstInput();

  // Sets the text of the input's box, as another tab hands a figure on.
  void setInputText(std::string_view key, const QString& text);
  // Presses the calculate button, as the user would.
  void pressCalculate();

  // The boxes as a case keeps them: every input's text, read or shown for reference,
  // and whether the last calculation succeeded with the boxes as they stand.
  CaseTool caseTool() const;
  // Sets every box, tick and choice from the case, as the user left them, and empties
  // the result box; nothing is calculated.
  void setCase(const CaseTool& tool);
  // Calculates with the boxes as they stand, writing the result box, without a
  // message and without handing anything on.
  void recalculate();
  // A page without a calculate button shows the result of its inputs as they change,
  // so a case always calculates it again.
  bool followsItsInputs() const { return calculate_ == nullptr && result_ != nullptr; }

  // The tool the page shows; nullptr for a page without one.
  const ToolDescription* tool() const { return tool_; }
  // The texts of the tool's inputs as the page holds them now.
  InputTexts inputTexts() const;

 signals:
  // The page's exit button was pressed: the window hides the tools.
  void exitRequested();
  // The user asked for the tool's figures: pressed its calculate button, or picked a size.
  void used();
  // A calculating button was pressed and the press gave this record.
  void answered(const char* button, const Presented& presented);
  // The user asked for the calculation sheet from the result box's menu.
  void sheetRequested();
  // The user changed a box, a tick, a choice or a list's text.
  void edited();

 protected:
  // The control of this page with the given objectName; nullptr if none.
  template <class T>
  T* control(const char* name) const {
    return findChild<T*>(QString::fromLatin1(name));
  }

  // Reads every input of the tool, runs its calculation and writes the result
  // box, or shows the failure and leaves the result box as it was; then reports
  // the press of the calculating button `button`.
  void press(const char* button);
  // Writes the lines of a calculated press into the result box, or reports
  // why there are none, leaving the box as it was.
  void present(const Presented& presented);
  // Shows or hides the label and the box of an input.
  void setInputShown(std::string_view key, bool shown);
  QPlainTextEdit* resultBox() const { return result_; }

 private:
  struct Bound {
    const ControlRow* row;
    QWidget* widget;
  };

  // The text of an input as its control holds it, into `text`.
  static void ReadInto(const Bound& bound, std::string& text);
  QWidget* build(const ControlRow& row);
  void nameForScreenReaders(const ControlRow& row, QWidget* widget) const;
  void reportFailure(const Failed& failed);
  const InputDescription& inputOf(const ControlRow& row) const;
  // The box the user types an input into; nullptr for ticked inputs.
  QLineEdit* boxOf(std::string_view key) const;

  const ToolDescription* tool_;
  std::vector<Bound> controls_;
  bool calculated_ = false;  // the last calculation succeeded and no box changed since
  QAbstractButton* calculate_ = nullptr;
  QPlainTextEdit* result_ = nullptr;
};

}  // namespace vapentis
