// Helpers of the window tests: finding controls by name, closing modal boxes,
// checking a failed calculation, a page's layout and its tab order.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <set>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "core/description/presenter.h"
#include "core/description/tool_description.h"
#include "gui/widgets/qt_text.h"

namespace vapentis::testing {

using vapentis::Utf8;

// The control with this objectName below root; fails the test if missing.
template <class T>
T* Find(QObject* root, const char* name) {
  T* found = root->findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(found, nullptr) << "no control " << name;
  return found;
}

// Watches for modal message boxes while alive, records and closes each one.
class ModalCatcher {
 public:
  ModalCatcher() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      texts_.push_back(box->text());
      titles_.push_back(box->windowTitle());
      icons_.push_back(box->icon());
      box->done(QMessageBox::Ok);
    });
    timer_.start(5);
  }

  const QStringList& texts() const { return texts_; }
  const QStringList& titles() const { return titles_; }
  const QList<QMessageBox::Icon>& icons() const { return icons_; }

 private:
  QTimer timer_;
  QStringList texts_;
  QStringList titles_;
  QList<QMessageBox::Icon> icons_;
};

// How a calculation must fail: the word naming the kind in the message, and the
// box to blame with the key of its input, or nullptr for both when none is blamed.
struct ExpectedFailure {
  const char* word;
  const char* focus_box;
  const char* input;
};

// Presses `button` on the shown, active `page` of `tool` with its inputs typed, and
// checks that one error box names the failure and the blamed input's caption, the
// blamed box has the cursor with its text selected, and `result_box` keeps its text.
inline void ExpectFailureKeepsTheResult(QWidget* page, const ToolDescription& tool,
                                        const char* button, const char* result_box,
                                        const ExpectedFailure& expected) {
  auto* result = Find<QPlainTextEdit>(page, result_box);
  ASSERT_NE(result, nullptr);
  result->setPlainText(QStringLiteral("earlier result"));
  ModalCatcher catcher;
  Find<QPushButton>(page, button)->click();
  ASSERT_EQ(catcher.texts().size(), 1);
  const QString& text = catcher.texts()[0];
  EXPECT_TRUE(text.contains(QString::fromUtf8(expected.word))) << text.toStdString();
  EXPECT_EQ(catcher.titles()[0], QStringLiteral("Vapentis"));
  EXPECT_EQ(catcher.icons()[0], QMessageBox::Critical);
  EXPECT_EQ(result->toPlainText(), QStringLiteral("earlier result"));
  if (expected.focus_box != nullptr) {
    auto* box = Find<QLineEdit>(page, expected.focus_box);
    const InputDescription* input = FindInput(tool, expected.input);
    ASSERT_NE(input, nullptr) << expected.input;
    EXPECT_TRUE(text.contains(Utf8(Caption(*input)))) << text.toStdString();
    EXPECT_EQ(page->focusWidget(), box);
    EXPECT_EQ(box->selectedText(), box->text());
  }
}

// What a control shows: words of the window's own, or a text of its tool's
// description, looked up there so that a caption is written in one test only.
struct Shown {
  enum class From { Words, Caption, StartText, UnitLabel, Hint, Choice, StartResult };
  From from;
  const char* value = "";   // the words, or the key of the input
  const char* choice = "";  // the key of the choice, for From::Choice
};

inline Shown Words(const char* words) { return {Shown::From::Words, words}; }
inline Shown CaptionOf(const char* key) { return {Shown::From::Caption, key}; }
inline Shown StartOf(const char* key) { return {Shown::From::StartText, key}; }
inline Shown UnitOf(const char* key) { return {Shown::From::UnitLabel, key}; }
inline Shown HintOf(const char* key) { return {Shown::From::Hint, key}; }
inline Shown ChoiceOf(const char* key, const char* choice) {
  return {Shown::From::Choice, key, choice};
}
// The lines the tool gives for its start texts, as the page shows them at start.
inline Shown StartResult() { return {Shown::From::StartResult}; }

// The lines the core gives for the tool's start texts, with `chosen` set by key,
// as a result box shows them.
inline QString CoreResult(const ToolDescription& tool,
                          std::span<const std::pair<const char*, const char*>> chosen = {}) {
  InputTexts texts(tool);
  for (const InputDescription& input : tool.inputs) texts[input.key] = input.start_text;
  for (const auto& [key, text] : chosen) texts[key] = text;
  QStringList lines;
  const Presented presented = Present(texts, '.');
  for (const std::string& line : presented.outcome->lines) lines << Utf8(line);
  return lines.join(QLatin1Char('\n'));
}

