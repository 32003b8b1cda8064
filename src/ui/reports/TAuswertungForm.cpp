#include "ui/reports/TAuswertungForm.h"

#include "i18n/Language.h"
#include "model/CurveKinds.h"
#include "render/reports/ReportTexts.h"
#include "render/reports/TReportBuilder.h"
#include "selection/LayoutEdit.h"
#include "settings/TCompanyInfo.h"
#include "settings/TSettings.h"
#include "ui/curves/TPrintLanguage.h"
#include "ui/reports/TPagePreview.h"
#include "ui/reports/TPdfs.h"

#include <QButtonGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace corvane {

namespace {

constexpr double kZoom[] = {1.0, 1.6, 3.0};

// While output is made: the busy flag (closing is refused), the hourglass and the print
// language, all restored on every way out.
class TOutputScope {
public:
    explicit TOutputScope(bool& busy) : busy_(busy) {
        busy_ = true;
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~TOutputScope() {
        QGuiApplication::restoreOverrideCursor();
        busy_ = false;
    }
    TOutputScope(const TOutputScope&) = delete;
    TOutputScope& operator=(const TOutputScope&) = delete;

private:
    bool& busy_;
    TPrintLanguage language_;
};

std::optional<TPrintRequest> AskPrinter(QPrinter& printer, int pageCount, int currentPage,
                                        QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    dialog.setMinMax(1, std::max(1, pageCount));
    dialog.setFromTo(1, std::max(1, pageCount));
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, true);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, true);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    TPrintRequest request{1, pageCount, printer.copyCount(), printer.collateCopies()};
    if (printer.printRange() == QPrinter::CurrentPage) {
        request.First = request.Last = currentPage;
    } else if (printer.printRange() == QPrinter::PageRange) {
        request.First = printer.fromPage();
        request.Last = printer.toPage();
    }
    // The copies are made here, page by page or range by range.
    printer.setCopyCount(1);
    return request;
}

} // namespace

TAuswertungForm::TAuswertungForm(const TCurveWindowContext& context, QWidget* parent)
    : QDialog(parent), context_(context), layouts_(context.Settings.Layouts) {
    setObjectName(QStringLiteral("TAuswertungForm"));
    setWindowTitle(QString::fromUtf8(CurveKindCaption(0, TextLanguage())));
    printPrompt_ = AskPrinter;
    BuildWidgets();
    resize(900, 1000);
    Refresh();
}

TAuswertungForm::~TAuswertungForm() = default;

const TLayout& TAuswertungForm::Layout() const {
    return layouts_.Layouts[static_cast<std::size_t>(layout_ - 1)];
}

TLayout& TAuswertungForm::EditLayout() {
    return layouts_.Layouts[static_cast<std::size_t>(layout_ - 1)];
}

QAbstractButton* TAuswertungForm::SpeedButton(int layout) const {
    return layout >= 1 && layout <= static_cast<int>(kLayoutCount)
               ? speedButtons_[static_cast<std::size_t>(layout - 1)]
               : nullptr;
}

void TAuswertungForm::BuildWidgets() {
    stack_ = new QStackedWidget(this);
    scroll_ = new QScrollArea(stack_);
    scroll_->setWidgetResizable(true);
    scroll_->setAlignment(Qt::AlignCenter);
    preview_ = new TPagePreview;
    scroll_->setWidget(preview_);
    pdfs_ = new TPdfs(stack_);
    stack_->addWidget(scroll_);
    stack_->addWidget(pdfs_);
    connect(preview_, &TPagePreview::ContextMenuRequested, this, &TAuswertungForm::ShowPageMenu);

    auto* column = new QVBoxLayout;
    column->addWidget(new QLabel(RepText(ERep::LayoutLabel), this));
    auto* group = new QButtonGroup(this);
    auto* layoutRow = new QHBoxLayout;
    for (int i = 1; i <= static_cast<int>(kLayoutCount); ++i) {
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("SpeedButton%1").arg(i));
        button->setText(QString::number(i));
        button->setCheckable(true);
        group->addButton(button, i);
        layoutRow->addWidget(button);
        speedButtons_[static_cast<std::size_t>(i - 1)] = button;
    }
    column->addLayout(layoutRow);
    connect(group, &QButtonGroup::idClicked, this, &TAuswertungForm::SelectLayout);
    auto* hint = new QLabel(RepText(ERep::HinweisLabel), this);
    hint->setObjectName(QStringLiteral("HinweisLabel"));
    hint->setWordWrap(true);
    column->addWidget(hint);

    auto* pageRow = new QHBoxLayout;
    minusBtn_ = new QPushButton(QStringLiteral("-"), this);
    minusBtn_->setObjectName(QStringLiteral("MinusBtn"));
    plusBtn_ = new QPushButton(QStringLiteral("+"), this);
    plusBtn_->setObjectName(QStringLiteral("PlusBtn"));
    seitePanel_ = new QLabel(this);
    seitePanel_->setObjectName(QStringLiteral("SeitePanel"));
    seitePanel_->setAlignment(Qt::AlignCenter);
    for (QPushButton* b : {minusBtn_, plusBtn_})
        b->setFixedWidth(32);
    pageRow->addWidget(minusBtn_);
    pageRow->addWidget(seitePanel_, 1);
    pageRow->addWidget(plusBtn_);
    column->addLayout(pageRow);
    connect(minusBtn_, &QPushButton::clicked, this, &TAuswertungForm::PreviousPage);
    connect(plusBtn_, &QPushButton::clicked, this, &TAuswertungForm::NextPage);

    const ERep zoomTexts[] = {ERep::ZoomBtn0, ERep::ZoomBtn1, ERep::ZoomBtn2};
    for (int i = 0; i < 3; ++i) {
        auto* zoom = new QPushButton(RepText(zoomTexts[i]), this);
        zoom->setObjectName(QStringLiteral("ZoomBtn%1").arg(i));
        connect(zoom, &QPushButton::clicked, this, [this, i] { SetZoom(i); });
        column->addWidget(zoom);
    }
    pdfLabel_ = new QLabel(this);
    pdfLabel_->setObjectName(QStringLiteral("PdfLabel"));
    pdfLabel_->setWordWrap(true);
    column->addWidget(pdfLabel_);
    column->addStretch(1);
    cancelBtn_ = new QPushButton(RepText(ERep::CancelBtn), this);
    cancelBtn_->setObjectName(QStringLiteral("CancelBtn"));
    exitBtn_ = new QPushButton(RepText(ERep::ExitAuswBtn), this);
    exitBtn_->setObjectName(QStringLiteral("ExitAuswBtn"));
    druckBtn_ = new QPushButton(RepText(ERep::DruckBtn), this);
    druckBtn_->setObjectName(QStringLiteral("DruckBtn"));
    for (QPushButton* b : {cancelBtn_, exitBtn_, druckBtn_}) {
        b->setAutoDefault(false);
        column->addWidget(b);
        column->addSpacing(16);
    }
    connect(cancelBtn_, &QPushButton::clicked, this, &TAuswertungForm::reject);
    connect(exitBtn_, &QPushButton::clicked, this, &TAuswertungForm::Finish);
    connect(druckBtn_, &QPushButton::clicked, this, [this] { Print(); });

    auto* main = new QHBoxLayout(this);
    main->setContentsMargins(8, 8, 8, 0);
    main->addWidget(stack_, 1);
    main->addLayout(column);
    speedButtons_[0]->setChecked(true);
}

