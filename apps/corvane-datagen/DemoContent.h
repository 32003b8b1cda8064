#pragma once

#include <string>
#include <utility>
#include <vector>

namespace corvane {

// What a sketch shows: an impeller seen from the front or a housing outline.
struct TSketchPlan {
    enum class TKind { Impeller, Housing } Kind = TKind::Impeller;
    int Blades = 10; // impeller
    bool ForwardCurved = false;
    bool RadialBlades = false;
    double InletRatio = 0.7; // D0 / D2
    int Angle = 0;           // housing outlet angle, degrees
    int Form = 1;            // housing form 1..4
    bool Filled = false;     // the picture (shaded) rather than the line sketch
};

// One JPEG file of the picture folder.
struct TPictureFile {
    std::string FileName;
    TSketchPlan Sketch;
};

// One data sheet of the data-sheet folder: a title, a dimension table and a sketch.
struct TDataSheet {
    std::string FileName;
    std::string Title;
    std::string Subtitle;
    std::vector<std::pair<std::string, std::string>> Rows;
    TSketchPlan Sketch;
};

// The files that accompany the data file.
struct TDemoContent {
    std::vector<TPictureFile> Pictures;
    std::vector<TDataSheet> Sheets;
};

} // namespace corvane
