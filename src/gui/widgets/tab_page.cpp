#include "gui/widgets/tab_page.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QStyle>

#include <algorithm>
#include <stdexcept>

#include "gui/widgets/error_box.h"
#include "gui/widgets/picture.h"
#include "gui/widgets/qt_text.h"
#include "gui/widgets/result_box.h"

namespace vapentis {

namespace {

// A wrapping label that grows downward to the lines its text needs, rather than
// clip them. It measures when first shown: measuring at construction would lay
// out the text of every hidden tab before the window could appear.
class WrappingLabel : public QLabel {
 public:
  using QLabel::QLabel;

 protected:
  void showEvent(QShowEvent* event) override {
    if (!measured_) {
      measured_ = true;
      resize(width(), std::max(height(), heightForWidth(width())));
    }
    QLabel::showEvent(event);
  }

 private:
  bool measured_ = false;
};

// A drop-down list whose open list is as wide as its longest item, however
// narrow the box. It measures when first opened, not while hidden tabs are built.
class ListBox : public QComboBox {
 public:
  using QComboBox::QComboBox;

  void showPopup() override {
    int widest = 0;
    for (int i = 0; i < count(); ++i) {
      widest = std::max(widest, fontMetrics().horizontalAdvance(itemText(i)));
    }
    view()->setMinimumWidth(widest + 2 * fontMetrics().averageCharWidth() +
                            style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    QComboBox::showPopup();
  }
};

bool ShowsInput(ControlKind kind) {
  return kind == ControlKind::Label || kind == ControlKind::UnitLabel ||
         kind == ControlKind::Input || kind == ControlKind::List;
}

bool IsChoiceButton(ControlKind kind) {
  return kind == ControlKind::CheckBox || kind == ControlKind::OptionButton;
}

// An input the table gives no box, list or choice button would be read as empty,
// or never shown: the page refuses to be built instead.
void RequireEveryInputBound(const ToolDescription& tool, std::span<const ControlRow> table) {
  for (const auto inputs : {tool.inputs, tool.shown_only}) {
    for (const InputDescription& input : inputs) {
      const bool bound = std::any_of(table.begin(), table.end(), [&](const ControlRow& row) {
        return row.input == input.key &&
               (row.kind == ControlKind::Input || row.kind == ControlKind::List ||
                IsChoiceButton(row.kind));
      });
      if (!bound) {
        throw std::logic_error("the tab of " + std::string(tool.name) + " has no box for " +
                               std::string(input.key));
      }
    }
  }
}

}  // namespace

TabPage::TabPage(const ToolDescription* tool, std::span<const ControlRow> table, QWidget* parent)
    : QWidget(parent), tool_(tool) {
  if (tool_ != nullptr) RequireEveryInputBound(*tool_, table);
  setFont(WindowFont());
  controls_.reserve(table.size());
  for (const ControlRow& row : table) controls_.push_back({&row, build(row)});
  for (const Bound& bound : controls_) nameForScreenReaders(*bound.row, bound.widget);

  // An input read only under another input's choice starts hidden when that
  // input starts on a different choice.
  if (tool_ != nullptr) {
    for (const InputDescription& input : tool_->inputs) {
      if (input.read_when.input.empty()) continue;
      const std::string_view start = FindInput(*tool_, input.read_when.input)->start_text;
      if (!start.empty() && start != input.read_when.choice) setInputShown(input.key, false);
    }
  }
  if (calculate_ != nullptr) {
    for (const Bound& bound : controls_) {
      QLineEdit* box = qobject_cast<QLineEdit*>(bound.widget);
      if (auto* list = qobject_cast<QComboBox*>(bound.widget)) box = list->lineEdit();
      if (box != nullptr) connect(box, &QLineEdit::returnPressed, calculate_, &QPushButton::click);
    }
  }
}

const InputDescription& TabPage::inputOf(const ControlRow& row) const {
  const InputDescription* input = tool_ != nullptr ? FindInput(*tool_, row.input) : nullptr;
  if (input == nullptr) throw std::logic_error("control bound to an unknown input");
  return *input;
}

QWidget* TabPage::build(const ControlRow& row) {
  QWidget* parent = row.parent != nullptr ? control<QWidget>(row.parent) : this;
  QWidget* widget = nullptr;
  switch (row.kind) {
    case ControlKind::Frame: {
      auto* frame = new QFrame(parent);
      frame->setFrameShape(QFrame::Box);
      frame->setFrameShadow(QFrame::Sunken);
      widget = frame;
      break;
    }
    case ControlKind::Label:
    case ControlKind::UnitLabel:
    case ControlKind::HintLabel: {
      QString caption = Utf8(row.text);
      if (row.kind == ControlKind::Label && !row.input.empty()) {
        caption = Utf8(Caption(inputOf(row)));
      } else if (row.kind == ControlKind::UnitLabel) {
        caption = Utf8(BracketedUnit(inputOf(row).unit, UnitInCaption::FullWidthBrackets));
      } else if (row.kind == ControlKind::HintLabel) {
        caption = Utf8(inputOf(row).hint);
      }
      auto* label = new WrappingLabel(caption, parent);
      label->setWordWrap(true);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      widget = label;
      break;
    }
    case ControlKind::Input: {
      auto* box = new QLineEdit(Utf8(inputOf(row).start_text), parent);
      box->setMaxLength(static_cast<int>(kMaxCaseTextCharacters));
      connect(box, &QLineEdit::textChanged, this, [this] { calculated_ = false; });
      connect(box, &QLineEdit::textEdited, this, &TabPage::edited);
      widget = box;
      break;
    }
    case ControlKind::List: {
      auto* list = new ListBox(parent);
      list->setEditable(true);
      list->setInsertPolicy(QComboBox::NoInsert);
      list->setDuplicatesEnabled(true);
      for (const std::string_view item : inputOf(row).list) list->addItem(Utf8(item));
      list->lineEdit()->setMaxLength(static_cast<int>(kMaxCaseTextCharacters));
      connect(list->lineEdit(), &QLineEdit::textChanged, this, [this] { calculated_ = false; });
      connect(list->lineEdit(), &QLineEdit::textEdited, this, &TabPage::edited);
      connect(list, &QComboBox::activated, this, &TabPage::edited);
      // After a pick the box shows the start of a name too long for it.
      connect(list, &QComboBox::activated, list,
              [list] { list->lineEdit()->setCursorPosition(0); });
      widget = list;
      break;
    }
    case ControlKind::CheckBox:
    case ControlKind::OptionButton: {
      const InputDescription& input = inputOf(row);
      const Choice* choice = FindChoice(input, row.text);
      if (choice == nullptr) throw std::logic_error("control bound to an unknown choice");
      QAbstractButton* button = nullptr;
      if (row.kind == ControlKind::CheckBox) {
        button = new QCheckBox(Utf8(choice->caption), parent);
      } else {
        button = new QRadioButton(Utf8(choice->caption), parent);
        // An exclusive group may start with neither button chosen, and a click
        // never clears the chosen one.
        auto* group = findChild<QButtonGroup*>(Utf8(input.key), Qt::FindDirectChildrenOnly);
        if (group == nullptr) {
          group = new QButtonGroup(this);
          group->setObjectName(Utf8(input.key));
        }
        group->addButton(button);
      }
      button->setChecked(input.start_text == choice->key);
      connect(button, &QAbstractButton::toggled, this, [this] { calculated_ = false; });
      connect(button, &QAbstractButton::clicked, this, &TabPage::edited);
      // clicked, not toggled: a box another click clears in code runs no rule.
      connect(button, &QAbstractButton::clicked, this, [this, &row](bool chosen) {
        if (!chosen) return;
        for (const Bound& other : controls_) {
          if (other.row != &row && other.row->kind == ControlKind::CheckBox &&
              other.row->input == row.input) {
            static_cast<QCheckBox*>(other.widget)->setChecked(false);
          }
        }
        QLineEdit* shown = nullptr;
        for (const InputDescription& input : tool_->inputs) {
          if (input.read_when.input != row.input) continue;
          const bool read = input.read_when.choice == row.text;
          setInputShown(input.key, read);
          if (read && shown == nullptr) shown = boxOf(input.key);
        }
        // The box the choice shows is where the user types next.
        if (shown != nullptr) {
          shown->setFocus(Qt::OtherFocusReason);
          shown->selectAll();
        }
      });
      widget = button;
      break;
    }
    case ControlKind::CalculateButton:
    case ControlKind::HandOnButton:
    case ControlKind::ExitButton: {
      const bool exit_caption = row.kind == ControlKind::ExitButton && row.text.empty();
      auto* button =
          new QPushButton(exit_caption ? QStringLiteral("退出") : Utf8(row.text), parent);
      button->setAutoDefault(false);
      if (row.kind == ControlKind::CalculateButton) {
        calculate_ = button;
        connect(button, &QPushButton::clicked, this, [this, &row] { press(row.name); });
      } else if (row.kind == ControlKind::HandOnButton) {
        connect(button, &QPushButton::clicked, this, [this, &row] { press(row.name); });
      } else {
        connect(button, &QPushButton::clicked, this, &TabPage::exitRequested);
      }
      widget = button;
      break;
    }
    case ControlKind::ResultBox: {
      auto* box = new QPlainTextEdit(parent);
      box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
      box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      box->setTabChangesFocus(true);
      // Beside Qt's own commands, the sheet of this tool's figures.
      if (tool_ != nullptr) {
        box->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(box, &QWidget::customContextMenuRequested, this, [this, box](const QPoint& at) {
          QMenu* menu = box->createStandardContextMenu(at);
          menu->setObjectName(QStringLiteral("ResultMenu"));
          menu->addSeparator();
          QAction* sheet = menu->addAction(QStringLiteral("生成计算书…"));
          sheet->setObjectName(QStringLiteral("ResultSheet"));
          connect(sheet, &QAction::triggered, this, &TabPage::sheetRequested);
          menu->setAttribute(Qt::WA_DeleteOnClose);
          menu->popup(box->mapToGlobal(at));
        });
      }
      result_ = box;
      widget = box;
      break;
    }
    case ControlKind::Picture:
      widget = new PictureView(Utf8(row.text), TwipRect(row.place).size(), parent);
      break;
  }
  widget->setObjectName(QString::fromLatin1(row.name));
  widget->setGeometry(TwipRect(row.place));
  // What to type, in which unit, and where the figures hold, where the user types it.
  if (row.kind == ControlKind::Input || row.kind == ControlKind::List || IsChoiceButton(row.kind)) {
    widget->setToolTip(Utf8(InputHint(inputOf(row), "\n")));
  }
  return widget;
}

// What a screen reader says of a control: its caption, with the unit a label
// beside it shows, and what it is for, in the tooltip's first line.
void TabPage::nameForScreenReaders(const ControlRow& row, QWidget* widget) const {
  QString name;
  QString description;
  switch (row.kind) {
    case ControlKind::Input:
    case ControlKind::List: {
      const InputDescription& input = inputOf(row);
      name = Utf8(Caption(input));
      const bool unit_label = std::any_of(controls_.begin(), controls_.end(), [&](const Bound& b) {
        return b.row->kind == ControlKind::UnitLabel && b.row->input == row.input;
      });
      if (unit_label) name += Utf8(BracketedUnit(input.unit, UnitInCaption::FullWidthBrackets));
      description = widget->toolTip().section(QLatin1Char('\n'), 0, 0);
      break;
    }
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
      name = static_cast<QAbstractButton*>(widget)->text();
      description = widget->toolTip().section(QLatin1Char('\n'), 0, 0);
      break;
    case ControlKind::CalculateButton:
    case ControlKind::HandOnButton:
      name = static_cast<QAbstractButton*>(widget)->text();
      description = tool_ != nullptr ? Utf8(tool_->summary) : QString();
      break;
    case ControlKind::ExitButton:
      name = static_cast<QAbstractButton*>(widget)->text();
      description = QStringLiteral("隐藏工具页，已输入的内容和结果都保留");
      break;
    case ControlKind::ResultBox:
      name = tool_ != nullptr ? Utf8(tool_->menu_caption) + QStringLiteral("结果")
                              : QStringLiteral("帮助说明");
      break;
    case ControlKind::Label:
      // The caption labels its box: screen readers on Linux name a list by its label.
      if (!row.input.empty()) {
        QWidget* box = boxOf(row.input);
        if (auto* list = qobject_cast<QComboBox*>(box != nullptr ? box->parentWidget() : nullptr)) {
          box = list;
        }
        static_cast<QLabel*>(widget)->setBuddy(box);
      }
      return;
    case ControlKind::Picture:
    case ControlKind::Frame:
    case ControlKind::UnitLabel:
    case ControlKind::HintLabel:
      return;
  }
  widget->setAccessibleName(name);
  if (!description.isEmpty()) widget->setAccessibleDescription(description);
}

void TabPage::focusFirstInput() {
  QLineEdit* first = nullptr;
  for (const Bound& bound : controls_) {
    if (!bound.widget->isVisibleTo(this)) continue;
    if (auto* box = qobject_cast<QLineEdit*>(bound.widget); box != nullptr) {
      first = box;
      break;
    }
    if (auto* list = qobject_cast<QComboBox*>(bound.widget); list != nullptr && first == nullptr) {
      // A list is the first input only on a page without a box to type a number in.
      first = list->lineEdit();
    }
  }
  if (first == nullptr) return;
  first->setFocus(Qt::TabFocusReason);
  first->selectAll();
}

void TabPage::setInputShown(std::string_view key, bool shown) {
  for (const Bound& bound : controls_) {
    if (bound.row->input == key && ShowsInput(bound.row->kind)) bound.widget->setVisible(shown);
  }
}

void TabPage::ReadInto(const Bound& bound, std::string& text) {
  if (IsChoiceButton(bound.row->kind)) {
    // A choice's buttons each say whether they are the one; the unticked leave the text.
    if (static_cast<QAbstractButton*>(bound.widget)->isChecked()) text = bound.row->text;
  } else if (auto* box = qobject_cast<QLineEdit*>(bound.widget)) {
    text = box->text().toStdString();
  } else if (auto* list = qobject_cast<QComboBox*>(bound.widget)) {
    text = list->currentText().toStdString();
  }
}

InputTexts TabPage::inputTexts() const {
  InputTexts texts(*tool_);
  for (const Bound& bound : controls_) {
    if (bound.row->input.empty() || FindReadInput(*tool_, bound.row->input) == nullptr) continue;
    ReadInto(bound, texts[bound.row->input]);
  }
  return texts;
}

QLineEdit* TabPage::boxOf(std::string_view key) const {
  for (const Bound& bound : controls_) {
    if (bound.row->input != key) continue;
    if (auto* box = qobject_cast<QLineEdit*>(bound.widget)) return box;
    if (auto* list = qobject_cast<QComboBox*>(bound.widget)) return list->lineEdit();
  }
  return nullptr;
}

void TabPage::press(const char* button) {
  emit used();
  const Presented presented = Present(inputTexts(), LocaleDecimalSeparator());
  present(presented);
  emit answered(button, presented);
}

void TabPage::setInputText(std::string_view key, const QString& text) {
  if (QLineEdit* box = boxOf(key)) box->setText(text);
}

void TabPage::pressCalculate() {
  if (calculate_ != nullptr) calculate_->click();
}

CaseTool TabPage::caseTool() const {
  CaseTool tool = StartTool(*tool_);
  for (const auto inputs : {tool_->inputs, tool_->shown_only}) {
    for (const InputDescription& input : inputs) {
      if (!input.choices.empty()) tool[input.key].clear();
    }
  }
  for (const Bound& bound : controls_) {
    if (!bound.row->input.empty()) ReadInto(bound, tool[bound.row->input]);
  }
  tool.calculated = calculated_;
  return tool;
}

void TabPage::setCase(const CaseTool& tool) {
  std::vector<QButtonGroup*> groups;
  for (const Bound& bound : controls_) {
    if (bound.row->input.empty()) continue;
    const QString text = QString::fromStdString(tool[bound.row->input]);
    if (IsChoiceButton(bound.row->kind)) {
      auto* button = static_cast<QAbstractButton*>(bound.widget);
      // An exclusive group keeps one button chosen; none may be chosen in a case.
      if (QButtonGroup* group = button->group(); group != nullptr && group->exclusive()) {
        group->setExclusive(false);
        groups.push_back(group);
      }
      button->setChecked(text == Utf8(bound.row->text));
    } else if (auto* box = qobject_cast<QLineEdit*>(bound.widget)) {
      box->setText(text);
    } else if (auto* list = qobject_cast<QComboBox*>(bound.widget)) {
      const int item = list->findText(text, Qt::MatchExactly);
      if (item >= 0) list->setCurrentIndex(item);
      list->setEditText(text);
      list->lineEdit()->setCursorPosition(0);
    }
  }
  for (QButtonGroup* group : groups) group->setExclusive(true);
  // The inputs read under a choice show as that choice shows them; with none made, all show,
  // as at start.
  for (const InputDescription& input : tool_->inputs) {
    if (input.read_when.input.empty()) continue;
    const std::string& chosen = tool[input.read_when.input];
    setInputShown(input.key, chosen.empty() || chosen == input.read_when.choice);
  }
  if (result_ != nullptr) result_->clear();
  calculated_ = false;
}

void TabPage::recalculate() {
  const Presented presented = Present(inputTexts(), LocaleDecimalSeparator());
  if (presented.outcome) ReplaceResult(*result_, presented.outcome->lines);
  calculated_ = presented.Succeeded();
}

void TabPage::present(const Presented& presented) {
  calculated_ = presented.Succeeded();
  // The tooltips state the ranges; a press shows no warning. Lines without values,
  // of a list text not in the list, stand as the lookup gives them.
  if (presented.outcome) {
    ReplaceResult(*result_, presented.outcome->lines);
  } else {
    reportFailure(*presented.failure);
  }
}

void TabPage::reportFailure(const Failed& failed) {
  ShowError(this, Utf8(FailureText(failed, "\n")));
  if (QLineEdit* box = failed.culprit != nullptr ? boxOf(failed.culprit->key) : nullptr) {
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
  }
}

}  // namespace vapentis