TReportBuilder TAuswertungForm::Builder() const {
    TReportSource source{context_.Catalogue, context_.Selection, context_.Settings};
    source.Map = TMapSettings::Shared();
    source.SlotName = context_.SlotName;
    return TReportBuilder(source);
}

void TAuswertungForm::Refresh() {
    const TLayout& layout = Layout();
    page_ = std::clamp(page_, 1, std::min(layout.Count + 1, static_cast<int>(kLayoutPages)));
    seitePanel_->setText(RepText(ERep::SeiteLabel) + QStringLiteral(" ") + QString::number(page_));
    speedButtons_[static_cast<std::size_t>(layout_ - 1)]->setChecked(true);
    const TReportBuilder builder = Builder();
    TReportPage page;
    if (page_ <= layout.Count)
        page = builder.Build(layout.Pages[static_cast<std::size_t>(page_ - 1)]).front();
    pdfLabel_->clear();
    if (page.Code == 97) {
        const QString file = page.DataSheets.isEmpty() ? QString() : page.DataSheets.front();
        if (!file.isEmpty() && pdfs_->LoadFile(file)) {
            pdfLabel_->setText(QFileInfo(file).fileName());
            stack_->setCurrentWidget(pdfs_);
            return;
        }
        pdfLabel_->setText(file.isEmpty() ? QString() : pdfs_->LastError());
    }
    stack_->setCurrentWidget(scroll_);
    preview_->SetPage(page, builder.Frame(TCompanyInfo::ReadProgramFolder(), page.Code));
}

void TAuswertungForm::SelectLayout(int layout) {
    layout_ = std::clamp(layout, 1, static_cast<int>(kLayoutCount));
    page_ = 1;
    Refresh();
}

void TAuswertungForm::NextPage() {
    ++page_;
    Refresh();
}

void TAuswertungForm::PreviousPage() {
    page_ = std::max(1, page_ - 1);
    Refresh();
}

void TAuswertungForm::SetZoom(int index) {
    zoom_ = std::clamp(index, 0, 2);
    scroll_->setWidgetResizable(zoom_ == 0);
    if (zoom_ > 0) preview_->resize(scroll_->viewport()->size() * kZoom[zoom_]);
}

void TAuswertungForm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (zoom_ > 0) SetZoom(zoom_);
}

void TAuswertungForm::WriteBack() {
    context_.Settings.Layouts = layouts_;
}

void TAuswertungForm::Finish() {
    WriteBack();
    accept();
}

bool TAuswertungForm::Print() {
    if (busy_) return false;
    QPrinter ownPrinter(QPrinter::HighResolution);
    QPrinter& printer = printer_ != nullptr ? *printer_ : ownPrinter;
    printer.setDocName(QGuiApplication::applicationDisplayName());
    const std::optional<TPrintRequest> request =
        printPrompt_(printer, Layout().Count, std::min(page_, Layout().Count), this);
    if (!request) return false;
    bool ok = false;
    {
        TOutputScope scope(busy_);
        ok = PrintLayout(printer, Builder(), Layout(), *request).Ok;
    }
    Refresh();
    if (!ok) return false;
    Finish();
    return true;
}

void TAuswertungForm::CopyToClipboard() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    const TLayout& layout = Layout();
    if (page_ > layout.Count) {
        clipboard->clear();
        return;
    }
    TOutputScope scope(busy_);
    const TReportBuilder builder = Builder();
    const TReportPage page =
        builder.Build(layout.Pages[static_cast<std::size_t>(page_ - 1)]).front();
    if (page.Code == 0 || page.Code == 97) {
        clipboard->clear();
        return;
    }
    clipboard->setImage(
        PageImage(page, builder.Frame(TCompanyInfo::ReadProgramFolder(), page.Code)));
}

void TAuswertungForm::reject() {
    if (busy_) return;
    QDialog::reject();
}

void TAuswertungForm::closeEvent(QCloseEvent* event) {
    if (busy_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

} // namespace corvane
