// Case files in the window: a case saved with every tab filled opens in a fresh
// window as it was; a refused file changes nothing; a changed case asks before it
// is closed; and before any case the window behaves as it always has.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "core/case/case_file.h"
#include "core/sheet/running_cost.h"
#include "gui/dialogs/sheet_dialog.h"
#include "gui/shell/main_window.h"
#include "gui/widgets/offered_file.h"
#include "gui/widgets/tab_page.h"
#include "ui_test_support.h"

namespace vapentis {
namespace {

using testing::Find;
using testing::ModalCatcher;

// Every named control's state as a user sees it: texts of boxes, lists and result
// boxes, ticks and choices, the tabs shown and the current one.
std::map<QString, QString> Snapshot(MainWindow& window) {
  std::map<QString, QString> shown;
  for (QWidget* widget : window.findChildren<QWidget*>()) {
    const QString name = widget->objectName();
    // The sheet's ticks follow what was pressed since the window opened, not the case.
    if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) ||
        name.startsWith(QLatin1String("Sheet_"))) {
      continue;
    }
    if (auto* box = qobject_cast<QLineEdit*>(widget)) {
      if (qobject_cast<QComboBox*>(box->parentWidget()) == nullptr) shown[name] = box->text();
    } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
      shown[name] = list->currentText();
    } else if (auto* result = qobject_cast<QPlainTextEdit*>(widget)) {
      shown[name] = result->toPlainText();
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget);
               button && button->isCheckable()) {
      shown[name] = button->isChecked() ? QStringLiteral("ticked") : QStringLiteral("clear");
    }
  }
  auto* tabs = Find<QTabWidget>(&window, "SSTab2");
  QString tabs_shown =
      tabs->isVisibleTo(&window) ? QStringLiteral("shown:") : QStringLiteral("hidden:");
  for (int i = 0; i < tabs->count(); ++i) tabs_shown += tabs->isTabVisible(i) ? u'1' : u'0';
  shown[QStringLiteral("SSTab2")] = tabs_shown + QString::number(tabs->currentIndex());
  return shown;
}

class CaseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    window_ = std::make_unique<MainWindow>();
    window_->show();
  }

  QString path(const char* name) const { return folder_.filePath(QString::fromUtf8(name)); }
  void trigger(MainWindow& window, const char* code) { Find<QAction>(&window, code)->trigger(); }
  QLineEdit* box(MainWindow& window, const char* name) { return Find<QLineEdit>(&window, name); }
  void click(MainWindow& window, const char* name) {
    Find<QAbstractButton>(&window, name)->click();
  }

  // Boxes full of what a user might leave in them: full-width digits, nothing, ten
  // thousand characters, a typed size, a tab never pressed.
  void fill(MainWindow& window) {
    const QString longest(static_cast<qsizetype>(kMaxCaseTextCharacters), QChar(u'浓'));
    ModalCatcher quiet;
    trigger(window, "MVR");
    box(window, "Text1")->setText(QStringLiteral("１２．５"));
    Find<QComboBox>(&window, "Combo1")->setEditText(QStringLiteral("危废行业"));
    click(window, "Command5");
    box(window, "ThermalVapourTemperature")->setText(QStringLiteral("８０"));
    box(window, "ThermalBoilingPointRise")->setText(QString());
    trigger(window, "ZQXZ");
    QTest::mouseClick(Find<QCheckBox>(&window, "Check2"), Qt::LeftButton);
    box(window, "Text7")->setText(QStringLiteral("１３０"));
    click(window, "Command3");
    trigger(window, "GLJS");
    QTest::mouseClick(Find<QRadioButton>(&window, "Option2"), Qt::LeftButton);
    box(window, "Text14")->setText(QStringLiteral(" 998 "));
    click(window, "Command4");
    trigger(window, "HE");
    box(window, "Text22")->setText(longest);
    Find<QComboBox>(&window, "Combo3")->setEditText(QStringLiteral("正方形"));
    trigger(window, "CGCX");
    QLineEdit* size = Find<QComboBox>(&window, "Combo2")->lineEdit();
    size->selectAll();
    QTest::keyClicks(size, QStringLiteral("22bx"));
    QTest::keyClick(size, Qt::Key_Return);
    // The pump is never pressed; its efficiency is typed as a user would.
    trigger(window, "P");
    box(window, "Text15")->setText(QStringLiteral("６０％"));
    window.OpenSheet();  // made once, closed by the timer below
  }

  QTemporaryDir folder_;
  std::unique_ptr<MainWindow> window_;
};

