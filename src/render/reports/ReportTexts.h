#pragma once

#include <QString>

namespace corvane {

// Texts of the evaluation pages, the evaluation window and the map settings dialog.
enum class ERep {
    // Page frame and diagram header
    FooterDensity,
    FooterSound,
    FooterChanged,
    FooterPlain,
    LegendImpeller,
    LegendHousing,
    LegendSeries,
    LegendD2,
    LegendSpeed,
    LegendDensity,
    HeaderHint,
    // Whole pages
    ListTitle,
    SelectedPointsTitle,
    ParabolaPointsTitle,
    CoverTitle,
    CoverSeries,
    CoverImpeller,
    CoverHousing,
    CoverMotor,
    CoverOrder,
    MapTitle,
    MapEfficiency,
    MapPower,
    SoundFreeField1,
    SoundFreeField2,
    SoundReverb1,
    SoundReverb2,
    SoundDistance,
    SoundFreeFieldTitle,
    SoundReverbTitle,
    SoundBandsTitle,
    SoundFrequency,
    SoundAWeighted,
    SoundUnweighted,
    SoundMicrophone,
    SoundAtFlow,
    DataSheetMissing,
    // Page menu
    FeldMen,
    DbaMicMen,
    ParabMen,
    DbaBetrMen,
    DbaVolMen,
    AnzMen,
    DeckMen,
    PdfMen,
    ListeMen,
    AddMen,
    AuswVolMen,
    AuswPhiMen,
    DelAuswMen,
    DelSeiteMen,
    KfeldMen,
    BemerkungMen,
    CopyMen,
    // Evaluation window
    LayoutLabel,
    HinweisLabel,
    SeiteLabel,
    ZoomBtn0,
    ZoomBtn1,
    ZoomBtn2,
    DruckBtn,
    ExitAuswBtn,
    CancelBtn,
    BusyRefusal,
    // Map settings dialog
    KfeldTitle,
    EtaMin0Label,
    EtaMin1Label,
    EtaStepLabel,
    NReiheLabel,
    NMinLabel,
    NMaxLabel,
    NBetrLabel,
    ReihePLabel,
    DbStepLabel,
    PolyItem,
    PolyGroupSpeed,
    PolyGroupPower,
    PolyGroupSound,
    OkBtn,
    Count
};

// The text in the current text language.
QString RepText(ERep id);
// The text in language 0 German, 1 English, 2 Russian (clamped).
QString RepText(ERep id, int language);

} // namespace corvane
