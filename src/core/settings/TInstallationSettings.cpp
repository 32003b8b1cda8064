#include "settings/TInstallationSettings.h"

#include "settings/TIniFile.h"
#include "util/XdgFolders.h"

#include <algorithm>
#include <filesystem>

namespace corvane {

namespace {

constexpr const char* kSection = "Messwerterfassung";
constexpr const char* kRigSimulator = "./corvane-rigsim";

std::string RigKey(int code) {
    return "Pruefstand" + std::to_string(code);
}

} // namespace

TInstallationSettings TInstallationSettings::Defaults() {
    TInstallationSettings s;
    const std::filesystem::path folder(RuntimeFolder());
    s.InputPath = (folder / "corvane-rig-in.tdw").string();
    s.OutputPath = (folder / "corvane-rig-out.tdw").string();
    s.RigCommands.fill(kRigSimulator);
    return s;
}

void TInstallationSettings::Read(const TIniFile& ini) {
    const TInstallationSettings d = Defaults();
    const auto text = [&](const std::string& key, const std::string& fallback) {
        std::string value = ini.ReadString(kSection, key, "");
        return value.empty() ? fallback : value;
    };
    InputPath = text("EingabeDatei", d.InputPath);
    OutputPath = text("AusgabeDatei", d.OutputPath);
    for (int code = 0; code < kRigCodes; ++code)
        RigCommands[static_cast<std::size_t>(code)] =
            text(RigKey(code), d.RigCommands[static_cast<std::size_t>(code)]);
    AnalyserProject = ini.ReadString(kSection, "AnalysatorProjekt", "");
    SimulatedAnalyser = ini.ReadInteger(kSection, "AnalysatorSimuliert", 1) != 0;
    SimulatedDurationMs =
        std::clamp(ini.ReadInteger(kSection, "AnalysatorDauer", d.SimulatedDurationMs), 0, 600000);
}

void TInstallationSettings::Write(TIniFile& ini) const {
    ini.WriteString(kSection, "EingabeDatei", InputPath);
    ini.WriteString(kSection, "AusgabeDatei", OutputPath);
    for (int code = 0; code < kRigCodes; ++code)
        ini.WriteString(kSection, RigKey(code), RigCommands[static_cast<std::size_t>(code)]);
    ini.WriteString(kSection, "AnalysatorProjekt", AnalyserProject);
    ini.WriteInteger(kSection, "AnalysatorSimuliert", SimulatedAnalyser ? 1 : 0);
    ini.WriteInteger(kSection, "AnalysatorDauer", SimulatedDurationMs);
}

const std::string& TInstallationSettings::RigCommand(std::int32_t rigCode) const {
    const std::int32_t code = rigCode >= 0 && rigCode < kRigCodes ? rigCode : 0;
    return RigCommands[static_cast<std::size_t>(code)];
}

} // namespace corvane