// The sheet dialog is modal: it is closed from a timer once it shows, after its texts are set.
void FillSheetWhenShown(const QString& project, const QString& price) {
  QTimer::singleShot(50, [project, price] {
    auto* sheet = qobject_cast<SheetDialog*>(QApplication::activeModalWidget());
    if (sheet == nullptr) return;
    sheet->findChild<QLineEdit*>(QStringLiteral("SheetProject"))->setText(project);
    sheet->findChild<QLineEdit*>(QStringLiteral("CostElectricity"))->setText(price);
    sheet->reject();
  });
}

TEST_F(CaseTest, ACaseSavedWithEveryTabFilledOpensInAFreshWindowAsItWas) {
  FillSheetWhenShown(QString(static_cast<qsizetype>(kMaxCaseTextCharacters), QChar(u'项')),
                     QStringLiteral("０.７"));
  fill(*window_);
  const std::map<QString, QString> before = Snapshot(*window_);
  const QString file = path("报价 第1版.vapentis");
  ASSERT_TRUE(window_->SaveCase(file));
  EXPECT_EQ(window_->windowTitle(),
            QStringLiteral("报价 第1版.vapentis[*] - VapentisKOVALT2.0---Ardelle"));
  EXPECT_FALSE(window_->isWindowModified());

  MainWindow fresh;
  fresh.show();
  ModalCatcher catcher;
  ASSERT_TRUE(fresh.OpenCase(file));
  EXPECT_TRUE(catcher.texts().isEmpty()) << "opening recalculates without a message";
  const std::map<QString, QString> after = Snapshot(fresh);
  for (const auto& [name, text] : before) {
    EXPECT_EQ(after.at(name).left(80), text.left(80)) << name.toStdString();
    EXPECT_EQ(after.at(name).size(), text.size()) << name.toStdString();
  }
  EXPECT_FALSE(fresh.isWindowModified());
  const Case opened = fresh.CurrentCase();
  EXPECT_EQ(opened.header.project.size(), std::string("项").size() * kMaxCaseTextCharacters);
  EXPECT_EQ(opened.running_cost[kElectricityPriceInput], "０.７");
  EXPECT_EQ(opened.shown, "pump");
}

#ifdef VAPENTIS_CALC_PATH
// The command line reads the case as the window does: each calculated tool's lines
// are the ones its result box shows, and its sheet holds them.
TEST_F(CaseTest, TheCommandLineGivesTheWindowsLinesForTheCaseItSaved) {
  FillSheetWhenShown(QStringLiteral("复核"), QStringLiteral("0.65"));
  fill(*window_);
  const QString file = path("shared.vapentis");
  ASSERT_TRUE(window_->SaveCase(file));
  QProcess calc;
  calc.start(QStringLiteral(VAPENTIS_CALC_PATH), {QStringLiteral("case"), file});
  ASSERT_TRUE(calc.waitForFinished(10000));
  const QString out = QString::fromUtf8(calc.readAllStandardOutput());
  const Case saved = window_->CurrentCase();
  int compared = 0;
  for (const CaseTool& tool : saved.tools) {
    if (!tool.calculated) continue;
    const QString caption = QStringLiteral("== ") + Utf8(tool.tool->menu_caption) + u'\n';
    const qsizetype at = out.indexOf(caption);
    ASSERT_GE(at, 0) << tool.tool->name;
    const qsizetype from = at + caption.size();
    const qsizetype next = out.indexOf(QStringLiteral("== "), from);
    const QString lines = out.mid(from, next < 0 ? -1 : next - from).trimmed();
    QString shown;
    for (auto* result : window_->findChildren<QPlainTextEdit*>()) {
      auto* page = qobject_cast<TabPage*>(result->parentWidget());
      if (page != nullptr && page->tool() == tool.tool) shown = result->toPlainText();
    }
    EXPECT_EQ(lines, shown) << tool.tool->name;
    ++compared;
  }
  EXPECT_GE(compared, 3);
  QProcess sheet;
  sheet.start(QStringLiteral(VAPENTIS_CALC_PATH),
              {QStringLiteral("sheet"), QStringLiteral("--case"), file, QStringLiteral("--format"),
               QStringLiteral("text")});
  ASSERT_TRUE(sheet.waitForFinished(10000));
  const QString text = QString::fromUtf8(sheet.readAllStandardOutput());
  EXPECT_TRUE(text.contains(QStringLiteral("项目名称\t复核")));
  EXPECT_TRUE(text.contains(QStringLiteral("0.65")));
}
#endif

