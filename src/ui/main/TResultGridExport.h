#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QAction;
class QWidget;

namespace corvane {

class TCorvaneMainForm;

// Export of the main window's result grid: Ctrl+C on the grid and a context-menu command copy
// it to the clipboard as tab-separated text; another command saves it as a CSV file (UTF-8,
// ";" where the user's locale writes decimal commas, else ","). A file that cannot be written
// is reported through the user message.
class TResultGridExport : public QObject {
    Q_OBJECT
public:
    // Chooses the CSV file to write; an empty text cancels. A non-native save dialog by
    // default.
    using TFileChooser = std::function<QString(QWidget* owner, const QString& preset)>;

    explicit TResultGridExport(TCorvaneMainForm& form);

    void SetFileChooser(TFileChooser chooser) { chooser_ = std::move(chooser); }
    QAction* CopyAction() const { return copy_; }
    QAction* SaveCsvAction() const { return saveCsv_; }
    // The file of the last successful save.
    const QString& CsvFile() const { return csvFile_; }

    void CopyToClipboard() const;
    // Asks for a file and writes the CSV text there.
    void SaveCsv();
    // Writes the CSV text to `file`; false (after the message) when that fails.
    bool WriteCsv(const QString& file);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ApplyTexts();

    TCorvaneMainForm& form_;
    TFileChooser chooser_;
    QAction* copy_ = nullptr;
    QAction* saveCsv_ = nullptr;
    QString csvFile_;
};

} // namespace corvane
