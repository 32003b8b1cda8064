#pragma once

#include "model/TWinkelStringList.h"
#include "selection/TAuswahlParam.h"
#include "selection/TResultList.h"
#include "selection/TypeGroups.h"
#include "settings/TSettings.h"
#include "util/Outcome.h"
#include "util/Progress.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace corvane {

class TCatalogue;
class TImpellerSearch;
class TMessAuswahl;
struct TRequestInput;
struct TRequestView;

// The inputs of the search form, by role. InputChanged tells the session which one the
// person changed.
enum class ERequestInput {
    D2Min,         // diameter lists: search again
    D2Max,         //
    WidthMin,      // installed width: results only become stale
    WidthMax,      //
    Flow,          // duty point: stale
    Pressure,      //
    Density,       // typed density: stale (the density dialog uses DensityAccepted)
    Tolerance,     // deviation percentage: search again
    Speed,         // given speed: the manual variation searches at once, otherwise stale
    MaxSpeed,      // stale
    SliderMax,     // upper end of the slider: the speed follows, then as Speed
    HousingAngle,  // search again
    TypeGroup,     //
    FanLayout,     //
    FixedQuantity, // deviation kind
    SortKey,       //
    SpeedPage,     // speed page
    Reinforced,    // "verstärkte Ausführung zulassen"
    ManualSpeed,   // "Drehzahl manuell variieren": on runs the manual variation
};

// The selection session: everything the main window decides about the search. It owns the
// request (base units), the options and the rest of the user's settings, the result list with
// its chart marks and marked-result memory, the cart, and the impeller search (which keeps
// the series points it read). The main window shows what the session holds and reports what
// the person did; `corvane-cli search` drives the same object without windows.
//
// Searches start automatically only while the session is shown (SetShown): a change of an
// input that searches again then runs the search at once, the others only drop the results.
// While the main window writes the request back into its controls it holds a Quiet scope, so
// the change reports those writes cause are ignored. Operations that can fail return a
// TOutcome whose message a dialog shows as it is; they never throw for bad files or data.
//
// Texts and units follow the process-wide text language and unit system; the session changes
// them when the language/unit index changes (settings, selection files, the language menu).
class TSelectionSession {
public:
    explicit TSelectionSession(TCatalogue& catalogue);
    ~TSelectionSession();
    TSelectionSession(const TSelectionSession&) = delete;
    TSelectionSession& operator=(const TSelectionSession&) = delete;

    // ---- Catalogue ------------------------------------------------------------------------
    // After the catalogue read another data file: rebuilds the housing-angle and type lists,
    // forgets the series points the search kept and drops the results.
    void CatalogueChanged();
    // The measured points of series were edited: the cached points are dropped and a search
    // that had run runs again (keeping its marks), so the results show the new points.
    TOutcome PointsChanged();
    TCatalogue& Catalogue() const { return catalogue_; }

    // ---- Settings -------------------------------------------------------------------------
    // Reads the user's settings file (default SettingsPath()): options, request and cart;
    // applies the language/unit index and the listening distance. A missing file gives the
    // defaults; an unreadable one too, with the reason.
    TOutcome LoadSettings(const std::string& path);
    // Writes the options, request and cart to the user's settings file (window placements
    // kept in Options().Store stay as they are).
    TOutcome SaveSettings(const std::string& path);
    // The persisted options (font, operator, curve style, language/unit index, listening
    // distance, layouts, point lists, window placements). Request and Cart inside are kept
    // equal to the session's own.
    const TSettings& Options() const { return settings_; }
    // For the options dialog: edit, then call OptionsAccepted.
    TSettings& EditOptions() { return settings_; }
    // After the options dialog closed with OK: takes the request from the controls, applies a
    // changed language/unit index and the listening distance, then searches.
    TOutcome OptionsAccepted(const TRequestInput& input);
    // Applies a language/unit index (clamped to the offered entries): text language, screen
    // and print unit systems, and the stored "PrintUnit". No search.
    void ApplyLanguageIndex(int index);
    int LanguageIndex() const { return settings_.PrintUnit; }
    // The language menu: with another index, takes the request from the controls, remembers
    // the marked rows, applies the index, searches and marks the remembered rows again. The
    // current index changes nothing (LanguageIndex() tells whether the texts need applying).
    TOutcome SwitchLanguage(int index, const TRequestInput& input);

    // ---- Request --------------------------------------------------------------------------
    const TAuswahlParam& Request() const { return settings_.Request; }
    // Replaces the request (bounded by ClampRequest) and drops the results.
    void SetRequest(const TAuswahlParam& request);
    // Takes the typed and chosen inputs (RequestForm's reading rules); fields the input
    // leaves empty keep their values. Drops the results when the request changed.
    void TakeInput(const TRequestInput& input);
    // The request as the controls show it (RequestForm's showing rules).
    TRequestView View() const;
    // The person changed one input; `input` holds all of them. Ignored while not shown or
    // quiet. Otherwise the request is read from `input` and, by the input, the search runs
    // again or the results only become stale.
    TOutcome InputChanged(ERequestInput which, const TRequestInput& input);
    // The density dialog closed with OK: the request from the controls with that density
    // (kg/m³, at least 0.1), then a search when shown.
    TOutcome DensityAccepted(double density, const TRequestInput& input);

