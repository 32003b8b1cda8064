#include "ui/setup/TInstallForm.h"

#include "i18n/Language.h"
#include "i18n/LanguageTable.h"
#include "i18n/Texts.h"
#include "setup/SetupNames.h"
#include "util/ProgramFolder.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace corvane {

namespace {

QString Text(TextId id) {
    return QString::fromUtf8(Txt(id));
}

QLabel* FixedLabel(const char* utf8, QWidget* parent) {
    return new QLabel(QString::fromUtf8(utf8), parent);
}

} // namespace

TInstallForm::TInstallForm(TInstallSource source, TUserFolders user, int languageIndex,
                           QWidget* parent)
    : QDialog(parent), m_source(std::move(source)), m_user(std::move(user)),
      m_languageIndex(ClampLanguageIndex(languageIndex)) {
    setObjectName(QStringLiteral("TInstallForm"));
    setWindowIcon(QIcon(QString::fromStdString(ProgramFile(kIconFileName))));
    setMinimumWidth(540);
    m_zielLabel = new QLabel(this);
    m_zielEdit = new QLineEdit(QString::fromStdString(DefaultInstallFolder()), this);
    m_zielEdit->setObjectName(QStringLiteral("ZielEdit"));
    m_zielEdit->setMinimumWidth(360);
    m_zielLabel->setBuddy(m_zielEdit);
    m_zielButton = new QToolButton(this);
    m_zielButton->setObjectName(QStringLiteral("ZielBtn"));
    m_zielButton->setText(QStringLiteral("…"));
    connect(m_zielButton, &QToolButton::clicked, this, &TInstallForm::ChooseFolder);

    auto* group = new QGroupBox(QStringLiteral("Grundeinstellung"), this);
    m_unitCombo = new QComboBox(group);
    m_unitCombo->setObjectName(QStringLiteral("UnitCombo"));
    for (int i = 0; i < OfferedLanguageEntries(); ++i)
        m_unitCombo->addItem(QString::fromUtf8(LanguageEntry(i).MenuText));
    m_unitCombo->setCurrentIndex(m_languageIndex);
    auto* groupLayout = new QGridLayout(group);
    groupLayout->addWidget(FixedLabel("Sprache und Einheiten:", group), 0, 0);
    groupLayout->addWidget(FixedLabel("default language and units:", group), 1, 0);
    if (OfferedLanguageEntries() == kLanguageEntryCount)
        groupLayout->addWidget(FixedLabel("Язык:", group), 2, 0);
    groupLayout->addWidget(m_unitCombo, 0, 1, 3, 1, Qt::AlignVCenter);
    groupLayout->setColumnStretch(1, 1);
    connect(m_unitCombo, &QComboBox::currentIndexChanged, this, &TInstallForm::ChooseLanguage);

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("pgBar"));
    m_progress->setRange(0, TInstallation::kStepCount);
    m_progress->hide();

    m_okButton = new QPushButton(this);
    m_okButton->setObjectName(QStringLiteral("OkBtn"));
    m_okButton->setDefault(true);
    m_cancelButton = new QPushButton(this);
    m_cancelButton->setObjectName(QStringLiteral("CancelBtn"));
    m_abortButton = new QPushButton(this);
    m_abortButton->setObjectName(QStringLiteral("AbortBtn"));
    connect(m_okButton, &QPushButton::clicked, this, &TInstallForm::Install);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_abortButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(m_zielEdit, 1);
    folderRow->addWidget(m_zielButton);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    buttons->addStretch(1);
    buttons->addWidget(m_abortButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_zielLabel);
    layout->addLayout(folderRow);
    layout->addWidget(group);
    layout->addWidget(m_progress);
    layout->addStretch(1);
    layout->addLayout(buttons);
    ChooseLanguage(m_languageIndex); // texts, text language and units follow the entry shown
}

QString TInstallForm::Folder() const {
    return m_zielEdit->text();
}

void TInstallForm::SetFolder(const QString& folder) {
    m_zielEdit->setText(folder);
}

void TInstallForm::ApplyTexts() {
    setWindowTitle(Text(TextId::InstTitle));
    m_zielLabel->setText(Text(TextId::ZielLabel));
    m_zielButton->setToolTip(Text(TextId::ZielChooseHint));
    m_okButton->setText(Text(TextId::InstOkBtn));
    m_cancelButton->setText(Text(TextId::InstCdBtn));
    m_abortButton->setText(Text(TextId::InstAbortBtn));
}

void TInstallForm::ChooseLanguage(int comboIndex) {
    if (comboIndex < 0) return;
    m_languageIndex = ClampLanguageIndex(comboIndex);
    SetTextLanguage(LanguageOfUnitSystem(m_languageIndex));
    SetScreenUnitSystem(m_languageIndex);
    ApplyTexts();
}

void TInstallForm::ChooseFolder() {
    const QString folder =
        QFileDialog::getExistingDirectory(this, Text(TextId::ZielChooseHint), Folder());
    if (!folder.isEmpty()) SetFolder(folder);
}

void TInstallForm::Install() {
    for (QWidget* w : std::initializer_list<QWidget*>{m_okButton, m_cancelButton, m_abortButton,
                                                      m_zielEdit, m_zielButton, m_unitCombo})
        w->setEnabled(false);
    m_progress->setValue(0);
    m_progress->show();
    TInstallation installation(m_source, Folder().toStdString(), m_user, m_languageIndex);
    m_installed = installation.Run([this](int step, const std::string&) {
        m_progress->setValue(step);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    m_error = installation.Error();
    m_installedFolder = installation.Folder();
    accept();
}

} // namespace corvane
