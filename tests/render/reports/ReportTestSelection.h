#pragma once

#include "../../core/model/CurveTestCatalogue.h"
#include "i18n/Language.h"
#include "physics/ListeningDistance.h"
#include "model/TMessAuswahl.h"
#include "render/reports/TReportBuilder.h"
#include "settings/TSettings.h"

#include <QString>
#include <ostream>

// Texts in test messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace corvane::test {

// Two series of the curve test catalogue with sound readings in the selection: every level
// rises with the flow (40 dB at 0 m³/h, 1 dB per 100 m³/h), except the 63 Hz band at 9.9 dB
// and the 125 Hz band at 10.0 dB. The duty point is 3000 m³/h at 700 Pa.
struct TReportTestSelection {
    TCurveTestCatalogue tc;
    TMessAuswahl selection{tc.cat};
    TSettings settings;

    TReportTestSelection() {
        SetTextLanguage(0);
        SetScreenUnitSystem(0);
        SetPrintUnitSystem(0);
        SetListeningDistance(-1);
        tc.AddTwoFans();
        tc.cat.SetSeriesPointSource([this](std::int32_t no, TMdbMw& table) {
            std::int32_t pointNo = 0;
            for (const TRawPoint& raw : tc.points[no]) {
                TMdbRecord* p = table.NewRecord();
                table.SetInt(p, TMdbMw::F_MESSNR, no);
                table.SetInt(p, TMdbMw::F_MWNR, ++pointNo);
                table.SetFloat(p, TMdbMw::F_PB, 1013);
                table.SetFloat(p, TMdbMw::F_RT, 20);
                table.SetFloat(p, TMdbMw::F_RF, 0);
                table.SetFloat(p, TMdbMw::F_N, 1450);
                table.SetFloat(p, TMdbMw::F_V, raw.Flow);
                table.SetFloat(p, TMdbMw::F_PK, raw.Chamber);
                table.SetFloat(p, TMdbMw::F_M, raw.Torque);
                const float level = 40 + raw.Flow / 100;
                for (int f = TMdbMw::F_LP; f <= TMdbMw::F_LP_10K; ++f)
                    table.SetFloat(p, f, level);
                table.SetFloat(p, TMdbMw::F_LP_63, 9.9f);
                table.SetFloat(p, TMdbMw::F_LP_125, 10.0f);
            }
        });
        selection.AddSeries(1, 1, 0, 0, 0, 0);
        selection.AddSeries(2, 2, 0, 0, 0, 0);
        selection.SetRequest(3000, 700, 10, 0);
        settings.FontName = "DejaVu Sans";
    }

    TReportBuilder Builder(bool selectionMode = true) {
        TReportSource source{tc.cat, selection, settings};
        source.SelectionMode = selectionMode;
        return TReportBuilder(source);
    }

    // Sets the test rig of a series (3: reverberation room).
    void SetRig(std::int32_t series, std::int32_t rig) {
        TMdbMessung& table = tc.cat.Messung();
        table.SetInt(table.FindByKey(series), TMdbMessung::F_PRUEFSTAND, rig);
    }
};

// A layout page of the given codes.
inline TLayoutPage Page(std::array<std::int32_t, 4> slots, std::string remark = {}) {
    TLayoutPage page;
    page.Slots = slots;
    page.Remark = std::move(remark);
    return page;
}

} // namespace corvane::test
