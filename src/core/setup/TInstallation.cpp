#include "setup/TInstallation.h"

#include "i18n/Language.h"
#include "settings/TIniFile.h"
#include "setup/DesktopEntry.h"
#include "setup/FolderRules.h"
#include "setup/SetupNames.h"
#include "setup/UninstallRecord.h"
#include "util/Files.h"
#include "util/XdgFolders.h"

#include <filesystem>
#include <fstream>

namespace corvane {

namespace fs = std::filesystem;

namespace {

// Bundle parts copied with the program when they lie beside it.
constexpr const char* kBundleFolders[] = {"lib", "plugins"};
// The rig simulator goes along: the acquisition settings start it from the program's folder.
// The company block of the printouts and its logo go along too.
constexpr const char* kBundleFiles[] = {kCompanionFileName, "corvane-rigsim", kIconFileName,
                                        kCompanyFileName,   kLogoFileName,    "qt.conf"};

std::string Join(const fs::path& folder, const std::string& name) {
    return (folder / name).string();
}

// The folder as an absolute path without a trailing separator, symbolic links resolved.
std::string ResolvedFolder(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder.empty() ? folder : CanonicalPath(folder);
}

bool IsEmptyFolder(const fs::path& folder) {
    std::error_code ec;
    return fs::directory_iterator(folder, ec) == fs::directory_iterator() && !ec;
}

bool WriteTextFile(const fs::path& path, const std::string& text, fs::perms perms) {
    std::error_code ec;
    fs::remove(path, ec); // a link or read-only file of an earlier installation
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        if (!(out << text)) return false;
    }
    fs::permissions(path, perms, ec);
    return !ec;
}

// Copies a bundle folder with its subfolders, replacing what an earlier installation left;
// links stay links.
std::error_code CopyTree(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    fs::create_directories(to, ec);
    for (fs::recursive_directory_iterator it(from, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path target = to / it->path().lexically_relative(from);
        if (it->is_symlink(ec)) {
            fs::remove(target, ec);
            fs::copy_symlink(it->path(), target, ec);
        } else if (it->is_directory(ec)) {
            fs::create_directories(target, ec);
        } else {
            ec = ReplaceFile(it->path().string(), target.string());
        }
    }
    return ec;
}

} // namespace

TInstallation::TInstallation(TInstallSource source, std::string folder, TUserFolders user,
                             std::optional<int> languageIndex)
    : m_source(std::move(source)), m_folder(ResolvedFolder(std::move(folder))),
      m_user(std::move(user)), m_languageIndex(languageIndex) {}

int TInstallation::TextLanguage() const {
    return m_languageIndex ? LanguageOfUnitSystem(*m_languageIndex) : corvane::TextLanguage();
}

bool TInstallation::Fail(std::string error, std::string& line) {
    line += "failed: " + error;
    m_error = std::move(error);
    return false;
}

bool TInstallation::Run(const TProgress& progress) {
    m_error.clear();
    m_lines.clear();
    int step = 0;
    auto run = [&](const std::function<bool(std::string&)>& body) {
        std::string line;
        const bool ok = body(line);
        ++step;
        m_lines.push_back(std::to_string(step) + "/" + std::to_string(kStepCount) + " " + line);
        if (progress) progress(step, m_lines.back());
        return ok;
    };
    if (!run([this](std::string& l) { return CreateFolder(l); })) return false;
    run([this](std::string& l) { return WriteRecord(l); });
    run([this](std::string& l) { return RemoveOldFiles(l); });
    if (!run([this](std::string& l) { return CopyProgram(l); })) return false;
    if (!run([this](std::string& l) { return CopyDataFile(l); })) return false;
    for (const char* name : kCopiedFolders)
        if (!run([this, name](std::string& l) { return CopyFolder(name, l); })) return false;
    run([this](std::string& l) { return WriteShortcuts(l); });
    return true;
}

bool TInstallation::CreateFolder(std::string& line) {
    line = "create folder " + m_folder + ": ";
    const std::string refusal = "create dir " + m_folder + ":\n";
    if (m_folder.empty() || HasControlCharacters(m_folder))
        return Fail(refusal + "the folder name is empty or holds control characters", line);
    if (IsRootHomeOrAbove(m_folder, HomeFolder()))
        return Fail(refusal + "the root, the home folder and the folders above it cannot hold "
                              "an installation",
                    line);
    std::error_code ec;
    const fs::path exeFolder = fs::path(CanonicalPath(m_source.Executable)).parent_path();
    if (fs::equivalent(m_folder, m_source.Folder, ec) || fs::equivalent(m_folder, exeFolder, ec))
        return Fail(refusal + "this is the folder the program runs from", line);
    if (fs::exists(m_folder, ec) && !IsEmptyFolder(m_folder) && !HoldsInstallMarker(m_folder))
        return Fail(refusal + "the folder already holds other files; choose a new or empty folder",
                    line);
    if (!MakeFolder(m_folder, ec)) return Fail(refusal + ec.message(), line);
    const std::string marker = "This folder is an installation of Corvane. Uninstalling it "
                               "removes the folder with everything in it.\n";
    if (!WriteTextFile(Join(m_folder, kInstallMarkerName), marker,
                       fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                           fs::perms::others_read))
        return Fail(refusal + "the folder is not writable", line);
    line += "ok";
    return true;
}

bool TInstallation::WriteRecord(std::string& line) {
    line = "uninstall record in " + m_user.SettingsFile + ": ";
    TIniFile settings;
    (void)settings.Load(m_user.SettingsFile); // a first installation starts a new file
    WriteUninstallRecord(settings, m_folder, TextLanguage());
    if (m_languageIndex) settings.WriteInteger("Options", "PrintUnit", *m_languageIndex);
    const bool saved = settings.Save(m_user.SettingsFile).Ok();
    line += saved ? "ok" : "not written (passed over)";
    return saved;
}

bool TInstallation::RemoveOldFiles(std::string& line) {
    line = "remove old files:";
    bool any = false;
    for (const char* name : kOldFiles) {
        std::error_code ec;
        const std::string path = Join(m_folder, name);
        if (!fs::exists(fs::symlink_status(path, ec))) continue;
        any = true;
        line += std::string(" ") + name + (fs::remove(path, ec) ? "" : " (could not remove)");
    }
    if (!any) line += " none";
    return true;
}

bool TInstallation::Copy(const std::string& from, const std::string& to) {
    if (const std::error_code ec = ReplaceFile(from, to)) {
        m_error = "copy " + to + ":\n" + ec.message();
        return false;
    }
    return true;
}

bool TInstallation::CopyProgram(std::string& line) {
    line = "copy program: ";
    const std::string program = Join(m_folder, kProgramFileName);
    if (!Copy(m_source.Executable, program)) return Fail(m_error, line);
    std::error_code ec;
    fs::permissions(program, fs::perms::owner_all, fs::perm_options::add, ec);
    line += kProgramFileName;
    const fs::path exeFolder = fs::path(m_source.Executable).parent_path();
    for (const char* name : kBundleFiles) {
        if (!fs::is_regular_file(exeFolder / name, ec)) continue;
        if (!Copy(Join(exeFolder, name), Join(m_folder, name))) return Fail(m_error, line);
        line += std::string(" ") + name;
    }
    for (const char* name : kBundleFolders) {
        if (!fs::is_directory(exeFolder / name, ec)) continue;
        if (const std::error_code cec = CopyTree(exeFolder / name, fs::path(m_folder) / name))
            return Fail("copy " + Join(m_folder, name) + ":\n" + cec.message(), line);
        line += std::string(" ") + name + "/";
    }
    return true;
}

bool TInstallation::CopyDataFile(std::string& line) {
    line = std::string("copy data file ") + kDataFileName + ": ";
    if (!Copy(Join(m_source.Folder, kDataFileName), Join(m_folder, kDataFileName)))
        return Fail(m_error, line);
    line += "ok";
    return true;
}

bool TInstallation::CopyFolder(const char* name, std::string& line) {
    line = std::string("copy folder ") + name + ": ";
    const fs::path target = fs::path(m_folder) / name;
    std::error_code ec;
    if (!MakeFolder(target.string(), ec))
        return Fail("create dir " + target.string() + ":\n" + ec.message(), line);
    const fs::path source = fs::path(m_source.Folder) / name;
    if (!fs::is_directory(source, ec)) {
        line += "no such folder beside the program, nothing to copy";
        return true;
    }
    int count = 0;
    for (fs::directory_iterator it(source, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code sec;
        if (!it->is_regular_file(sec)) continue;
        if (!Copy(it->path().string(), (target / it->path().filename()).string()))
            return Fail(m_error, line);
        ++count;
    }
    if (ec) return Fail("copy " + target.string() + ":\n" + ec.message(), line);
    line += std::to_string(count) + " files";
    return true;
}

bool TInstallation::WriteShortcuts(std::string& line) {
    line = "shortcuts:";
    const int language = TextLanguage();
    TDesktopEntry entry{Join(m_folder, kProgramFileName), m_folder, Join(m_folder, kIconFileName),
                        language};
    const std::string text = entry.Text();
    bool all = true;
    for (const std::string& folder : {m_user.ApplicationsFolder, m_user.DesktopFolder}) {
        if (folder.empty()) continue;
        std::error_code ec;
        // Entries of this folder under the other languages' names would show it twice.
        for (int l = 0; l < 3; ++l) {
            const fs::path other = fs::path(folder) / ShortcutFileName(l);
            std::ifstream in(other, std::ios::binary);
            const std::string old((std::istreambuf_iterator<char>(in)), {});
            if (l != language && DesktopEntryFolder(old) == m_folder) fs::remove(other, ec);
        }
        const fs::path path = fs::path(folder) / ShortcutFileName(language);
        const bool ok =
            MakeFolder(folder) &&
            WriteTextFile(path, text,
                          fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                              fs::perms::others_read | fs::perms::others_exec);
        line += " " + path.string() + (ok ? "" : " (not written, passed over)");
        all = all && ok;
    }
    if (m_user.DesktopFolder.empty()) line += " (no desktop folder)";
    return all;
}

} // namespace corvane
