// The "Messwerte" commands as the master-data menu installs them: through the series browser
// the editor may change the points (and offers the series dialog) only where the series table
// is writable, and a series whose points the editor kept is reported even when the editor is
// cancelled.

#include "../../core/acquisition/EditorTestRig.h"
#include "WithModal.h"
#include "acquisition/TMwEditor.h"
#include "settings/TIniFile.h"
#include "ui/mdb/TMasterDataMenu.h"
#include "ui/mdb/TMdbForm.h"
#include "ui/measurements/MeasuredValues.h"
#include "ui/measurements/TMwEditForm.h"

#include <QMenuBar>
#include <QToolButton>
#include <functional>

namespace corvane {
namespace {

using test::WithModal;

class PointsCommands : public test::EditorTestRig {
protected:
    void SetUp() override {
        EditorTestRig::SetUp();
        installation.SimulatedAnalyser = false;
        InstallPointsCommands(menu, catalogue, installation, layouts,
                              [this](std::int32_t seriesNo) { changed.push_back(seriesNo); });
        mw.SetReadOnly(true); // as every catalogue opens it
    }
    // "Messung" > "Messwerte bearbeiten" on the series; `act` gets the editor.
    void EditPoints(const std::function<void(TMwEditForm&)>& act) {
        bool shown = false;
        EXPECT_TRUE(WithModal([&] { menu.Item("MessungMen")->trigger(); },
                              [&](QDialog& browser) {
                                  auto* form = qobject_cast<TMdbForm*>(&browser);
                                  ASSERT_NE(form, nullptr);
                                  WithModal([&] { form->EditRecord(TMdbForm::kEditPointsFlag); },
                                            [&](QDialog& dialog) {
                                                auto* pointsEditor =
                                                    qobject_cast<TMwEditForm*>(&dialog);
                                                ASSERT_NE(pointsEditor, nullptr);
                                                shown = true;
                                                act(*pointsEditor);
                                            });
                              }));
        EXPECT_TRUE(shown);
    }

    QMenuBar bar;
    TIniFile layouts;
    TMasterDataMenu menu{bar, catalogue, layouts, nullptr};
    std::vector<std::int32_t> changed;
};

TEST_F(PointsCommands, EditorChangesPointsWhereTheSeriesMayChangeAndReportsKeptPoints) {
    for (const bool writable : {false, true}) {
        catalogue.Messung().SetReadOnly(!writable);
        EditPoints([&](TMwEditForm& form) {
            EXPECT_EQ(form.Editor().CanChange(), writable) << writable;
            EXPECT_EQ(form.Editor().Mode(), writable ? TMwEditor::Editing : TMwEditor::Idle);
            EXPECT_EQ(form.findChild<QToolButton*>(QStringLiteral("SeriesBtn"))->isEnabled(),
                      writable);
        });
        EXPECT_TRUE(mw.ReadOnly()) << writable; // the points browser stays read-only
    }
    EXPECT_TRUE(changed.empty()); // cancelled without a change

    // Points accepted while measuring are kept at once; cancelling does not take them back.
    EditPoints([&](TMwEditForm&) { catalogue.KeepSeriesPoints(mw); });
    EXPECT_EQ(changed, std::vector<std::int32_t>{kSeries});
}

} // namespace
} // namespace corvane
