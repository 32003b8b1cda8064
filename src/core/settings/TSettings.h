#pragma once

#include "selection/TAuswahlParam.h"
#include "selection/TLayoutSeiteAusw.h"
#include "selection/TPointList.h"
#include "selection/TWarenkorbEintrag.h"
#include "settings/TIniFile.h"
#include "settings/TInstallationSettings.h"
#include "util/Outcome.h"

#include <cstdint>
#include <string>
#include <vector>

namespace corvane {

// Which defaults missing keys take: the user's settings file, or a selection file (".cva"),
// whose defaults differ in a few keys (flow, pressure, tolerance, speed, deviation kind, type
// group and curve style).
enum class ESettingsSource { User, SelectionFile };

// Path of the user's settings file: $XDG_CONFIG_HOME/Brask/Corvane.conf, or
// $HOME/.config/Brask/Corvane.conf when XDG_CONFIG_HOME is unset, empty or relative.
std::string SettingsPath();

// Every persisted user setting: section "Options", the selection request (section "Auswahl"),
// and the document they are stored in, which also keeps the window placements ("WinSize").
struct TSettings {
    std::int32_t FontSize = 10;     // evaluation font size
    std::string FontName = "Arial"; // evaluation font name
    std::string Bearbeiter;         // operator name printed on evaluations
    std::int32_t PolynomGrad = 6;   // curve style 0..11
    std::int32_t PolynomPunkte = 1; // 1 = mark measured points
    std::int32_t PrintUnit = 0;     // language/unit index
    float LpAbstand = -1.0f;        // sound level distance in m; <= 1 means no conversion
    TLayoutSeiteAusw Layouts;       // the five evaluation layouts
    TPointList SelectedFlows;       // "Vauswahl"
    TPointList ParabolaFlows;       // "Pauswahl"
    TWarenkorb Cart;                // "Warenkorb"
    std::int32_t Naufruf = 0;       // run counter (user settings only)
    TAuswahlParam Request;          // section "Auswahl"
    // Section "Messwerterfassung" (user settings only).
    TInstallationSettings Installation = TInstallationSettings::Defaults();

    // The document the user settings were loaded from and are saved to. Window placements
    // live here as plain values.
    TIniFile Store;

    // Reads every key of "Options" and "Auswahl" from `ini`, missing keys taking the defaults
    // of `source`; values out of their bounds are brought back into them. The language/unit
    // index defaults to the current one and is clamped to the offered entries.
    void Read(const TIniFile& ini, ESettingsSource source);
    // Writes the user settings in their fixed order.
    void WriteUser(TIniFile& ini) const;

    // Loads the user settings file into Store and reads it. A missing file is a first start:
    // the defaults, successfully. An unreadable one also gives the defaults, and the outcome
    // says why it could not be read.
    TOutcome LoadUser(const std::string& path);
    // Writes the settings into Store and saves it atomically; the outcome says why it failed
    // (the previous file is then unchanged).
    TOutcome SaveUser(const std::string& path);

    // Writes a selection file: the options, layouts with their remarks, point lists and cart,
    // then the request and `markedIds` (the result identifiers with a chart mark, in row
    // order). An existing file is updated, keeping keys that are not ours; it is replaced
    // atomically. The outcome says why it failed.
    TOutcome WriteSelectionFile(const std::string& path,
                                const std::vector<std::int32_t>& markedIds) const;
    // Reads a selection file with the selection-file defaults. When the file cannot be read
    // nothing changes and the outcome says why.
    TOutcome ReadSelectionFile(const std::string& path);
};

// The marked result identifiers ("AuswSet") of a selection file; empty when the file is
// missing or holds none.
std::vector<std::int32_t> ReadSelectionMarks(const std::string& path);
// The same, saying why a file could not be read (`ids` is then empty).
TOutcome ReadSelectionMarks(const std::string& path, std::vector<std::int32_t>& ids);

} // namespace corvane
