#pragma once

#include "model/TMapLines.h"
#include "render/curves/TCurveDiagramData.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace corvane {

// What every page of a printout shares: the company block, the font and the footer note,
// all texts already in the print language.
struct TPageFrameData {
    QString CompanyName;
    std::array<QString, 4> Address; // street, town, telephone, fax
    QString Web;
    QString Mail;
    QImage Logo;
    QString FontName = QStringLiteral("Arial");
    int FontSize = 10; // diagram font size setting
    QString Footer;
};

// One row of a legend or table with the curve's marker in its colour (symbol 0: none).
struct TMarkedRow {
    int Marker = 0;
    QColor Colour = Qt::black;
    QStringList Cells;
};

// The block above the diagrams of a diagram or sound page: the requested duty point (selection
// mode only), the legend of the curves, the page remark and the hint to the cover sheet.
struct TDiagramHeader {
    QString DutyLine;
    QStringList LegendCaptions; // with units
    std::vector<TMarkedRow> Legend;
    QString Remark;
    QString Hint;
};

// A table printed over one or more sheets: a title, a caption and a unit line per column and
// the rows (the measured values of a series, or the points of the point table).
struct TReportTable {
    QString Title;
    QStringList Captions;
    QStringList Units;
    std::vector<TMarkedRow> Rows;
    bool Markers = false; // the first column shows the row's marker before its text
};

// The cover sheet of a measurement: its records, each a heading with caption/value pairs;
// long texts are printed word-wrapped below their section.
struct TCoverSection {
    QString Heading;
    std::vector<std::pair<QString, QString>> Fields;
    QStringList LongTexts;
};
struct TCoverData {
    QString Title;
    std::vector<TCoverSection> Sections;
};

// The characteristic map of one measurement in print units: flows, pressures and powers
// converted; power values still in W.
struct TMapPageData {
    QString Title;
    TMapLines Map;
    QString XName;
    QString YName;
    QString SpeedTitle;
    QString SoundTitle;
    QString EfficiencyTitle;
    QString PowerTitle;
};

// A sound page: the octave-band levels of each row at one flow as a bar chart and a table.
struct TSoundPageData {
    double Flow = 0;  // base unit
    QString FlowLine; // "Volumenstrom 5000 m³/h"
    bool Reverberation = false;
    QString Title;        // free field or reverberation room, with footnote mark
    QString Subtitle;     // the unweighted octave bands
    QString YName;        // the level quantity
    QStringList Captions; // 12 columns: "Frequenz:", 63 Hz .. 8000 Hz, A, unweighted, empty
    QStringList Units;
    std::vector<double> Widths;
    struct TRow {
        int Marker = 0;
        QColor Colour = Qt::black;
        std::vector<double> Levels; // columns 2..11; below 10 dB or -1: empty, no bar
    };
    std::vector<TRow> Rows;
};

// One layout page ready to be drawn: its code decides which part is used. Per-measurement
// evaluations give one TReportPage per measurement.
struct TReportPage {
    int Code = 0; // 1..28 (a diagram page), 90..98 a whole page, 0 empty
    bool Landscape = false;
    QString Footer; // replaces the frame's footer note when not empty
    TDiagramHeader Header;
    std::vector<TCurveDiagramData> Diagrams; // diagram page; empty slots have no title
    std::vector<bool> DiagramUsed;           // false: an empty diagram slot (99)
    TReportTable Table;                      // 92, 95, 98
    TCoverData Cover;                        // 96
    TMapPageData Map;                        // 90
    TSoundPageData Sound;                    // 91, 93, 94
    QStringList DataSheets;                  // 97: existing PDF files
    QStringList MissingSheets;               // 97: data sheets named but not found

    bool IsDiagramPage() const { return Code >= 1 && Code <= 28; }
};

} // namespace corvane
