#include "setup/TUserFolders.h"

#include "settings/TSettings.h"
#include "util/XdgFolders.h"

namespace corvane {

TUserFolders TUserFolders::Current() {
    return {SettingsPath(), corvane::ApplicationsFolder(), corvane::DesktopFolder()};
}

} // namespace corvane