inline QString ExpectedText(const ToolDescription* tool, const Shown& shown) {
  if (shown.from == Shown::From::Words) return QString::fromUtf8(shown.value);
  if (tool == nullptr) {
    ADD_FAILURE() << "a page without a tool shows no input";
    return {};
  }
  if (shown.from == Shown::From::StartResult) return CoreResult(*tool);
  const InputDescription* input = FindInput(*tool, shown.value);
  if (input == nullptr) {
    ADD_FAILURE() << "no input " << shown.value;
    return {};
  }
  switch (shown.from) {
    case Shown::From::Caption:
      return Utf8(Caption(*input));
    case Shown::From::StartText:
      return Utf8(input->start_text);
    case Shown::From::UnitLabel:
      return Utf8(BracketedUnit(input->unit, UnitInCaption::FullWidthBrackets));
    case Shown::From::Hint:
      return Utf8(input->hint);
    case Shown::From::Choice: {
      const Choice* choice = FindChoice(*input, shown.choice);
      if (choice != nullptr) return Utf8(choice->caption);
      ADD_FAILURE() << "no choice " << shown.choice;
      return {};
    }
    case Shown::From::Words:
    case Shown::From::StartResult:
      break;
  }
  return {};
}

// A control as a page lists it.
struct PlacedControl {
  const char* name;
  const char* parent;  // objectName of the control it sits on; "" for the page
  Shown shown;         // caption, initial text or the list's shown text
  QRect place;         // pixels; labels may be taller
};

// The caption or text a control shows.
inline QString ShownText(QWidget* control) {
  if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
  if (auto* box = qobject_cast<QLineEdit*>(control)) return box->text();
  if (auto* list = qobject_cast<QComboBox*>(control)) return list->currentText();
  if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text();
  if (auto* result = qobject_cast<QPlainTextEdit*>(control)) return result->toPlainText();
  return {};
}

// Each listed control exists on its parent with its text at its place; a label
// keeps its left, top and width and may be taller.
inline void ExpectControlsAsListed(QWidget* page, const ToolDescription* tool,
                                   std::span<const PlacedControl> controls) {
  for (const PlacedControl& c : controls) {
    SCOPED_TRACE(c.name);
    auto* control = Find<QWidget>(page, c.name);
    ASSERT_NE(control, nullptr);
    QWidget* parent = *c.parent == '\0' ? page : Find<QWidget>(page, c.parent);
    EXPECT_EQ(control->parentWidget(), parent);
    EXPECT_EQ(ShownText(control), ExpectedText(tool, c.shown));
    if (qobject_cast<QLabel*>(control) != nullptr) {
      EXPECT_EQ(control->geometry().topLeft(), c.place.topLeft());
      EXPECT_EQ(control->width(), c.place.width());
      EXPECT_GE(control->height(), c.place.height());
    } else {
      EXPECT_EQ(control->geometry(), c.place);
    }
  }
}

// Every named direct child of `parent` lies inside `inside`, labels, check boxes
// and option buttons have room for their whole text, and none overlaps no other named child, but
// for the pairs of names that share one spot on purpose. Show the page first: labels take their
// measured height when shown.
inline void ExpectControlsApart(QWidget* parent, const QRect& inside,
                                const std::set<std::pair<QString, QString>>& shared_spots = {}) {
  const QList<QWidget*> children = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  for (QWidget* child : children) {
    const QString name = child->objectName();
    if (name.isEmpty()) continue;
    EXPECT_TRUE(inside.contains(child->geometry())) << name.toStdString();
    if (auto* label = qobject_cast<QLabel*>(child); label != nullptr && label->wordWrap()) {
      EXPECT_GE(label->height(), label->heightForWidth(label->width())) << name.toStdString();
    }
    auto* button = qobject_cast<QAbstractButton*>(child);
    if (qobject_cast<QCheckBox*>(child) != nullptr ||
        qobject_cast<QRadioButton*>(child) != nullptr) {
      EXPECT_GE(button->width(), button->sizeHint().width()) << name.toStdString();
      EXPECT_GE(button->height(), button->sizeHint().height()) << name.toStdString();
    }
    for (QWidget* other : children) {
      const QString other_name = other->objectName();
      if (other <= child || other_name.isEmpty()) continue;
      const auto pair =
          name < other_name ? std::pair(name, other_name) : std::pair(other_name, name);
      if (shared_spots.count(pair) != 0) continue;
      EXPECT_FALSE(child->geometry().intersects(other->geometry()))
          << name.toStdString() << " overlaps " << other_name.toStdString();
    }
  }
}

// The names of the `steps` controls the focus visits from `first` on, pressing
// Tab after each, in the shown and active window `page`.
inline QStringList TabOrder(QWidget* page, const char* first, int steps) {
  page->findChild<QWidget*>(QString::fromLatin1(first))->setFocus();
  QStringList visited;
  for (int i = 0; i < steps; ++i) {
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr) break;
    visited << focus->objectName();
    QTest::keyClick(focus, Qt::Key_Tab);
  }
  return visited;
}

}  // namespace vapentis::testing
