// The calculation sheet dialog (计算书): which tools, the header, the running
// cost's assumptions, a preview that follows every change, and the sheet as a
// PDF, on paper or on the clipboard.
#pragma once

#include <QDialog>
#include <QString>

#include <functional>
#include <set>
#include <string_view>
#include <vector>

#include "core/case/case_file.h"
#include "core/description/tool_description.h"
#include "core/sheet/sheet.h"

class QCheckBox;
class QLineEdit;
class QGroupBox;
class QTextEdit;

namespace vapentis {

// A tool the sheet may show, and how to read its texts as they stand now.
struct SheetSource {
  const ToolDescription* tool;
  std::function<InputTexts()> texts;
};

class SheetDialog : public QDialog {
  Q_OBJECT

 signals:
  // The user changed a header text or an assumption.
  void edited();

 public:
  // `sources` in the order of the catalog; the dialog keeps its texts until it is destroyed.
  explicit SheetDialog(std::vector<SheetSource> sources, QWidget* parent = nullptr);

  // Ticks exactly these tools (by name) and brings the preview up to date.
  void tick(const std::set<std::string_view>& tools);

  // The header's texts and the running cost's assumptions as they stand, as a case keeps them.
  CaseHeader header() const;
  InputTexts assumptions() const;
  void setHeaderAndAssumptions(const CaseHeader& header, const InputTexts& assumptions);

  // The sheet of the ticked tools as it stands, in both forms.
  QString html() const;
  QString text() const;

  // Writes the PDF in one step: a failure leaves no file and says why, naming it.
  bool exportPdf(const QString& path);
  // The file name the export offers, in the user's documents folder.
  QString defaultPdfPath() const;
  // Puts the sheet on the clipboard as HTML and as tab-separated text.
  void copyToClipboard() const;
  // Opens the system's print dialog, and prints when the user says so.
  void print();
  // Shows the pages as they will print.
  void printPreview();

 private:
  Sheet sheet() const;
  void updatePreview();
  void choosePdfFile();

  // A tool the sheet may show, with the box that ticks it.
  struct Ticked {
    SheetSource source;
    QCheckBox* tick;
  };
  // A box of the running cost, with the key of the assumption it holds.
  struct Assumption {
    std::string_view key;
    QLineEdit* box;
  };

  std::vector<Ticked> tools_;
  QLineEdit* project_ = nullptr;
  QLineEdit* client_ = nullptr;
  QLineEdit* author_ = nullptr;
  QGroupBox* cost_ = nullptr;
  std::vector<Assumption> assumptions_;  // one per input of the running cost
  QTextEdit* preview_ = nullptr;
};

}  // namespace vapentis
