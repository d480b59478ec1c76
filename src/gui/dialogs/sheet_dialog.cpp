#include "gui/dialogs/sheet_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDate>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QTextEdit>
#include <QVBoxLayout>

#include <stdexcept>
#include <string>
#include <utility>

#include "core/case/case_file.h"
#include "core/catalog/program_info.h"
#include "core/mvr/sizing_tool.h"
#include "core/sheet/running_cost.h"
#include "core/sheet/sheet.h"
#include "gui/dialogs/sheet_pages.h"
#include "gui/widgets/error_box.h"
#include "gui/widgets/metrics.h"
#include "gui/widgets/offered_file.h"
#include "gui/widgets/qt_text.h"
#include "gui/widgets/result_box.h"

namespace vapentis {

namespace {

// The object name of each assumption's box.
struct CostBox {
  std::string_view key;
  const char* name;
};
constexpr CostBox kCostBoxes[] = {
    {kElectricityPriceInput, "CostElectricity"},
    {kSteamPriceInput, "CostSteam"},
    {kSteamPerTonInput, "CostSteamPerTon"},
    {kHoursInput, "CostHours"},
};

// The box of the assumption with this key. An assumption added to the running cost
// without a box fails the dialog's first build, rather than go unasked.
const char* CostBoxName(std::string_view key) {
  for (const CostBox& box : kCostBoxes) {
    if (box.key == key) return box.name;
  }
  throw std::logic_error("no box for the running cost's input " + std::string(key));
}

QPushButton* AddButton(QDialogButtonBox* box, const QString& caption, const char* name,
                       QDialogButtonBox::ButtonRole role) {
  QPushButton* button = box->addButton(caption, role);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  return button;
}

}  // namespace

SheetDialog::SheetDialog(std::vector<SheetSource> sources, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("SheetDialog"));
  setWindowTitle(QStringLiteral("计算书"));
  setModal(true);
  setFont(WindowFont());

  auto* tools = new QGroupBox(QStringLiteral("计算内容"));
  auto* tool_rows = new QVBoxLayout(tools);
  for (SheetSource& source : sources) {
    auto* tick = new QCheckBox(Utf8(source.tool->menu_caption));
    tick->setObjectName(QStringLiteral("Sheet_%1").arg(Utf8(source.tool->name)));
    tick->setAccessibleDescription(Utf8(source.tool->summary));
    tool_rows->addWidget(tick);
    tools_.push_back({std::move(source), tick});
    connect(tick, &QCheckBox::toggled, this, &SheetDialog::updatePreview);
  }

  auto* header = new QGroupBox(QStringLiteral("表头"));
  auto* header_rows = new QFormLayout(header);
  const auto add_header_box = [&](QLineEdit*& box, const char* name, std::string_view label) {
    box = new QLineEdit;
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(Utf8(label));
    box->setAccessibleDescription(QStringLiteral("印在计算书表头，可以不填"));
    box->setMaxLength(static_cast<int>(kMaxCaseTextCharacters));
    header_rows->addRow(Utf8(label), box);
    connect(box, &QLineEdit::textChanged, this, &SheetDialog::updatePreview);
    connect(box, &QLineEdit::textEdited, this, &SheetDialog::edited);
  };
  add_header_box(project_, "SheetProject", kProjectLabel);
  add_header_box(client_, "SheetClient", kClientLabel);
  add_header_box(author_, "SheetAuthor", kAuthorLabel);

  cost_ = new QGroupBox(QStringLiteral("运行费用估算"));
  cost_->setObjectName(QStringLiteral("SheetCost"));
  auto* cost_rows = new QGridLayout(cost_);
  const ToolDescription& cost = RunningCostDescription();
  for (const InputDescription& input : cost.inputs) {
    auto* box = new QLineEdit(Utf8(input.start_text));
    box->setObjectName(QString::fromLatin1(CostBoxName(input.key)));
    const QString hint = Utf8(InputHint(input, "\n"));
    box->setToolTip(hint);
    box->setAccessibleName(Utf8(Caption(input)) +
                           Utf8(BracketedUnit(input.unit, UnitInCaption::FullWidthBrackets)));
    box->setAccessibleDescription(hint.section(QLatin1Char('\n'), 0, 0));
    box->setMaxLength(static_cast<int>(kMaxCaseTextCharacters));
    const int row = static_cast<int>(assumptions_.size());
    auto* caption = new QLabel(Utf8(Caption(input)));
    caption->setBuddy(box);
    cost_rows->addWidget(caption, row, 0);
    cost_rows->addWidget(box, row, 1);
    cost_rows->addWidget(new QLabel(Utf8(input.unit)), row, 2);
    assumptions_.push_back({input.key, box});
    connect(box, &QLineEdit::textChanged, this, &SheetDialog::updatePreview);
    connect(box, &QLineEdit::textEdited, this, &SheetDialog::edited);
  }

