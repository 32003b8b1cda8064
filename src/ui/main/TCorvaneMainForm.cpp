#include "ui/main/TCorvaneMainForm.h"

#include "catalogue/TCatalogue.h"
#include "catalogue/TDuplicateKey.h"
#include "i18n/Texts.h"
#include "mdb/EMdbError.h"
#include "mdb/TMdb.h"
#include "selection/TResultList.h"
#include "settings/TSettings.h"
#include "setup/InstallOffer.h"
#include "ui/common/QtText.h"
#include "ui/common/TQtConfirmation.h"
#include "ui/common/TQtUserMessage.h"
#include "ui/common/WindowPlacement.h"
#include "ui/main/ProgramTitle.h"
#include "ui/main/TCurveCommands.h"
#include "ui/main/TIntroForm.h"
#include "ui/main/TMainMenus.h"
#include "ui/main/TRequestPanel.h"
#include "ui/main/TResultContextMenu.h"
#include "ui/main/TResultEnergyDetails.h"
#include "ui/main/TResultGrid.h"
#include "ui/main/TResultGridExport.h"
#include "ui/main/TResultPanel.h"
#include "ui/main/TSpeedPages.h"
#include "ui/main/TStatusLine.h"
#include "util/ProgramFolder.h"
#include "util/TUserMessage.h"

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QShowEvent>
#include <QStatusBar>
#include <QStyle>
#include <QThread>
#include <QToolButton>
#include <QVBoxLayout>
#include <exception>
#include <string>
#include <vector>

namespace corvane {

TCorvaneMainForm::TCorvaneMainForm(TMainFormOptions options, QWidget* parent)
    : QMainWindow(parent), options_(std::move(options)) {
    setObjectName(QStringLiteral("CorvaneMainForm"));
    settingsPath_ = options_.SettingsPath.empty() ? SettingsPath() : options_.SettingsPath;
    if (!options_.OpenUrl)
        options_.OpenUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    confirmation_ = std::make_unique<TQtConfirmation>(this);
    messages_ = std::make_unique<TQtUserMessage>(this);
    catalogue_ = std::make_unique<TCatalogue>();
    catalogue_->SetFolder(ProgramFolder());
    session_ = std::make_unique<TSelectionSession>(*catalogue_);
    BuildWindow();
    Connect();
    AttachWindows();
    // The energy details and the grid export follow the window's signals and context menu.
    new TResultEnergyDetails(*this);
    new TResultGridExport(*this);
    TIntroForm::ProgressStep();
    LoadSettings();
    TIntroForm::ProgressStep();
    LoadDataFile();
    TakeCommandLine();
    ++session_->EditOptions().Naufruf;
    // The program ends after a data error, once the message loop runs and the window was
    // shown on what could be read (exit, not quit: the windows are not closed, so no
    // placement is stored). Outside a message loop the request is dropped: there an exit
    // would end the next dialog at once.
    if (dataError_)
        QMetaObject::invokeMethod(
            qApp,
            [] {
                if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::exit(0);
            },
            Qt::QueuedConnection);
}

TCorvaneMainForm::~TCorvaneMainForm() {
    session_->SetProgressCallback({});
    curves_.reset(); // windows still open store their settings first
    if (everShown_) {
        const TOutcome saved = session_->SaveSettings(settingsPath_);
        if (!saved) TUserMessage::Post(saved.Message());
    }
}

void TCorvaneMainForm::BuildWindow() {
    menus_ = new TMainMenus(*menuBar());
    auto* central = new QWidget(this);
    requestPanel_ = new TRequestPanel(central);
    resultPanel_ = new TResultPanel(session_->Results(), central);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(requestPanel_);
    layout->addWidget(BuildButtonBar());
    layout->addWidget(resultPanel_, 1);
    setCentralWidget(central);
    statusLine_ = new TStatusLine(this);
    statusBar()->addWidget(statusLine_, 1);
    statusBar()->setSizeGripEnabled(true);
    contextMenu_ = new TResultContextMenu(this);
    setMinimumSize(640, 480);
    resize(1100, 760);
}

QWidget* TCorvaneMainForm::BuildButtonBar() {
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("ButtonPanel"));
    buttonBar_ = new QHBoxLayout(bar);
    buttonBar_->setContentsMargins(6, 2, 6, 2);
    suchBtn_ = new QPushButton(bar);
    suchBtn_->setObjectName(QStringLiteral("SuchBtn"));
    suchBtn_->setDefault(true);
    QFont bold = suchBtn_->font();
    bold.setBold(true);
    suchBtn_->setFont(bold);
    buttonBar_->addWidget(suchBtn_);
    buttonBar_->addStretch();
    saveBtn_ = new QToolButton(bar);
    saveBtn_->setObjectName(QStringLiteral("SaveBtn"));
    saveBtn_->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    loadSelBtn_ = new QToolButton(bar);
    loadSelBtn_->setObjectName(QStringLiteral("LoadSelBtn"));
    loadSelBtn_->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    buttonBar_->addWidget(saveBtn_);
    buttonBar_->addWidget(loadSelBtn_);
    helpBtn_ = new QPushButton(bar);
    helpBtn_->setObjectName(QStringLiteral("HelpBtn"));
    buttonBar_->addSpacing(12);
    buttonBar_->addWidget(helpBtn_);
    return bar;
}

