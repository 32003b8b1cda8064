#pragma once

namespace corvane {

// What the first command-line argument asks of the main window: an argument holding
// "CHECKINST" (any case) shows the menu item InstMen and runs the installation once, on the
// first start (run counter 0); one holding "INSTALL" shows InstMen and runs the installation
// on every start. The exact word "install" is the windowless set-up command instead.
struct TInstallOffer {
    bool ShowMenu = false;
    bool AutoInstall = false;

    static TInstallOffer FromArguments(int argc, const char* const* argv, int runCounter);
};

} // namespace corvane