  auto* form = new QVBoxLayout;
  form->addWidget(tools);
  form->addWidget(header);
  form->addWidget(cost_);
  form->addStretch(1);

  preview_ = new QTextEdit;
  preview_->setObjectName(QStringLiteral("SheetPreview"));
  preview_->setAccessibleName(QStringLiteral("计算书预览"));
  preview_->setReadOnly(true);
  preview_->setTabChangesFocus(true);
  // The sheet's face, which may take a glyph it lacks (−, ✓) from another face:
  // the dialog's own font goes without fallback faces.
  preview_->setFont(SheetFont());
  preview_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  preview_->setMinimumWidth(560);

  auto* buttons = new QDialogButtonBox;
  QPushButton* pdf =
      AddButton(buttons, QStringLiteral("导出PDF…"), "SheetPdf", QDialogButtonBox::ActionRole);
  QPushButton* print =
      AddButton(buttons, QStringLiteral("打印…"), "SheetPrint", QDialogButtonBox::ActionRole);
  QPushButton* preview = AddButton(buttons, QStringLiteral("打印预览…"), "SheetPrintPreview",
                                   QDialogButtonBox::ActionRole);
  QPushButton* copy =
      AddButton(buttons, QStringLiteral("复制"), "SheetCopy", QDialogButtonBox::ActionRole);
  QPushButton* close =
      AddButton(buttons, QStringLiteral("关闭"), "SheetClose", QDialogButtonBox::RejectRole);
  pdf->setAccessibleDescription(QStringLiteral("把计算书存为PDF文件"));
  print->setAccessibleDescription(QStringLiteral("在打印机上打印计算书"));
  preview->setAccessibleDescription(QStringLiteral("按打印的样子逐页查看计算书"));
  copy->setAccessibleDescription(QStringLiteral("把计算书作为表格复制到剪贴板"));
  close->setAccessibleDescription(QStringLiteral("关闭本窗口，填写的内容在程序关闭前一直保留"));
  connect(pdf, &QPushButton::clicked, this, &SheetDialog::choosePdfFile);
  connect(print, &QPushButton::clicked, this, &SheetDialog::print);
  connect(preview, &QPushButton::clicked, this, &SheetDialog::printPreview);
  connect(copy, &QPushButton::clicked, this, &SheetDialog::copyToClipboard);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);

  auto* body = new QHBoxLayout;
  body->addLayout(form);
  body->addWidget(preview_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body, 1);
  layout->addWidget(buttons);
  resize(980, 640);
  updatePreview();
}

void SheetDialog::tick(const std::set<std::string_view>& tools) {
  for (const Ticked& tool : tools_) {
    const QSignalBlocker quiet(tool.tick);
    tool.tick->setChecked(tools.count(tool.source.tool->name) != 0);
  }
  updatePreview();
}

namespace {

std::string Std(const QLineEdit* box) { return box->text().toStdString(); }

}  // namespace

CaseHeader SheetDialog::header() const { return {Std(project_), Std(client_), Std(author_)}; }

InputTexts SheetDialog::assumptions() const {
  InputTexts texts(RunningCostDescription());
  for (const Assumption& assumption : assumptions_) texts[assumption.key] = Std(assumption.box);
  return texts;
}

void SheetDialog::setHeaderAndAssumptions(const CaseHeader& header, const InputTexts& assumptions) {
  project_->setText(QString::fromStdString(header.project));
  client_->setText(QString::fromStdString(header.client));
  author_->setText(QString::fromStdString(header.author));
  for (const Assumption& assumption : assumptions_) {
    assumption.box->setText(QString::fromStdString(assumptions[assumption.key]));
  }
}

