#include "ui/main/TMainMenus.h"

#include "i18n/LanguageTable.h"
#include "i18n/Texts.h"
#include "ui/common/QtText.h"

#include <QActionGroup>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>

namespace corvane {

TMainMenus::TMainMenus(QMenuBar& bar) : QObject(&bar) {
    fileMenu_ = AddMenu(bar, "FileMenu");
    instMen_ = AddAction(fileMenu_, "InstMen");
    instMen_->setVisible(false); // offered by the command line only
    loadMen_ = AddAction(fileMenu_, "LoadMen");
    loadSelMen_ = AddAction(fileMenu_, "LoadSelMen");
    loadSelMen_->setVisible(false); // offered through its button only
    saveMen_ = AddAction(fileMenu_, "SaveMen");
    fileMenu_->addSeparator();
    exitMen_ = AddAction(fileMenu_, "ExitMen");
    stammMenu_ = AddMenu(bar, "StammMen");
    einstMenu_ = AddMenu(bar, "EinstMen");
    optMen_ = AddAction(einstMenu_, "OptMen");
    langMenu_ = AddMenu(bar, "LangMen");
    auto* group = new QActionGroup(this);
    for (int i = 0; i < OfferedLanguageEntries(); ++i) {
        QAction* entry = langMenu_->addAction(ToQString(LanguageEntry(i).MenuText));
        entry->setObjectName(QStringLiteral("LangMen%1").arg(i));
        entry->setData(i); // the tag: the language/unit index
        entry->setCheckable(true);
        group->addAction(entry);
        connect(entry, &QAction::triggered, this, [this, i] { Q_EMIT languageChosen(i); });
        languages_.push_back(entry);
    }
    helpMenu_ = AddMenu(bar, "HelpMen");
    anleitungMen_ = AddAction(helpMenu_, "AnleitungMen");
    aboutMen_ = AddAction(helpMenu_, "AboutMen");
    for (QMenu* menu : {fileMenu_, stammMenu_, einstMenu_, langMenu_, helpMenu_})
        UpdateVisibility(menu);
}

QMenu* TMainMenus::AddMenu(QMenuBar& bar, const char* name) {
    QMenu* menu = bar.addMenu(QString());
    menu->setObjectName(QLatin1String(name));
    menu->installEventFilter(this);
    return menu;
}

QAction* TMainMenus::AddAction(QMenu* menu, const char* name) {
    QAction* action = menu->addAction(QString());
    action->setObjectName(QLatin1String(name));
    return action;
}

QAction* TMainMenus::LanguageAction(int index) const {
    return index >= 0 && index < languages_.size() ? languages_[index] : nullptr;
}

void TMainMenus::ApplyTexts(int languageIndex) {
    fileMenu_->setTitle(QTxt(TextId::FileMenu));
    instMen_->setText(QTxt(TextId::InstMen));
    loadMen_->setText(QTxt(TextId::LoadMen));
    loadSelMen_->setText(QTxt(TextId::LoadSelMen));
    saveMen_->setText(QTxt(TextId::SaveMen));
    exitMen_->setText(QTxt(TextId::ExitMen));
    stammMenu_->setTitle(QTxt(TextId::StammMen));
    einstMenu_->setTitle(QTxt(TextId::EinstMen));
    optMen_->setText(QTxt(TextId::OptMen));
    langMenu_->setTitle(QTxt(TextId::LangMen));
    helpMenu_->setTitle(QTxt(TextId::HelpMen));
    anleitungMen_->setText(QTxt(TextId::AnleitungMen));
    aboutMen_->setText(QTxt(TextId::AboutMen));
    for (QAction* entry : languages_)
        entry->setChecked(entry->data().toInt() == languageIndex);
}

bool TMainMenus::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ActionAdded:
    case QEvent::ActionRemoved:
    case QEvent::ActionChanged:
        if (auto* menu = qobject_cast<QMenu*>(watched)) UpdateVisibility(menu);
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void TMainMenus::UpdateVisibility(QMenu* menu) {
    bool any = false;
    for (const QAction* action : menu->actions())
        any = any || (action->isVisible() && !action->isSeparator());
    menu->menuAction()->setVisible(any);
}

} // namespace corvane
