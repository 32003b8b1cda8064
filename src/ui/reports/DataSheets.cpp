#include "ui/reports/DataSheets.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace corvane {

bool OpenDataSheet(const std::string& path) {
    if (path.empty()) return false;
    const QString file = QString::fromStdString(path);
    return QFileInfo(file).isFile() && QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

} // namespace corvane
