#pragma once

#include "../../core/model/CurveTestCatalogue.h"
#include "ProcessStateGuard.h"
#include "i18n/Language.h"
#include "model/TMessAuswahl.h"
#include "render/curves/CurveDiagram.h"
#include "settings/TSettings.h"
#include "ui/curves/TCurvePanel.h"
#include "ui/curves/TCurveWindows.h"
#include "ui/curves/TKennlForm.h"

#include <QMenu>
#include <QTest>
#include <memory>

namespace corvane::test {

// Two series in the selection, the duty point 3000 m³/h at 700 Pa, default settings, and the
// curve windows over them. Menus do not open: the runner triggers the action named in
// `menuChoice` and records what the menu offered.
struct TCurveWindowFixture {
    TProcessStateGuard processState; // language and unit systems return when the test ends
    TCurveTestCatalogue tc;
    TMessAuswahl selection{tc.cat};
    TSettings settings;
    std::unique_ptr<TCurveWindows> windows;
    QString menuChoice;
    QStringList menuOffered; // object names of the visible actions of the last menu

    TCurveWindowFixture() {
        SetTextLanguage(0);
        SetScreenUnitSystem(0);
        SetPrintUnitSystem(0);
        tc.AddTwoFans();
        selection.AddSeries(1, 1, 0, 0, 0, 0);
        selection.AddSeries(2, 2, 0, 0, 0, 0);
        selection.SetRequest(3000, 700, 10, 0);
        settings.FontName = "DejaVu Sans";
        windows = std::make_unique<TCurveWindows>(TCurveWindowContext{tc.cat, selection, settings});
    }

    // Opens a window sized 800 × 600 and waits until it is shown, with the menu runner set.
    TKennlForm* Open(int index) {
        TKennlForm* form = windows->Open(index);
        form->resize(800, 600);
        form->SetPopupRunner([this](QMenu& menu, QPoint) {
            menuOffered.clear();
            for (QAction* action : menu.actions())
                if (action->isVisible() && !action->isSeparator())
                    menuOffered << action->objectName();
            for (QAction* action : menu.actions())
                if (action->objectName() == menuChoice) action->trigger();
        });
        if (!QTest::qWaitForWindowExposed(form)) return form;
        QCoreApplication::processEvents();
        return form;
    }

    // Pixel of a world point on the form's diagram.
    static QPoint At(TKennlForm* form, double x, double y) {
        return form->Panel()->Layout().Diagram.Pixel(x, y);
    }

    void RightClick(TKennlForm* form, QPoint pixel, const QString& choice) {
        menuChoice = choice;
        QTest::mouseClick(form->Panel(), Qt::RightButton, {}, pixel);
        menuChoice.clear();
    }
};

} // namespace corvane::test
