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
#include <utility>

namespace vapentis::testing {

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
// box to blame with its label, or nullptr for both when no box is to blame.
struct ExpectedFailure {
  const char* word;
  const char* focus_box;
  const char* label;
};

// Presses `button` on the shown, active `page` with its inputs typed, and checks that
// one error box names the failure, the blamed box has the cursor with its text
// selected, and `result_box` keeps its earlier text.
inline void ExpectFailureKeepsTheResult(QWidget* page, const char* button, const char* result_box,
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
    EXPECT_TRUE(text.contains(QString::fromUtf8(expected.label))) << text.toStdString();
    EXPECT_EQ(page->focusWidget(), box);
    EXPECT_EQ(box->selectedText(), box->text());
  }
}

// A control as a page lists it.
struct PlacedControl {
  const char* name;
  const char* parent;  // objectName of the control it sits on; "" for the page
  const char* text;    // caption, initial text or the list's shown text
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
inline void ExpectControlsAsListed(QWidget* page, std::span<const PlacedControl> controls) {
  for (const PlacedControl& c : controls) {
    SCOPED_TRACE(c.name);
    auto* control = Find<QWidget>(page, c.name);
    ASSERT_NE(control, nullptr);
    QWidget* parent = *c.parent == '\0' ? page : Find<QWidget>(page, c.parent);
    EXPECT_EQ(control->parentWidget(), parent);
    EXPECT_EQ(ShownText(control), QString::fromUtf8(c.text));
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
