#include "ui/mdb/TMasterDataMenu.h"

#include "catalogue/TCatalogue.h"
#include "catalogue/TMdbAuftrag.h"
#include "catalogue/TMdbBild.h"
#include "catalogue/TMdbDuese.h"
#include "catalogue/TMdbGehaeuse.h"
#include "catalogue/TMdbKunde.h"
#include "catalogue/TMdbLaufrad.h"
#include "catalogue/TMdbLrTyp.h"
#include "catalogue/TMdbMotor.h"
#include "catalogue/TMdbTexte.h"
#include "i18n/Texts.h"
#include "mdb/EMdbError.h"
#include "mdb/TMessage.h"
#include "measurements/TMdbMessung.h"
#include "model/TCatalogueStore.h"
#include "ui/common/QtText.h"
#include "ui/mdb/TMdbForm.h"

#include <QMenu>
#include <QMenuBar>
#include <functional>

namespace corvane {

namespace {

struct TItem {
    const char* Name;
    TextId Text;
    bool Visible;
};

// In menu order.
const TItem kItems[] = {
    {"KundeMen", TextId::KundeMen, false},    {"AuftragMen", TextId::AuftragMen, false},
    {"MotorMen", TextId::MotorMen, true},     {"GehMen", TextId::GehMen, true},
    {"TexteMen", TextId::TexteMen, true},     {"LrTypenMen", TextId::LrTypenMen, true},
    {"DueseMen", TextId::DueseMen, true},     {"LaufradMen", TextId::LaufradMen, true},
    {"MessungMen", TextId::MessungMen, true}, {"BildMen", TextId::BildMen, true},
};

} // namespace

TMasterDataMenu::TMasterDataMenu(QMenuBar& bar, TCatalogue& catalogue, TIniFile& settings,
                                 QWidget* owner)
    : TMasterDataMenu(*bar.addMenu(QTxt(TextId::StammMen)), catalogue, settings, owner) {}

TMasterDataMenu::TMasterDataMenu(QMenu& menu, TCatalogue& catalogue, TIniFile& settings,
                                 QWidget* owner)
    : QObject(&menu), catalogue_(catalogue), settings_(settings), owner_(owner), menu_(&menu) {
    menu_->setObjectName(QStringLiteral("StammMen"));
    using TOpen = std::function<void()>;
    const TOpen opens[] = {
        [this] { Open(catalogue_.Kunde(), nullptr); },
        [this] { Open(catalogue_.Auftrag(), nullptr); },
        [this] { Open(catalogue_.Motor(), nullptr); },
        [this] { Open(catalogue_.Gehaeuse(), nullptr); },
        [this] { Open(catalogue_.Texte(), nullptr); },
        [this] { Open(catalogue_.LrTyp(), nullptr); },
        [this] { Open(catalogue_.Duese(), nullptr); },
        [this] { Open(catalogue_.Laufrad(), &LastImpeller()); },
        [this] { Open(catalogue_.Messung(), &LastSeries()); },
        [this] { Open(catalogue_.Bild(), nullptr); },
    };
    for (std::size_t i = 0; i < std::size(kItems); ++i) {
        QAction* action = menu_->addAction(QTxt(kItems[i].Text));
        action->setObjectName(QString::fromLatin1(kItems[i].Name));
        action->setVisible(kItems[i].Visible);
        connect(action, &QAction::triggered, this, opens[i]);
    }
}

void TMasterDataMenu::AttachStore(TCatalogueStore& store) {
    store_ = &store;
    QAction* save = Item("SpeichernMen");
    if (save == nullptr) {
        menu_->addSeparator()->setObjectName(QStringLiteral("SpeichernSep"));
        save = menu_->addAction(QTxt(TextId::DateiSpeichernMen));
        save->setObjectName(QStringLiteral("SpeichernMen"));
        connect(save, &QAction::triggered, this, &TMasterDataMenu::SaveDataFile);
    }
    const bool visible = store.Mode() == TCatalogueStore::TMode::File;
    save->setVisible(visible);
    Item("SpeichernSep")->setVisible(visible);
}

void TMasterDataMenu::ApplyLanguage() {
    menu_->setTitle(QTxt(TextId::StammMen));
    for (const TItem& item : kItems)
        Item(item.Name)->setText(QTxt(item.Text));
    if (QAction* save = Item("SpeichernMen"); save != nullptr)
        save->setText(QTxt(TextId::DateiSpeichernMen));
}

// A failed save names its cause; the previous data file stays and the changes stay unsaved.
void TMasterDataMenu::SaveDataFile() {
    if (store_ == nullptr) return;
    try {
        store_->SaveDataFile();
    } catch (const EMdbError& e) {
        TMessage::Post(e.what());
    }
}

QAction* TMasterDataMenu::Item(const char* name) const {
    const QString wanted = QString::fromLatin1(name);
    for (QAction* action : menu_->actions())
        if (action->objectName() == wanted) return action;
    return nullptr;
}

std::int32_t& TMasterDataMenu::LastImpeller() {
    static std::int32_t key = 0;
    return key;
}

std::int32_t& TMasterDataMenu::LastSeries() {
    static std::int32_t key = 0;
    return key;
}

void TMasterDataMenu::Open(TMdb& table, std::int32_t* remembered) {
    TMdbForm form(table, remembered != nullptr ? *remembered : 0, settings_, owner_);
    if (&table == &catalogue_.Messung()) form.SetPointsHandler(pointsHandler_);
    form.exec();
    if (remembered != nullptr) *remembered = form.CurrentKey();
}

} // namespace corvane
