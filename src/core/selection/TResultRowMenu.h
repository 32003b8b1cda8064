#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace corvane {

class TCatalogue;
class TResultList;

// One data-sheet command of the result context menu.
struct TDataSheetItem {
    std::string Caption;
    std::string File;    // the PDF file in the data-sheet folder
    bool Exists = false; // the command is offered only when the file is there
};

// What the context menu of a result row shows: chart mark, the three data sheets (housing,
// impeller, inlet nozzle), the picture, four information lines and the cart command.
struct TResultRowMenu {
    bool Marked = false;
    TDataSheetItem HousingSheet;
    TDataSheetItem ImpellerSheet;
    TDataSheetItem NozzleSheet;
    std::int32_t PictureNo = 0; // picture of the housing (or of the impeller without one)
    std::string Info[4];
    std::string CartCaption;

    // Texts of the current text language; `sheetFolder` is the data-sheet folder. An invalid
    // row gives an empty menu.
    static TResultRowMenu Of(const TResultList& results, TCatalogue& catalogue, std::size_t row,
                             const std::string& sheetFolder);
};

} // namespace corvane