void TCorvaneMainForm::AddButton(QAbstractButton* button) {
    // New buttons line up after the search button, before the stretch.
    const int stretch = buttonBar_->indexOf(suchBtn_) + 1;
    int position = stretch;
    while (position < buttonBar_->count() && buttonBar_->itemAt(position)->widget() != nullptr)
        ++position;
    button->setParent(buttonBar_->parentWidget());
    buttonBar_->insertWidget(position, button);
}

void TCorvaneMainForm::Connect() {
    connect(suchBtn_, &QPushButton::clicked, this, &TCorvaneMainForm::SearchClicked);
    connect(saveBtn_, &QToolButton::clicked, this, &TCorvaneMainForm::SaveQuickSelection);
    connect(loadSelBtn_, &QToolButton::clicked, this, &TCorvaneMainForm::OpenQuickSelectionMarks);
    connect(menus_->LoadAction(), &QAction::triggered, this, &TCorvaneMainForm::OpenSelection);
    connect(menus_->LoadMarksAction(), &QAction::triggered, this, [this] {
        const QString file = ChooseFile(selectionFile_, false);
        if (file.isEmpty()) return;
        Report(session_->OpenSelectionMarks(ToUtf8(file)));
    });
    connect(menus_->SaveAction(), &QAction::triggered, this, &TCorvaneMainForm::SaveSelection);
    connect(menus_->ExitAction(), &QAction::triggered, this, &QWidget::close);
    connect(menus_->OptionsAction(), &QAction::triggered, this, &TCorvaneMainForm::EditOptions);
    connect(menus_->InstallAction(), &QAction::triggered, this, &TCorvaneMainForm::Install);
    connect(menus_->ManualAction(), &QAction::triggered, this, &TCorvaneMainForm::ShowManual);
    connect(helpBtn_, &QPushButton::clicked, this, &TCorvaneMainForm::ShowManual);
    connect(menus_->AboutAction(), &QAction::triggered, this, &TCorvaneMainForm::ShowAbout);
    connect(menus_, &TMainMenus::languageChosen, this, &TCorvaneMainForm::ChooseLanguage);
    connect(requestPanel_, &TRequestPanel::inputChanged, this, &TCorvaneMainForm::InputChanged);
    connect(requestPanel_, &TRequestPanel::densityDialogRequested, this,
            &TCorvaneMainForm::EditDensity);
    connect(requestPanel_, &TRequestPanel::emptyCartRequested, this, &TCorvaneMainForm::EmptyCart);
    connect(resultPanel_, &TResultPanel::sortChosen, this,
            [this] { InputChanged(ERequestInput::SortKey); });
    TResultGrid* grid = resultPanel_->Grid();
    connect(grid, &TResultGrid::markToggleRequested, this, &TCorvaneMainForm::ToggleChartMark);
    connect(grid, &TResultGrid::contextMenuRequested, this, &TCorvaneMainForm::ShowContextMenu);
    connect(contextMenu_, &TResultContextMenu::markToggled, this,
            [this] { ToggleChartMark(contextRow_); });
    connect(contextMenu_, &TResultContextMenu::cartChosen, this,
            [this] { ToggleCart(contextRow_); });
    connect(contextMenu_, &TResultContextMenu::dataSheetChosen, this,
            &TCorvaneMainForm::OpenDataSheet);
    connect(contextMenu_, &TResultContextMenu::pictureChosen, this, &TCorvaneMainForm::ShowPicture);
}

