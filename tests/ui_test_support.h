// Helpers of the window tests: finding controls by name, closing modal boxes.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

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

}  // namespace vapentis::testing
