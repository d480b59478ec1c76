// Common ground of the tool tabs: twip geometry, the window's fonts, building
// controls from their table rows, writing result boxes and reporting failures.
#pragma once

#include <QWidget>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "numeric/numeric.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace vapentis {

// Device-independent pixels of a length in twips (15 twips a pixel).
int Twips(int twips);
// A rectangle given as left, top, width, height in twips.
QRect TwipRect(int left, int top, int width, int height);

QFont WindowFont();      // 12 pt Song face, every control but the tab captions
QFont TabCaptionFont();  // 11.25 pt Song face

// The decimal separator of the user's locale, as the calculations take it.
char LocaleDecimalSeparator();

// Joins the lines with "\r\n" and makes them the box's whole text in one step.
void ReplaceResult(QPlainTextEdit& box, const std::vector<std::string>& lines);

// An SVG resource drawn at `size` for the pixel ratio; ratios 1 and 2 show the
// raw pixels rendered from it at build time, when there are any.
QPixmap PicturePixmap(const QString& svg_resource, QSize size, qreal device_pixel_ratio);

// The modal error message of the window (critical icon, title "Vapentis").
void ShowError(QWidget* parent, const QString& text);

// One page of the tool tabs. Subclasses build their controls in the
// constructor with the add* helpers, in tab order (rows top to bottom).
class TabPage : public QWidget {
  Q_OBJECT

 public:
  explicit TabPage(QWidget* parent = nullptr);

 signals:
  // The page's exit button was pressed: the shell hides the tools.
  void exitRequested();

 protected:
  QLabel* addLabel(QWidget* parent, const char* name, const QString& caption, QRect rect);
  QLineEdit* addInput(QWidget* parent, const char* name, const QString& text, QRect rect);
  QPushButton* addButton(QWidget* parent, const char* name, const QString& caption, QRect rect);
  QPushButton* addExitButton(QWidget* parent, const char* name, const QString& caption, QRect rect);
  QPlainTextEdit* addResultBox(QWidget* parent, const char* name, QRect rect);
  QFrame* addFrame(const char* name, QRect rect);
  QCheckBox* addCheckBox(QWidget* parent, const char* name, const QString& caption, QRect rect);
  QRadioButton* addOptionButton(QWidget* parent, const char* name, const QString& caption,
                                QRect rect);
  // A picture control showing an SVG resource unscaled, crisp at any pixel ratio.
  QLabel* addPicture(QWidget* parent, const char* name, const QString& resource, QSize size,
                     QRect rect);
  // Editable, unsorted drop-down list filled from one text split at single blanks.
  QComboBox* addCombo(QWidget* parent, const char* name, std::string_view items, QRect rect);

  // Enter in any of the boxes presses the button.
  void pressOnEnter(const std::vector<QLineEdit*>& boxes, QPushButton* button);
  // Names the box (and its label) behind a calculation input, for failures.
  void bindInput(std::string_view input, QLineEdit* box, QLabel* label);

  // Runs a calculation; on failure shows the message and returns nothing.
  template <class Calculation>
  auto runReportingFailure(Calculation&& calculation) -> std::optional<decltype(calculation())> {
    try {
      return calculation();
    } catch (const CalcFailure& failure) {
      reportFailure(failure);
      return std::nullopt;
    }
  }

  void reportFailure(const CalcFailure& failure);

 private:
  struct BoundInput {
    std::string input;
    QLineEdit* box;
    QLabel* label;
  };
  std::vector<BoundInput> inputs_;
};

}  // namespace vapentis
