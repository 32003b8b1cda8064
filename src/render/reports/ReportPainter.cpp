#include "render/reports/ReportPainter.h"

#include "render/reports/CoverPage.h"
#include "render/reports/DiagramPage.h"
#include "render/reports/MapPage.h"
#include "render/reports/PageFrame.h"
#include "render/reports/ReportTexts.h"
#include "render/reports/SoundPage.h"
#include "render/reports/TPageCanvas.h"
#include "render/reports/TReportPage.h"
#include "render/reports/TablePage.h"

#include <QPainter>

namespace corvane {

TSheetResult PaintReportSheet(QPainter& painter, const QRect& area, const TReportPage& page,
                              const TPageFrameData& frame, int firstRow) {
    TSheetResult result;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    TPageCanvas canvas(painter, area, frame.FontName);
    if (page.Code == 0) {
        canvas.Fill(area, Qt::white);
        painter.restore();
        return result;
    }
    TPageFrameData pageFrame = frame;
    if (!page.Footer.isEmpty()) pageFrame.Footer = page.Footer;
    const TPageGeometry g = PaintPageFrame(canvas, area, page.Landscape, pageFrame);
    switch (page.Code) {
    case 90:
        PaintMapPage(canvas, g, page.Map, frame.FontSize);
        break;
    case 91:
    case 93:
    case 94:
        PaintSoundPage(canvas, g, page);
        break;
    case 92:
    case 95:
    case 98: {
        const int next = PaintTableSheet(canvas, g, page.Table, firstRow);
        if (next < static_cast<int>(page.Table.Rows.size())) result.NextRow = next;
        break;
    }
    case 96:
        PaintCoverPage(canvas, g, page.Cover);
        break;
    case 97:
        for (int i = 0; i < page.MissingSheets.size(); ++i)
            canvas.TextIn(3, RepText(ERep::DataSheetMissing) + page.MissingSheets[i], g.Left,
                          g.ContentTop + i * g.Unit, g.ContentWidth());
        break;
    default:
        if (page.IsDiagramPage()) result.BandBottoms = PaintDiagramPage(canvas, g, page);
        break;
    }
    painter.restore();
    return result;
}

} // namespace corvane
