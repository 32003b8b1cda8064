#include "setup/SetupCommand.h"

#include "i18n/LanguageTable.h"
#include "setup/SetupNames.h"
#include "setup/TInstallation.h"
#include "setup/UninstallStages.h"
#include "util/ProgramFolder.h"

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace corvane {

namespace {

constexpr const char* kInstallUsage =
    "usage: corvane install [--target DIR] [--lang-units N]\n"
    "  --target DIR      installation folder (default: $XDG_DATA_HOME/Corvane3)\n"
    "  --lang-units N    language/unit entry 0..7 stored for the installed program\n";

std::string RunningExecutable() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.string();
}

int RunInstall(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string target = DefaultInstallFolder();
    std::optional<int> languageIndex;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if (args[i] == "--target" && hasValue) {
            target = args[++i];
        } else if (args[i] == "--lang-units" && hasValue) {
            const std::string& v = args[++i];
            if (v.size() != 1 || v[0] < '0' || v[0] >= '0' + kLanguageEntryCount) {
                err << "corvane install: --lang-units takes 0.." << kLanguageEntryCount - 1 << '\n';
                return 2;
            }
            languageIndex = v[0] - '0';
        } else {
            err << "corvane install: unknown argument " << args[i] << '\n' << kInstallUsage;
            return 2;
        }
    }
    TInstallation installation({RunningExecutable(), ProgramFolder()}, target,
                               TUserFolders::Current(), languageIndex);
    const bool ok = installation.Run([&out](int, const std::string& line) {
        out << line << '\n';
        out.flush();
    });
    if (!ok) out << "installation failed: " << installation.Error() << '\n';
    return ok ? 0 : 1;
}

} // namespace

std::optional<int> RunSetupCommand(int argc, const char* const* argv, std::ostream& out,
                                   std::ostream& err) {
    if (argc < 2) return std::nullopt;
    const std::string command = argv[1];
    if (command != "install" && command != "uninstall") return std::nullopt;
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "install") return RunInstall(args, out, err);
    if (!args.empty() && args[0] == "1" && args.size() == 1)
        return RunUninstallFirstStage(RunningExecutable(), out);
    if (!args.empty() && args[0] == "2")
        return RunUninstallSecondStage({args.begin() + 1, args.end()}, out);
    err << "usage: corvane uninstall 1\n";
    return 2;
}

} // namespace corvane