// The sizing hands its evaporation on when pressed, not when a case recalculates it.
TEST_F(CaseTest, OpeningRecalculatesWithoutHandingAnythingOn) {
  ModalCatcher quiet;
  trigger(*window_, "MVR");
  click(*window_, "Command5");
  box(*window_, "ThermalEvaporation")->setText(QStringLiteral("9"));
  const QString file = path("a.vapentis");
  ASSERT_TRUE(window_->SaveCase(file));
  MainWindow fresh;
  ASSERT_TRUE(fresh.OpenCase(file));
  EXPECT_EQ(box(fresh, "ThermalEvaporation")->text(), QStringLiteral("9"));
  EXPECT_FALSE(Find<QPlainTextEdit>(&fresh, "Text4")->toPlainText().isEmpty());
}

struct Refused {
  const char* name;
  QByteArray bytes;
  const char* reason;  // a part of the message
};

TEST_F(CaseTest, ARefusedFileIsNamedWithItsReasonAndLeavesTheWindowAsItWas) {
  QByteArray valid;
  {
    ASSERT_TRUE(window_->SaveCase(path("valid.vapentis")));
    QFile file(path("valid.vapentis"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    valid = file.readAll();
  }
  const auto replaced = [&valid](const char* from, const char* to) {
    QByteArray bytes = valid;
    return bytes.replace(from, to);
  };
  const Refused kFiles[] = {
      {"empty", QByteArray(), "文件是空的"},
      {"not UTF-8", replaced("\"project\": \"\"", "\"project\": \"\xff\""), "UTF-8"},
      {"not JSON", valid.left(valid.size() / 2), "不是有效的JSON"},
      {"another format", replaced("vapentis-case", "other-case"), "format"},
      {"a newer version", replaced("\"version\": 1", "\"version\": 9"), "由较新版本的Vapentis保存"},
      {"an unknown tool", replaced("\"tool\": \"pump\"", "\"tool\": \"dryer\""), "dryer"},
      {"an unknown key", replaced("\"head\":", "\"lift\":"), "lift"},
      {"a text too long",
       replaced("\"head\": \"30\"",
                ("\"head\": \"" + std::string(kMaxCaseTextCharacters + 1, '3') + "\"").c_str()),
       "10000"},
      {"larger than 8 MiB", QByteArray(static_cast<qsizetype>(kMaxCaseFileBytes) + 1, ' '),
       "8 MiB"},
  };
  // A window in use, with a case of its own.
  {
    ModalCatcher quiet;
    trigger(*window_, "P");
    box(*window_, "Text17")->setText(QStringLiteral("45"));
    click(*window_, "Command10");
  }
  ASSERT_TRUE(window_->SaveCase(path("mine.vapentis")));
  box(*window_, "Text18")->setText(QStringLiteral("120"));
  QTest::keyClick(box(*window_, "Text18"), Qt::Key_0);
  ASSERT_TRUE(window_->isWindowModified());
  const std::map<QString, QString> before = Snapshot(*window_);
  const QString title = window_->windowTitle();
  for (const Refused& refused : kFiles) {
    SCOPED_TRACE(refused.name);
    const QString file = path((std::string(refused.name) + ".vapentis").c_str());
    {
      QFile out(file);
      ASSERT_TRUE(out.open(QIODevice::WriteOnly));
      out.write(refused.bytes);
    }
    ModalCatcher catcher;
    EXPECT_FALSE(window_->OpenCase(file));
    ASSERT_EQ(catcher.texts().size(), 1);
    EXPECT_TRUE(catcher.texts().front().contains(QFileInfo(file).fileName()));
    EXPECT_TRUE(catcher.texts().front().contains(QString::fromUtf8(refused.reason)))
        << catcher.texts().front().toStdString();
    EXPECT_EQ(Snapshot(*window_), before);
    EXPECT_EQ(window_->windowTitle(), title);
    EXPECT_TRUE(window_->isWindowModified());
    EXPECT_EQ(window_->CasePath(), path("mine.vapentis"));
  }
}

// Answers the close question with the named button, once it shows.
void AnswerWhenAsked(const char* button, QString* asked) {
  QTimer::singleShot(50, [button, asked] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    *asked = box->text();
    box->findChild<QAbstractButton*>(QString::fromLatin1(button))->click();
  });
}

TEST_F(CaseTest, ClosingAChangedCaseAsksAndFollowsTheAnswer) {
  const QString file = path("quote.vapentis");
  ASSERT_TRUE(window_->SaveCase(file));
  trigger(*window_, "P");
  QLineEdit* head = box(*window_, "Text17");
  head->selectAll();
  QTest::keyClicks(head, QStringLiteral("42"));
  ASSERT_TRUE(window_->isWindowModified());

  QString asked;
  AnswerWhenAsked("CaseCancelAnswer", &asked);
  EXPECT_FALSE(window_->close());
  EXPECT_EQ(asked, QStringLiteral("算例已修改，是否保存？"));
  EXPECT_TRUE(window_->isVisible()) << "取消 keeps the window";

  AnswerWhenAsked("CaseSaveAnswer", &asked);
  EXPECT_TRUE(window_->close());
  MainWindow reopened;
  ASSERT_TRUE(reopened.OpenCase(file));
  EXPECT_EQ(box(reopened, "Text17")->text(), QStringLiteral("42")) << "保存 wrote the change";

  QLineEdit* flow = box(reopened, "Text18");
  flow->selectAll();
  QTest::keyClicks(flow, QStringLiteral("7"));
  AnswerWhenAsked("CaseDiscardAnswer", &asked);
  EXPECT_TRUE(reopened.close());
  MainWindow again;
  ASSERT_TRUE(again.OpenCase(file));
  EXPECT_EQ(box(again, "Text18")->text(), QStringLiteral("100")) << "不保存 left the file";
}

TEST_F(CaseTest, OnlyWhatTheUserChangesMarksTheCase) {
  // Before any case nothing is marked, and closing asks nothing.
  QLineEdit* head = box(*window_, "Text17");
  QTest::keyClicks(head, QStringLiteral("5"));
  EXPECT_FALSE(window_->isWindowModified());
  EXPECT_EQ(window_->windowTitle(), QStringLiteral("VapentisKOVALT2.0---Ardelle"));

  ASSERT_TRUE(window_->SaveCase(path("marks.vapentis")));
  ModalCatcher quiet;
  trigger(*window_, "MVR");
  click(*window_, "Command5");  // a press, which hands the evaporation on
  EXPECT_FALSE(window_->isWindowModified()) << "a press";
  ASSERT_TRUE(window_->OpenCase(path("marks.vapentis")));
  EXPECT_FALSE(window_->isWindowModified()) << "what opening sets";
  QTest::mouseClick(Find<QCheckBox>(window_.get(), "Check2"), Qt::LeftButton);
  EXPECT_TRUE(window_->isWindowModified()) << "a tick";

  ASSERT_TRUE(window_->OpenCase(path("marks.vapentis")));
  auto* applications = Find<QComboBox>(window_.get(), "Combo1");
  emit applications->activated(2);
  EXPECT_TRUE(window_->isWindowModified()) << "a choice from a list";
}

TEST_F(CaseTest, SavingIntoAFolderThatCannotHoldItSaysWhyAndKeepsTheMark) {
  ASSERT_TRUE(window_->SaveCase(path("kept.vapentis")));
  QTest::keyClicks(box(*window_, "Text17"), QStringLiteral("1"));
  ASSERT_TRUE(window_->isWindowModified());
  const QString nowhere = path("no such folder/kept.vapentis");
  ModalCatcher catcher;
  EXPECT_FALSE(window_->SaveCase(nowhere));
  ASSERT_EQ(catcher.texts().size(), 1);
  EXPECT_TRUE(catcher.texts().front().startsWith(QStringLiteral("无法保存算例“kept.vapentis”：")));
  EXPECT_TRUE(window_->isWindowModified());
  EXPECT_EQ(window_->CasePath(), path("kept.vapentis"));
  EXPECT_FALSE(QFile::exists(nowhere));
}

// 保存算例 before any case asks where, as 另存为 does, offering a dated name.
TEST_F(CaseTest, SavingBeforeAnyCaseAsksWhereAndOffersADatedName) {
  QString offered;
  const QString file = path("chosen.vapentis");
  int ticks = 0;
  QTimer answer;
  QObject::connect(&answer, &QTimer::timeout, [&offered, &file, &ticks] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    // A dialog that never takes the name fails the test below instead of hanging it.
    if (++ticks > 1000) {
      dialog->reject();
      return;
    }
    // Taken once the dialog shows the name it offers; then the path is typed into its
    // name box, as a user does (Qt's selectFile leaves that box alone while it has focus).
    if (offered.isEmpty()) {
      offered = dialog->selectedFiles().value(0);
      return;
    }
    if (dialog->selectedFiles().value(0) == file) {
      QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    } else if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
      name->setText(file);
    }
  });
  answer.start(20);
  trigger(*window_, "CaseSaveCommand");
  answer.stop();
  const QString dated = QStringLiteral("算例-") +
                        QDate::currentDate().toString(QStringLiteral("yyyyMMdd")) +
                        QStringLiteral(".vapentis");
  EXPECT_EQ(offered, QDir(DocumentsFolder()).filePath(dated));
  EXPECT_EQ(window_->CasePath(), file);
  EXPECT_TRUE(QFile::exists(file));
}

