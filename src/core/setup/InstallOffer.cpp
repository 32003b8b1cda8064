#include "setup/InstallOffer.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace corvane {

TInstallOffer TInstallOffer::FromArguments(int argc, const char* const* argv, int runCounter) {
    TInstallOffer offer;
    if (argc < 2 || argv[1] == nullptr) return offer;
    std::string arg = argv[1];
    if (arg == "install") return offer;
    std::transform(arg.begin(), arg.end(), arg.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (arg.find("CHECKINST") != std::string::npos) {
        offer.ShowMenu = true;
        offer.AutoInstall = offer.AutoInstall || runCounter == 0;
    }
    if (arg.find("INSTALL") != std::string::npos) {
        offer.ShowMenu = true;
        offer.AutoInstall = true;
    }
    return offer;
}

} // namespace corvane
