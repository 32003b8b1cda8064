#include "setup/DesktopEntry.h"

#include "i18n/Texts.h"
#include "setup/SetupNames.h"

#include <sstream>

namespace corvane {

namespace {

constexpr std::string_view kFolderKey = "X-Corvane-Folder=";
// Characters that make the desktop entry format require a quoted argument.
constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#()`";
constexpr const char* kLanguageCodes[] = {"de", "en", "ru"};

std::string Unescaped(std::string_view value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        switch (const char c = value[++i]) {
        case 's':
            out += ' ';
            break;
        case 'n':
            out += '\n';
            break;
        case 't':
            out += '\t';
            break;
        case 'r':
            out += '\r';
            break;
        default:
            out += c;
            break;
        }
    }
    return out;
}

// "Key=value" for the default and "Key[xx]=value" for each text language.
void WriteLocalised(std::ostream& out, const char* key, TextId id, int language) {
    out << key << '=' << DesktopStringValue(Txt(id, language)) << '\n';
    for (int l = 0; l < 3; ++l)
        out << key << '[' << kLanguageCodes[l] << "]=" << DesktopStringValue(Txt(id, l)) << '\n';
}

} // namespace

std::string DesktopStringValue(std::string_view value) {
    std::string out;
    for (const char c : value) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
            break;
        }
    }
    return out;
}

std::string DesktopExecArgument(std::string_view argument) {
    std::string quoted;
    const bool quote = argument.empty() || argument.find_first_of(kReserved) != std::string::npos;
    if (quote) quoted += '"';
    for (const char c : argument) {
        if (quote && (c == '"' || c == '`' || c == '$' || c == '\\')) quoted += '\\';
        quoted += c;
        if (c == '%') quoted += '%';
    }
    if (quote) quoted += '"';
    return DesktopStringValue(quoted);
}

std::string DesktopEntryFolder(std::string_view text) {
    std::istringstream lines{std::string(text)};
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.rfind(kFolderKey, 0) == 0) return Unescaped(line.substr(kFolderKey.size()));
    }
    return {};
}

std::string TDesktopEntry::Text() const {
    std::ostringstream out;
    const std::string exec = DesktopExecArgument(Program);
    out << "[Desktop Entry]\nType=Application\nVersion=1.0\n";
    out << "Name=" << DisplayName(TextLanguage) << '\n';
    for (int l = 0; l < 3; ++l)
        out << "Name[" << kLanguageCodes[l] << "]=" << DisplayName(l) << '\n';
    WriteLocalised(out, "Comment", TextId::AboutInfo, TextLanguage);
    out << "Exec=" << exec << '\n';
    out << "Path=" << DesktopStringValue(Folder) << '\n';
    out << "Icon=" << DesktopStringValue(Icon) << '\n';
    out << "Terminal=false\nCategories=Science;Engineering;\nActions=uninstall;\n";
    out << kFolderKey << DesktopStringValue(Folder) << "\n\n";
    out << "[Desktop Action uninstall]\n";
    WriteLocalised(out, "Name", TextId::UninstallAction, 0);
    out << "Exec=" << exec << " uninstall 1\n";
    return out.str();
}

} // namespace corvane
