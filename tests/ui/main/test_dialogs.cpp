// The density and options dialogs driven as a user: typed values, buttons, remembered values.
#include "i18n/Language.h"
#include "i18n/LanguageTable.h"
#include "settings/TIniFile.h"
#include "settings/TSettings.h"
#include "ui/main/TOptForm.h"
#include "ui/main/TRhoForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace corvane;

namespace {

// Unit system and language for one test, restored afterwards.
struct TUnitScope {
    explicit TUnitScope(int system) {
        SetScreenUnitSystem(system);
        SetTextLanguage(LanguageOfUnitSystem(system));
    }
    ~TUnitScope() {
        SetScreenUnitSystem(0);
        SetTextLanguage(0);
    }
};

void Type(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

} // namespace

TEST(RhoForm, PressureAndTemperatureGiveDensityAndAreRemembered) {
    TUnitScope units(0);
    TIniFile store;
    {
        TRhoForm form(store, 1.2);
        EXPECT_EQ(form.DensityEdit()->text(), QStringLiteral("1.200"));
        EXPECT_TRUE(form.PressureEdit()->text().isEmpty());
        Type(form.PressureEdit(), QStringLiteral("101300"));
        Type(form.TemperatureEdit(), QStringLiteral("20"));
        EXPECT_EQ(form.DensityEdit()->text(), QStringLiteral("1.205"));
        QTest::mouseClick(form.OkButton(), Qt::LeftButton);
        EXPECT_EQ(form.result(), QDialog::Accepted);
        EXPECT_DOUBLE_EQ(form.Density(), 1.205);
    }
    EXPECT_EQ(store.ReadString("WinSize", "TRhoForm_A", ""), "20 101300");
    // Reopened: the remembered values are shown; OK without a change is a cancel.
    TRhoForm again(store, 1.3);
    EXPECT_EQ(again.PressureEdit()->text(), QStringLiteral("101300"));
    EXPECT_EQ(again.TemperatureEdit()->text(), QStringLiteral("20"));
    EXPECT_EQ(again.DensityEdit()->text(), QStringLiteral("1.300"));
    QTest::mouseClick(again.OkButton(), Qt::LeftButton);
    EXPECT_EQ(again.result(), QDialog::Rejected);
}

TEST(RhoForm, TypedDensityStandardButtonAndImperialUnits) {
    TUnitScope units(4); // lb/ft³, lbf/ft², °F
    TIniFile store;
    TRhoForm form(store, 1.205);
    EXPECT_EQ(form.DensityEdit()->text(), QStringLiteral("0.0752"));
    Type(form.PressureEdit(), QStringLiteral("2000")); // 95760 Pa
    Type(form.TemperatureEdit(), QStringLiteral("32"));
    EXPECT_DOUBLE_EQ(form.Density(), 1.222);           // 95760.5 / (273 * 287)
    Type(form.DensityEdit(), QStringLiteral("0,001")); // below the minimum
    EXPECT_DOUBLE_EQ(form.Density(), 0.1);
    EXPECT_TRUE(form.PressureEdit()->text().isEmpty());
    EXPECT_TRUE(form.TemperatureEdit()->text().isEmpty());
    QTest::mouseClick(form.StandardDensityButton(), Qt::LeftButton);
    EXPECT_DOUBLE_EQ(form.Density(), 1.205); // exactly, although shown rounded in lb/ft³
    EXPECT_EQ(form.DensityEdit()->text(), QStringLiteral("0.0752"));
    EXPECT_TRUE(form.Modified());
}

TEST(OptForm, DistanceSwitchMinimumAndCancel) {
    TUnitScope units(0);
    TSettings settings;
    settings.LpAbstand = -1;
    settings.PolynomGrad = 6;
    {
        TOptForm form(settings);
        EXPECT_FALSE(form.LpAbstandBox()->isChecked());
        EXPECT_EQ(form.LpAbstandEdit()->text(), QStringLiteral("1.0"));
        EXPECT_EQ(form.DistLabel()->text(),
                  QStringLiteral("neuer Abstand für Schallpegel [>1.0 m]"));
        EXPECT_EQ(form.UnitCombo()->count(), OfferedLanguageEntries());
        EXPECT_EQ(form.PolyCombo()->currentText(), QStringLiteral("5. Grad")); // six coefficients
        form.LpAbstandBox()->setChecked(true);
        Type(form.LpAbstandEdit(), QStringLiteral("0.5"));
        form.BearbEdit()->setText(QStringLiteral("Jörg"));
        form.PolyCombo()->setCurrentIndex(11);
        form.PunkteBox()->setChecked(false);
        form.UnitCombo()->setCurrentIndex(3);
        QTest::mouseClick(form.OkButton(), Qt::LeftButton);
        EXPECT_EQ(form.result(), QDialog::Accepted);
    }
    EXPECT_FLOAT_EQ(settings.LpAbstand, 1.0f);
    EXPECT_EQ(settings.Bearbeiter, "Jörg");
    EXPECT_EQ(settings.PolynomGrad, 11);
    EXPECT_EQ(settings.PolynomPunkte, 0);
    EXPECT_EQ(settings.PrintUnit, 3);
    EXPECT_TRUE(settings.Store.ValueExists("WinSize", "TOptForm_L"));

    {
        TOptForm form(settings);
        Type(form.LpAbstandEdit(), QStringLiteral("3"));
        form.LpAbstandBox()->setChecked(false);
        QTest::mouseClick(form.OkButton(), Qt::LeftButton);
    }
    EXPECT_FLOAT_EQ(settings.LpAbstand, -3.0f);
    {
        TOptForm form(settings);
        EXPECT_EQ(form.LpAbstandEdit()->text(), QStringLiteral("3.0"));
        EXPECT_FALSE(form.LpAbstandBox()->isChecked());
        Type(form.BearbEdit(), QStringLiteral("changed"));
        QTest::mouseClick(form.CancelButton(), Qt::LeftButton);
        EXPECT_EQ(form.result(), QDialog::Rejected);
    }
    EXPECT_EQ(settings.Bearbeiter, "Jörg");
}

TEST(OptForm, DistanceInFeet) {
    TUnitScope units(5);
    TSettings settings;
    settings.LpAbstand = 2.0f;
    TOptForm form(settings);
    EXPECT_TRUE(form.LpAbstandBox()->isChecked());
    EXPECT_EQ(form.LpAbstandEdit()->text(), QStringLiteral("6.6"));
    EXPECT_EQ(form.DistLabel()->text(), QStringLiteral("new sound level distance [>3.3 ft]"));
    Type(form.LpAbstandEdit(), QStringLiteral("10"));
    QTest::mouseClick(form.OkButton(), Qt::LeftButton);
    EXPECT_NEAR(settings.LpAbstand, 3.048f, 1e-4);
}
