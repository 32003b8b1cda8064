#pragma once

#include <QString>
#include <QWidget>

class QPdfDocument;
class QPdfView;
class QPrinter;
class QToolBar;

namespace corvane {

// The embedded data-sheet display of the evaluation window and the print window: a PDF view
// with a small tool bar (page back and forth, fit width, whole page) over one document.
class TPdfs : public QWidget {
    Q_OBJECT

public:
    explicit TPdfs(QWidget* parent = nullptr);
    ~TPdfs() override;

    // The view that shows the document.
    QPdfView* ActiveControl() const { return m_view; }
    // Loads a PDF file. False when it cannot be loaded; LastError() then holds the message
    // for the user (the need for a readable file and a PDF viewer, the file and the reason).
    bool LoadFile(const QString& path);
    const QString& LastError() const { return m_error; }
    int PageCount() const;
    // Prints every page of the loaded document, each scaled to fit the printable area and
    // rendered at up to 300 dpi. False when nothing is loaded or the printer fails.
    bool Print(QPrinter& printer) const;
    void SetToolbarVisible(bool visible);

private:
    QPdfDocument* m_document;
    QPdfView* m_view;
    QToolBar* m_toolbar;
    QString m_error;
};

} // namespace corvane