Sheet SheetDialog::sheet() const {
  std::vector<InputTexts> requests;
  for (const Ticked& tool : tools_) {
    if (tool.tick->isChecked()) requests.push_back(tool.source.texts());
  }
  const CaseHeader texts = header();
  const SheetHeader header{texts.project, texts.client, texts.author,
                           QDate::currentDate().toString(Qt::ISODate).toStdString()};
  return BuildSheet(header, requests, assumptions(), LocaleDecimalSeparator());
}

QString SheetDialog::html() const { return QString::fromStdString(SheetHtml(sheet())); }

QString SheetDialog::text() const { return QString::fromStdString(SheetText(sheet())); }

void SheetDialog::updatePreview() {
  // The running cost stands under a sizing: its boxes show while one is ticked.
  bool sizing = false;
  for (const Ticked& tool : tools_) {
    sizing = sizing || (tool.source.tool == &SizingTool() && tool.tick->isChecked());
  }
  cost_->setVisible(sizing);
  // The preview keeps its place in the sheet while the sheet changes under it.
  const int scrolled = preview_->verticalScrollBar()->value();
  preview_->setHtml(html());
  preview_->verticalScrollBar()->setValue(scrolled);
}

QString SheetDialog::defaultPdfPath() const {
  QString name = project_->text().trimmed();
  for (const Ticked& tool : tools_) {
    if (name.isEmpty() && tool.tick->isChecked()) name = Utf8(tool.source.tool->menu_caption);
  }
  return QDir(DocumentsFolder()).filePath(SheetFileName(name, QDate::currentDate()));
}

void SheetDialog::choosePdfFile() {
  const QString path = QFileDialog::getSaveFileName(
      this, QStringLiteral("导出PDF"), defaultPdfPath(), QStringLiteral("PDF 文件 (*.pdf)"));
  if (!path.isEmpty()) exportPdf(path);
}

bool SheetDialog::exportPdf(const QString& path) {
  // Written aside and put in place at the end: a failure leaves no half-written file.
  QSaveFile file(path);
  QString reason;
  if (file.open(QIODevice::WriteOnly)) {
    {
      QPdfWriter writer(&file);
      writer.setTitle(QStringLiteral("计算书"));
      writer.setCreator(Utf8(program::kName));
      SetSheetPageLayout(writer);
      if (DrawSheetPages(html(), writer) == 0) reason = QStringLiteral("无法生成PDF页面");
    }
    if (reason.isEmpty() && file.commit()) return true;
    if (reason.isEmpty()) reason = file.errorString();
    file.cancelWriting();
  } else {
    reason = file.errorString();
  }
  ShowError(this,
            QStringLiteral("无法写入文件“%1”：%2").arg(QDir::toNativeSeparators(path), reason));
  return false;
}

void SheetDialog::copyToClipboard() const {
  auto* data = new QMimeData;
  data->setHtml(html());
  data->setText(text());
  QApplication::clipboard()->setMimeData(data);
}

void SheetDialog::print() {
  QPrinter printer(QPrinter::HighResolution);
  SetSheetPageLayout(printer);
  printer.setDocName(QStringLiteral("计算书"));
#ifdef Q_OS_WIN
  // Without an installed printer Qt falls back to writing a PDF, which Windows'
  // print dialog refuses: it would return at once and the button seem dead.
  if (printer.outputFormat() != QPrinter::NativeFormat) {
    ShowError(this,
              QStringLiteral("无法打印：这台电脑没有安装打印机。请在 Windows 设置的“打印机和扫描仪”"
                             "中添加打印机，或用“导出PDF…”把计算书存为PDF文件。"));
    return;
  }
#endif
  QPrintDialog dialog(&printer, this);
  dialog.setObjectName(QStringLiteral("SheetPrintDialog"));
  // A cancelled print writes nothing.
  if (dialog.exec() != QDialog::Accepted) return;
  if (DrawSheetPages(html(), printer) == 0) {
    ShowError(this, QStringLiteral("无法打印：打印机没有接受计算书"));
  }
}

void SheetDialog::printPreview() {
  QPrinter printer(QPrinter::HighResolution);
  SetSheetPageLayout(printer);
  QPrintPreviewDialog dialog(&printer, this);
  dialog.setObjectName(QStringLiteral("SheetPrintPreviewDialog"));
  dialog.setWindowTitle(QStringLiteral("计算书 打印预览"));
  connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
          [this](QPrinter* target) { DrawSheetPages(html(), *target); });
  dialog.exec();
}

}  // namespace vapentis
