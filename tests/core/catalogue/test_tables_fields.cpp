// Field declarations of the impeller, impeller-type, housing and nozzle tables.

#include "catalogue/TMdbDuese.h"
#include "catalogue/TMdbGehaeuse.h"
#include "catalogue/TMdbLaufrad.h"
#include "catalogue/TMdbLrTyp.h"

#include <gtest/gtest.h>

using namespace corvane;

namespace {

// Every keyed field is found by its own key (no key is declared twice), and the slot count
// equals the number of fields that have storage.
void ExpectConsistent(const TMdb& table) {
    int slots = 0;
    for (int i = 1; i <= table.FieldCount(); ++i) {
        const TMdbField& f = table.Field(i);
        if (f.HasSlot()) ++slots;
        if (!f.Key.empty()) {
            EXPECT_EQ(table.FieldByKey(f.Key), i) << table.TableName() << " " << f.Key;
        }
        EXPECT_TRUE(f.ColWidth == 0 || f.ColWidth == -1) << table.TableName() << " field " << i;
    }
    EXPECT_EQ(table.SlotCount(), slots) << table.TableName();
    EXPECT_EQ(table.KeyField(), 1);
}

} // namespace

TEST(TablesFields, CountsIdentitiesAndConsistency) {
    const TMdbLaufrad impellers;
    const TMdbLrTyp types;
    const TMdbGehaeuse housings;
    const TMdbDuese nozzles;
    EXPECT_EQ(impellers.FieldCount(), 73);
    EXPECT_EQ(types.FieldCount(), 7);
    EXPECT_EQ(housings.FieldCount(), 75);
    EXPECT_EQ(nozzles.FieldCount(), 12);
    EXPECT_EQ(impellers.SlotCount(), 69); // four calculated fields
    EXPECT_EQ(housings.SlotCount(), 71);
    EXPECT_EQ(impellers.TableName(), "LAUFRAD");
    EXPECT_EQ(impellers.MdbNo(), 1004u);
    EXPECT_EQ(types.TableName(), "LRTYPE");
    EXPECT_EQ(types.MdbNo(), 1005u);
    EXPECT_EQ(housings.TableName(), "GEHAEUS");
    EXPECT_EQ(housings.MdbNo(), 1002u);
    EXPECT_EQ(nozzles.TableName(), "DUESE");
    EXPECT_EQ(nozzles.MdbNo(), 1011u);
    for (const TMdb* t :
         {static_cast<const TMdb*>(&impellers), static_cast<const TMdb*>(&types),
          static_cast<const TMdb*>(&housings), static_cast<const TMdb*>(&nozzles)}) {
        ExpectConsistent(*t);
    }
}

TEST(TablesFields, SpotCheckedDeclarations) {
    // The constructors refuse a field list out of order; these check the named constants
    // against the keys and captions of their fields.
    const TMdbLaufrad l;
    EXPECT_EQ(l.Field(TMdbLaufrad::F_UEBERST_L2).Key, "UEBERST_L2");
    EXPECT_EQ(l.Field(TMdbLaufrad::F_DUESE).Key, "DUESE");
    EXPECT_EQ(l.Field(TMdbLaufrad::F_ORGBEZ).Caption[0], "OrgBez");
    EXPECT_EQ(l.Field(TMdbLaufrad::F_CALA2).Caption[0], "CalA2");
    EXPECT_EQ(l.Field(TMdbLaufrad::F_INKATALOG).Caption[0], "in Katalog");
    const TMdbField& d2 = l.Field(TMdbLaufrad::F_D2NENN);
    EXPECT_EQ(d2.FieldType, ftInteger);
    EXPECT_EQ(d2.Quantity, 17);
    EXPECT_EQ(d2.Caption[0], "Bez-Typ");
    EXPECT_EQ(d2.LongCaption[0], "Nenndurchmesser");
    EXPECT_EQ(d2.LongCaption[1], "rated diameter D2");
    EXPECT_EQ(d2.Caption[2], "des. type");
    EXPECT_EQ(d2.MaxValue, 2147483648.0f);
    EXPECT_EQ(l.Field(TMdbLaufrad::F_LFRDNR).ColWidth, 0);
    EXPECT_EQ(l.Field(TMdbLaufrad::F_LAUFRADBEZ).FieldType, ftCalcText);
    EXPECT_EQ(l.Field(TMdbLaufrad::F_LAUFRADBEZ).ColWidth, -1);
    EXPECT_EQ(l.Field(TMdbLaufrad::F_LAUFRADBEZ).Caption[1], "wheel no.");
    EXPECT_EQ(l.Field(TMdbLaufrad::F_KRUEMRAD).LongCaption[2], "blade curveture radius");
    EXPECT_EQ(l.Field(TMdbLaufrad::F_EINBHOEHE).Caption[2], "длине элемента");
    EXPECT_EQ(l.Field(TMdbLaufrad::F_NABENGEW).Quantity, 22);
    EXPECT_EQ(l.Field(TMdbLaufrad::F_DUESE).MinValue, -2147483648.0f);
    EXPECT_TRUE(l.Field(TMdbLaufrad::F_ORGBEZ).IsStored());
    EXPECT_EQ(l.Field(TMdbLaufrad::F_CALA0).ColWidth, 0);
    EXPECT_TRUE(l.Field(TMdbLaufrad::F_CALA0).Key.empty());

    const TMdbGehaeuse g;
    const TMdbField& inlet = g.Field(TMdbGehaeuse::F_FLUTIGKEIT);
    EXPECT_EQ(inlet.Caption[1], "suction single/doubl");
    EXPECT_EQ(inlet.LongCaption[2], "suction E=single/D=double");
    EXPECT_EQ(g.Field(TMdbGehaeuse::F_GEHSEFORM).FieldType, ftCode);
    EXPECT_EQ(g.Field(TMdbGehaeuse::F_GEHSEFORM).MinValue, 1.0f);
    EXPECT_EQ(g.Field(TMdbGehaeuse::F_GEHSEFORM).MaxValue, 4.0f);
    EXPECT_EQ(g.Field(TMdbGehaeuse::F_OEFFWKL).Caption[0], "Öffnungswinkel");
    EXPECT_EQ(g.Field(TMdbGehaeuse::F_R).Caption[0], "r");
    EXPECT_EQ(g.Field(TMdbGehaeuse::F_LAUFRADNR).Key, "LAUFRADNR");
    EXPECT_EQ(g.Field(TMdbGehaeuse::F_CALVMIN).Caption[0], "CalVmin");

    const TMdbDuese d;
    EXPECT_EQ(d.Field(TMdbDuese::F_U).LongCaption[1], "axile gap u");
    EXPECT_EQ(d.Field(TMdbDuese::F_U).LongCaption[2], "Cоединение u");
    EXPECT_EQ(d.Field(TMdbDuese::F_T).Width, 2);

    const TMdbLrTyp t;
    EXPECT_EQ(t.Field(TMdbLrTyp::F_INKATALOG).FieldType, ftFloatTransient);
    EXPECT_FALSE(t.Field(TMdbLrTyp::F_INKATALOG).IsStored());
    EXPECT_EQ(t.Field(TMdbLrTyp::F_BESCHR1).Width, 250);
}
