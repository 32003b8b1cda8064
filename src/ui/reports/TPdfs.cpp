#include "ui/reports/TPdfs.h"

#include "i18n/Texts.h"

#include <QAction>
#include <QPainter>
#include <QPdfDocument>
#include <QPdfPageNavigator>
#include <QPdfView>
#include <QPrinter>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace corvane {

namespace {

constexpr double kMaxPrintDpi = 300.0;

QString Reason(QPdfDocument::Error error) {
    switch (error) {
    case QPdfDocument::Error::FileNotFound:
        return QStringLiteral("file not found");
    case QPdfDocument::Error::InvalidFileFormat:
        return QStringLiteral("not a valid PDF file");
    case QPdfDocument::Error::IncorrectPassword:
        return QStringLiteral("the file is protected by a password");
    case QPdfDocument::Error::UnsupportedSecurityScheme:
        return QStringLiteral("unsupported security scheme");
    case QPdfDocument::Error::DataNotYetAvailable:
    case QPdfDocument::Error::Unknown:
        break;
    case QPdfDocument::Error::None:
        return {};
    }
    return QStringLiteral("unknown error");
}

} // namespace

TPdfs::TPdfs(QWidget* parent)
    : QWidget(parent), m_document(new QPdfDocument(this)), m_view(new QPdfView(this)),
      m_toolbar(new QToolBar(this)) {
    m_view->setObjectName(QStringLiteral("PdfView"));
    m_view->setDocument(m_document);
    m_view->setPageMode(QPdfView::PageMode::MultiPage);
    m_view->setZoomMode(QPdfView::ZoomMode::FitToWidth);
    QStyle* s = style();
    QPdfPageNavigator* nav = m_view->pageNavigator();
    auto jump = [this, nav](int delta) {
        const int page = std::clamp(nav->currentPage() + delta, 0, std::max(0, PageCount() - 1));
        nav->jump(page, {}, nav->currentZoom());
    };
    m_toolbar->addAction(s->standardIcon(QStyle::SP_ArrowUp), QStringLiteral("<"), this,
                         [jump] { jump(-1); });
    m_toolbar->addAction(s->standardIcon(QStyle::SP_ArrowDown), QStringLiteral(">"), this,
                         [jump] { jump(1); });
    m_toolbar->addAction(QStringLiteral("↔"), this,
                         [this] { m_view->setZoomMode(QPdfView::ZoomMode::FitToWidth); });
    m_toolbar->addAction(QStringLiteral("▢"), this,
                         [this] { m_view->setZoomMode(QPdfView::ZoomMode::FitInView); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_toolbar);
    layout->addWidget(m_view, 1);
}

TPdfs::~TPdfs() {
    m_view->setDocument(nullptr); // the view must not outlive its document's use
}

bool TPdfs::LoadFile(const QString& path) {
    m_error.clear();
    const QPdfDocument::Error error = m_document->load(path);
    if (error == QPdfDocument::Error::None && m_document->pageCount() > 0) return true;
    m_document->close();
    const QString reason =
        error == QPdfDocument::Error::None ? QStringLiteral("no pages") : Reason(error);
    m_error = QString::fromUtf8(Txt(TextId::PdfLoadFailed)) + QLatin1Char('\n') + path +
              QStringLiteral(" (") + reason + QLatin1Char(')');
    return false;
}

int TPdfs::PageCount() const {
    return m_document->pageCount();
}

bool TPdfs::Print(QPrinter& printer) const {
    if (PageCount() <= 0) return false;
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRect area = painter.viewport();
    const double dpi = std::min<double>(printer.resolution(), kMaxPrintDpi);
    for (int page = 0; page < PageCount(); ++page) {
        if (page > 0 && !printer.newPage()) return false;
        const QSizeF points = m_document->pagePointSize(page);
        if (points.isEmpty()) continue;
        const QSize pixels(static_cast<int>(std::lround(points.width() * dpi / 72.0)),
                           static_cast<int>(std::lround(points.height() * dpi / 72.0)));
        const QImage image = m_document->render(page, pixels);
        const QSize fitted = points.scaled(area.size(), Qt::KeepAspectRatio).toSize();
        painter.drawImage(QRect(area.topLeft(), fitted), image);
    }
    return painter.end();
}

void TPdfs::SetToolbarVisible(bool visible) {
    m_toolbar->setVisible(visible);
}

} // namespace corvane