TEST_F(CaseTest, ACaseDroppedOnTheWindowOpens) {
  ModalCatcher quiet;
  trigger(*window_, "P");
  box(*window_, "Text17")->setText(QStringLiteral("60"));
  const QString file = path("dropped.vapentis");
  ASSERT_TRUE(window_->SaveCase(file));
  MainWindow fresh;
  fresh.show();
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(file)});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&fresh, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&fresh, &drop);
  EXPECT_EQ(fresh.CasePath(), file);
  EXPECT_EQ(box(fresh, "Text17")->text(), QStringLiteral("60"));
  // Any other file is not taken.
  QMimeData other;
  other.setUrls({QUrl::fromLocalFile(path("notes.txt"))});
  QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &other, Qt::LeftButton, Qt::NoModifier);
  refused.setAccepted(false);
  QApplication::sendEvent(&fresh, &refused);
  EXPECT_FALSE(refused.isAccepted());
}

TEST_F(CaseTest, EveryBoxTakesNoMoreThanACaseHolds) {
  for (QLineEdit* box : window_->findChildren<QLineEdit*>()) {
    if (box->isReadOnly()) continue;
    EXPECT_EQ(box->maxLength(), static_cast<int>(kMaxCaseTextCharacters))
        << box->objectName().toStdString();
  }
}

TEST_F(CaseTest, TheCaseCommandsAndButtonsStandBesideTheSheetsWithoutAMenuPlace) {
  for (const QAction* action : window_->menuBar()->actions()) {
    EXPECT_FALSE(action->objectName().startsWith(QLatin1String("Case")));
  }
  for (const char* name : {"CaseOpen", "CaseSave", "SheetButton"}) {
    EXPECT_NE(window_->findChild<QPushButton*>(QString::fromLatin1(name)), nullptr) << name;
  }
  const std::pair<const char*, QKeySequence> kCommands[] = {
      {"CaseOpenCommand", QKeySequence(Qt::CTRL | Qt::Key_O)},
      {"CaseSaveCommand", QKeySequence(Qt::CTRL | Qt::Key_S)},
      {"CaseSaveAsCommand", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
  };
  for (const auto& [name, keys] : kCommands) {
    EXPECT_EQ(Find<QAction>(window_.get(), name)->shortcut(), keys) << name;
  }
}

}  // namespace
}  // namespace vapentis
