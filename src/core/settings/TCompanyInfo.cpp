#include "settings/TCompanyInfo.h"

#include "settings/TIniFile.h"
#include "util/ProgramFolder.h"
#include "util/Text.h"

namespace corvane {

namespace {

constexpr const char* kSection = "Firma";

// A relative path that stays inside its folder: no leading "/", no ".." part.
bool StaysInside(const std::string& name) {
    if (name.empty() || name.front() == '/' || name.front() == '\\') return false;
    std::size_t start = 0;
    while (start <= name.size()) {
        std::size_t end = name.find_first_of("/\\", start);
        if (end == std::string::npos) end = name.size();
        if (name.compare(start, end - start, "..") == 0 && end - start == 2) return false;
        start = end + 1;
    }
    return true;
}

} // namespace

TCompanyInfo TCompanyInfo::Read(const std::string& iniPath, const std::string& programFolder) {
    TCompanyInfo info;
    TIniFile ini;
    if (!ini.Load(iniPath)) return info;
    const auto value = [&ini](const char* key) { return Trim(ini.ReadString(kSection, key, "")); };
    info.Name = value("Name");
    for (std::size_t i = 0; i < info.Address.size(); ++i)
        info.Address[i] = value(("Adresse" + std::to_string(i + 1)).c_str());
    info.Web = value("Web");
    info.Mail = value("EMail");
    const std::string logo = value("Logo");
    if (StaysInside(logo)) {
        std::string folder = programFolder;
        if (!folder.empty() && folder.back() != '/') folder += '/';
        info.Logo = folder + logo;
    }
    return info;
}

TCompanyInfo TCompanyInfo::ReadProgramFolder() {
    return Read(ProgramFile("Corvane.ini"), ProgramFolder());
}

} // namespace corvane
