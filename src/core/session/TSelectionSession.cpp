#include "session/TSelectionSession.h"

#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbGehaeuse.h"
#include "i18n/Language.h"
#include "i18n/LanguageTable.h"
#include "i18n/Texts.h"
#include "physics/AirDensity.h"
#include "physics/ListeningDistance.h"
#include "selection/ResultSort.h"
#include "selection/SearchProgress.h"
#include "selection/TImpellerSearch.h"
#include "session/RequestForm.h"
#include "session/TRequestInput.h"
#include "session/TRequestView.h"
#include "units/Units.h"
#include "util/ProgramFolder.h"
#include "util/Text.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <utility>

namespace corvane {

TSelectionSession::TSelectionSession(TCatalogue& catalogue)
    : catalogue_(catalogue), search_(std::make_unique<TImpellerSearch>(catalogue)),
      list_(catalogue) {
    search_->SetProgressCallback([this](double fraction) {
        list_.SetProgress(fraction);
        if (progress_)
            progress_(fraction);
        else
            ReportSearchProgress(fraction);
    });
    CatalogueChanged();
}

TSelectionSession::~TSelectionSession() = default;

TOutcome TSelectionSession::PointsChanged() {
    search_->ForgetPoints();
    if (!list_.SearchDone() || !Shown()) return {};
    TQuiet quiet(*this);
    return ManualSearch();
}

void TSelectionSession::CatalogueChanged() {
    angles_.Clear();
    TMdbGehaeuse& housings = catalogue_.Gehaeuse();
    for (int i = 0; i < housings.KeyIndexCount(); ++i)
        angles_.Add(housings.GetText(housings.KeyRecord(i), TMdbGehaeuse::F_OEFFWKL));
    typeGroups_ = OfferedTypeGroups(catalogue_.LrTyp());
    search_->ForgetPoints();
    list_.Invalidate();
}

// ---- settings ----------------------------------------------------------------------------

TOutcome TSelectionSession::LoadSettings(const std::string& path) {
    TOutcome loaded = settings_.LoadUser(path);
    list_.SetCart(settings_.Cart);
    SyncCart();
    list_.Invalidate();
    ApplyLanguageIndex(settings_.PrintUnit);
    ApplyListeningDistance();
    return loaded;
}

TOutcome TSelectionSession::SaveSettings(const std::string& path) {
    return settings_.SaveUser(path);
}

void TSelectionSession::ApplyLanguageIndex(int index) {
    const int applied = ClampLanguageIndex(index);
    settings_.PrintUnit = applied;
    SetTextLanguage(LanguageOfUnitSystem(applied));
    SetScreenUnitSystem(applied);
    SetPrintUnitSystem(applied);
    // Type-group names and the " * alle * " entry follow the text language.
    typeGroups_ = OfferedTypeGroups(catalogue_.LrTyp());
    list_.Refresh();
}

void TSelectionSession::ApplyListeningDistance() const {
    SetListeningDistance(settings_.LpAbstand);
}

TOutcome TSelectionSession::OptionsAccepted(const TRequestInput& input) {
    TakeInput(input);
    ApplyLanguageIndex(settings_.PrintUnit);
    ApplyListeningDistance();
    return Search();
}

TOutcome TSelectionSession::SwitchLanguage(int index, const TRequestInput& input) {
    if (ClampLanguageIndex(index) == settings_.PrintUnit) return {};
    TakeInput(input);
    const std::vector<std::int32_t> marked = list_.MarkedIds();
    ApplyLanguageIndex(index);
    TOutcome searched = Search();
    list_.ApplyMarkIds(marked);
    return searched;
}

// ---- request -----------------------------------------------------------------------------

bool TSelectionSession::TakeRequest(const TAuswahlParam& request) {
    if (request == settings_.Request) return false;
    settings_.Request = request;
    list_.Invalidate();
    return true;
}

void TSelectionSession::SetRequest(const TAuswahlParam& request) {
    TAuswahlParam bounded = request;
    ClampRequest(bounded);
    bounded.DensityNonStd = IsNonStandardDensity(bounded.RequestedDensity);
    TakeRequest(bounded);
}

void TSelectionSession::TakeInput(const TRequestInput& input) {
    TakeRequest(ReadRequestInput(settings_.Request, input, ScreenUnitSystem()));
}

TRequestView TSelectionSession::View() const {
    return ShowRequestView(settings_.Request, ScreenUnitSystem(), angles_, typeGroups_);
}

TOutcome TSelectionSession::InputChanged(ERequestInput which, const TRequestInput& input) {
    if (!Shown()) return {};
    TQuiet quiet(*this); // no second search from within this one
    TAuswahlParam request = ReadRequestInput(settings_.Request, input, ScreenUnitSystem());
    if (which == ERequestInput::SliderMax) {
        // The slider keeps its position within the new range; the speed box follows it.
        request.GivenSpeed = std::min(request.GivenSpeed, static_cast<double>(request.SliderMax));
    }
    const bool manual = request.SearchMode == SearchManualSpeed &&
                        (which == ERequestInput::Speed || which == ERequestInput::SliderMax ||
                         which == ERequestInput::ManualSpeed);
    if (manual) {
        // The manual variation replaces the results at once and marks the remembered fans.
        settings_.Request = request;
        return ManualSearch();
    }
    TakeRequest(request);
    list_.Invalidate(); // also when the input was changed back
    switch (which) {
    case ERequestInput::WidthMin:
    case ERequestInput::WidthMax:
    case ERequestInput::Flow:
    case ERequestInput::Pressure:
    case ERequestInput::Density:
    case ERequestInput::MaxSpeed:
        return {};
    case ERequestInput::Speed:
    case ERequestInput::SliderMax:
        return {};
    default:
        return Search();
    }
}

TOutcome TSelectionSession::DensityAccepted(double density, const TRequestInput& input) {
    TAuswahlParam request = ReadRequestInput(settings_.Request, input, ScreenUnitSystem());
    request.RequestedDensity = TypedDensity(density);
    request.DensityNonStd = IsNonStandardDensity(request.RequestedDensity);
    TakeRequest(request);
    return SearchIfShown();
}

// ---- search ------------------------------------------------------------------------------

void TSelectionSession::SetProgressCallback(TProgressCallback callback) {
    progress_ = std::move(callback);
}

TOutcome TSelectionSession::Search(const TRequestInput& input) {
    TakeInput(input);
    return Search();
}

TOutcome TSelectionSession::Search() {
    return RunSearch(false);
}

TOutcome TSelectionSession::ManualSearch() {
    return RunSearch(true);
}

TOutcome TSelectionSession::SearchIfShown() {
    if (!Shown()) return {};
    TQuiet quiet(*this);
    return Search();
}

TOutcome TSelectionSession::RunSearch(bool restoreMarks) {
    // The manual variation keeps the marked-result memory to mark the same fans again.
    if (!restoreMarks) list_.Invalidate();
    list_.BeginSearch();
    TOutcome outcome;
    try {
        search_->Run(settings_.Request, list_.Cart());
        list_.TakeSearch(search_->Rows(), search_->Request());
    } catch (const std::exception& e) {
        // The rows found before the failure stay, as a finished search would leave them.
        std::vector<TErgebnisZeile> rows = search_->Rows();
        SortResultRows(rows, search_->Request());
        if (rows.size() > TImpellerSearch::kResultCount) rows.resize(TImpellerSearch::kResultCount);
        list_.TakeSearch(std::move(rows), search_->Request());
        outcome = TOutcome::Failure(e.what());
    }
    if (restoreMarks) list_.RestoreMarks();
    return outcome;
}

// ---- results, marks and cart -------------------------------------------------------------

void TSelectionSession::ToggleMark(std::size_t row) {
    list_.ToggleMark(row);
}

void TSelectionSession::BuildCurveSelection(TMessAuswahl& selection) {
    list_.BuildCurveSelection(selection);
}

void TSelectionSession::SyncCart() {
    settings_.Cart = list_.Cart();
}

void TSelectionSession::SetCart(TWarenkorb cart) {
    list_.SetCart(std::move(cart));
    SyncCart();
}

TOutcome TSelectionSession::ToggleCart(std::size_t row) {
    const bool searchAgain = list_.AddOrRemoveCart(row);
    SyncCart();
    return searchAgain ? SearchIfShown() : TOutcome{};
}

TOutcome TSelectionSession::EmptyCart() {
    list_.EmptyCart();
    SyncCart();
    return SearchIfShown();
}

// ---- selection files ---------------------------------------------------------------------

TOutcome TSelectionSession::SaveSelection(const std::string& path, const TRequestInput& input) {
    TakeInput(input);
    return settings_.WriteSelectionFile(path, list_.MarkedIds());
}

TOutcome TSelectionSession::ReadSelection(const std::string& path) {
    TSettings read = settings_;
    if (TOutcome outcome = read.ReadSelectionFile(path); !outcome) return outcome;
    settings_ = std::move(read);
    list_.SetCart(settings_.Cart);
    SyncCart();
    list_.Invalidate();
    ApplyLanguageIndex(settings_.PrintUnit);
    ApplyListeningDistance();
    return {};
}

TOutcome TSelectionSession::OpenSelection(const std::string& path) {
    if (TOutcome read = ReadSelection(path); !read) return read;
    TOutcome searched = Search();
    list_.ApplyMarkIds(ReadSelectionMarks(path));
    return searched;
}

TOutcome TSelectionSession::OpenSelectionMarks(const std::string& path) {
    std::vector<std::int32_t> ids;
    if (TOutcome read = ReadSelectionMarks(path, ids); !read) return read;
    list_.ApplyMarkIds(ids);
    return {};
}

std::string TSelectionSession::QuickSelectionPath() {
    return ProgramFile("corvane.cva");
}

TOutcome TSelectionSession::SaveQuickSelection(const TRequestInput& input) {
    return SaveSelection(QuickSelectionPath(), input);
}

TOutcome TSelectionSession::OpenQuickSelectionMarks() {
    list_.ApplyMarkIds(ReadSelectionMarks(QuickSelectionPath()));
    return {};
}

// ---- start-up ----------------------------------------------------------------------------

std::string TSelectionSession::StartupWarning() const {
    std::string text;
    if (IsNonStandardDensity(settings_.Request.RequestedDensity))
        text = Txt(TextId::NonStdDensityWarning);
    if (ListeningDistance() > 1) {
        if (!text.empty()) text += "\n\n";
        const int units = ScreenUnitSystem();
        const std::string distance =
            FormatQuantity(1, kQuantityDistance, units, ListeningDistance()) + " " +
            UnitLabel(kQuantityDistance, units);
        text += ReplaceAll(Txt(TextId::DistanceWarning), "%s", distance) + "\n" +
                Txt(TextId::DistanceHint);
    }
    return text.empty() ? text : std::string(Txt(TextId::Attention)) + "\n" + text;
}

} // namespace corvane