    // ---- Showing --------------------------------------------------------------------------
    // The main window is shown: automatic searches are allowed.
    void SetShown(bool shown) { shown_ = shown; }
    bool Shown() const { return shown_ && !quiet_; }
    // While it lives, change reports are ignored and no search starts by itself.
    class TQuiet {
    public:
        explicit TQuiet(TSelectionSession& session) : session_(session), was_(session.quiet_) {
            session.quiet_ = true;
        }
        ~TQuiet() { session_.quiet_ = was_; }
        TQuiet(const TQuiet&) = delete;
        TQuiet& operator=(const TQuiet&) = delete;

    private:
        TSelectionSession& session_;
        bool was_;
    };
    [[nodiscard]] TQuiet Quiet() { return TQuiet(*this); }

    // ---- Search ---------------------------------------------------------------------------
    // Progress of a running search (fraction 0..1), e.g. to repaint the status line; without
    // one the process-wide search progress slot is called.
    void SetProgressCallback(TProgressCallback callback);
    // The search button: takes the request from the controls, then Search().
    TOutcome Search(const TRequestInput& input);
    // Drops the results, searches with the current request and cart, marks the first four
    // rows. A failing search keeps the rows found so far and reports why.
    TOutcome Search();
    // Results are valid (the search button is disabled) from a search until an input change.
    bool SearchDone() const { return list_.SearchDone(); }
    bool SearchEnabled() const { return !list_.SearchDone(); }
    // Drops the results: no rows, marked-result memory empty, progress 0.
    void Invalidate() { list_.Invalidate(); }

    // ---- Results and chart marks ---------------------------------------------------------
    // Rows, column texts, remark markers, status line and progress of the result display.
    const TResultList& Results() const { return list_; }
    // Toggles the chart mark of a result row (at most ten), remembering the marked rows.
    void ToggleMark(std::size_t row);
    // Fills the curve window's selection from the marked rows with the request's duty point;
    // rows whose series cannot be shown lose their mark.
    void BuildCurveSelection(TMessAuswahl& selection);

    // ---- Cart -----------------------------------------------------------------------------
    const TWarenkorb& Cart() const { return list_.Cart(); }
    // Replaces the cart (at most 50 entries kept).
    void SetCart(TWarenkorb cart);
    // "-> VLR zum Warenkorb hinzufügen" / "... entfernen": adds the row (at most 50 entries,
    // no duplicates) or, in cart mode, removes it and searches again when shown.
    TOutcome ToggleCart(std::size_t row);
    // "Warenkorb leeren": empties the cart and searches again when shown.
    TOutcome EmptyCart();

    // ---- Selection files ------------------------------------------------------------------
    // Saves options, request (from the controls), cart and the marked rows.
    TOutcome SaveSelection(const std::string& path, const TRequestInput& input);
    // Reads options, request and cart of a selection file (its own defaults for missing keys)
    // and applies its language/unit index and listening distance; no search. Nothing changes
    // when the file cannot be read.
    TOutcome ReadSelection(const std::string& path);
    // "Auswahl öffnen": ReadSelection, search, then the file's marked rows.
    TOutcome OpenSelection(const std::string& path);
    // "Auswahl (nur die Selektion) öffnen": only the file's marked rows get a mark (all
    // others lose theirs); no search. A file without marks changes nothing.
    TOutcome OpenSelectionMarks(const std::string& path);
    // The quick selection file next to the program (save and marks buttons).
    static std::string QuickSelectionPath();
    TOutcome SaveQuickSelection(const TRequestInput& input);
    // A missing quick file is no error: nothing changes.
    TOutcome OpenQuickSelectionMarks();

    // ---- Start-up -------------------------------------------------------------------------
    // The warning shown once the window is up: "Achtung!" with the sentences about a
    // non-standard density and converted sound levels; empty when neither applies.
    std::string StartupWarning() const;

    // Lists the controls offer.
    const TWinkelStringList& HousingAngles() const { return angles_; }
    const std::vector<TTypeGroupEntry>& TypeGroups() const { return typeGroups_; }

private:
    bool TakeRequest(const TAuswahlParam& request);
    // Searches with the manual speed variation: results replaced, marks restored from the
    // memory.
    TOutcome ManualSearch();
    TOutcome SearchIfShown();
    TOutcome RunSearch(bool restoreMarks);
    void SyncCart();
    void ApplyListeningDistance() const;

    TCatalogue& catalogue_;
    std::unique_ptr<TImpellerSearch> search_;
    TSettings settings_; // Request and Cart are the session's request and cart
    TResultList list_;
    TWinkelStringList angles_;
    std::vector<TTypeGroupEntry> typeGroups_;
    TProgressCallback progress_;
    bool shown_ = false;
    bool quiet_ = false;
};

} // namespace corvane