void TCorvaneMainForm::LoadSettings() {
    const TOutcome loaded = session_->LoadSettings(settingsPath_);
    if (!loaded) TUserMessage::Post(loaded.Message());
    selectionFile_ = ToQString(RestoreWindowPlacement(session_->Options().Store, *this));
}

void TCorvaneMainForm::LoadDataFile() {
    const std::string path =
        options_.DataFile.empty() ? ProgramFile("Corvane.mem") : options_.DataFile;
    // The splash gauge advances after each table from the pictures up to the orders.
    catalogue_->SetTableReadHook([](int position) {
        if (position >= 2 && position < TCatalogue::kTableCount) TIntroForm::ProgressStep();
    });
    try {
        catalogue_->Open(path);
    } catch (const std::exception& error) {
        dataError_ = true;
        TUserMessage::Post(std::string(corvane::Txt(TextId::DataError)) + error.what());
    }
    catalogue_->SetTableReadHook({});
    session_->CatalogueChanged();
    TIntroForm::ProgressStep();
}

void TCorvaneMainForm::TakeCommandLine() {
    // "CHECKINST" installs on the first start only, "INSTALL" on every start; both offer the
    // installation in the file menu.
    std::vector<std::string> words{"corvane"};
    for (const QString& argument : options_.Arguments)
        words.push_back(ToUtf8(argument));
    std::vector<const char*> argv;
    for (const std::string& word : words)
        argv.push_back(word.c_str());
    install_ = TInstallOffer::FromArguments(static_cast<int>(argv.size()), argv.data(),
                                            session_->Options().Naufruf);
    menus_->InstallAction()->setVisible(install_.ShowMenu);
}

void TCorvaneMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous() && !everShown_) FormShow();
    session_->SetProgressCallback([this](double fraction) { statusLine_->SetProgress(fraction); });
}

void TCorvaneMainForm::FormShow() {
    // The catalogue is browsed, never edited, in this program.
    for (int i = 1; i <= TCatalogue::kTableCount; ++i)
        if (TMdb* table = catalogue_->TableInFileOrder(i)) table->SetReadOnly(true);
    ApplyLanguage();
    resultPanel_->ApplyRowHeight();
    RefreshResults();
    session_->SetShown(true);
    everShown_ = true;
    if (install_.AutoInstall)
        QMetaObject::invokeMethod(this, &TCorvaneMainForm::Install, Qt::QueuedConnection);
    QMetaObject::invokeMethod(this, &TCorvaneMainForm::ShowStartupWarning, Qt::QueuedConnection);
}

void TCorvaneMainForm::ShowStartupWarning() {
    const std::string warning = session_->StartupWarning();
    if (!warning.empty()) TUserMessage::Post(warning);
    // Records dropped for a key read twice are named once, so a damaged catalogue is noticed.
    const std::string duplicates = DuplicateKeysWarning(catalogue_->DuplicateKeys());
    if (!duplicates.empty()) TUserMessage::Post(duplicates);
}

void TCorvaneMainForm::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    if (event->spontaneous()) return;
    session_->SetProgressCallback({});
    Q_EMIT mainWindowHidden();
}

void TCorvaneMainForm::closeEvent(QCloseEvent* event) {
    SaveWindowPlacement(session_->EditOptions().Store, *this, ToUtf8(selectionFile_));
    QMainWindow::closeEvent(event);
}

QMenu* TCorvaneMainForm::FileMenu() const {
    return menus_->FileMenu();
}
QMenu* TCorvaneMainForm::MasterDataMenu() const {
    return menus_->MasterDataMenu();
}
QMenu* TCorvaneMainForm::SettingsMenu() const {
    return menus_->SettingsMenu();
}
QMenu* TCorvaneMainForm::HelpMenu() const {
    return menus_->HelpMenu();
}

void TCorvaneMainForm::NotifyFontChanged() {
    Q_EMIT fontChanged();
}

int TCorvaneMainForm::SelectedRow() const {
    return resultPanel_->Grid()->SelectedRow();
}

QString TCorvaneMainForm::ChooseFile(const QString& preset, bool save) {
    if (options_.ChooseFile) return options_.ChooseFile(this, preset, save);
    const QString filter = QStringLiteral("CVA (*.cva)");
    if (!save) return QFileDialog::getOpenFileName(this, QString(), preset, filter);
    QFileDialog dialog(this, QString(), preset, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("cva"));
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
               ? dialog.selectedFiles().first()
               : QString();
}

} // namespace corvane
