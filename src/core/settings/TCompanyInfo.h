#pragma once

#include <array>
#include <string>

namespace corvane {

// The company block printed in the head of every evaluation page: name, up to four address
// lines (street, town, telephone, fax), web address, e-mail and a logo picture. Read from the
// section "Firma" of the file "Corvane.ini" next to the program.
struct TCompanyInfo {
    std::string Name;
    std::array<std::string, 4> Address; // "Adresse1".."Adresse4"
    std::string Web;
    std::string Mail;
    std::string Logo; // full path of the logo picture; empty for none

    // The file's company block. A missing file or section gives an empty block. The logo is
    // a file name inside the program folder: a name that is absolute or climbs out of the
    // folder ("..") is refused (no logo).
    static TCompanyInfo Read(const std::string& iniPath, const std::string& programFolder);
    // Corvane.ini of the program folder.
    static TCompanyInfo ReadProgramFolder();
};

} // namespace corvane
