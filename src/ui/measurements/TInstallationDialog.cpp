#include "ui/measurements/TInstallationDialog.h"

#include "i18n/Language.h"
#include "i18n/Texts.h"
#include "measurements/TMdbMessung.h"
#include "util/Text.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace corvane {

namespace {

QString T(TextId id) {
    return QString::fromUtf8(Txt(id));
}

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToUtf8(const QLineEdit* edit) {
    return edit->text().trimmed().toStdString();
}

} // namespace

TInstallationDialog::TInstallationDialog(const TInstallationSettings& settings, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(T(TextId::RigSettingsTitle));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    const auto edit = [this](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QLatin1String(name));
        e->setMinimumWidth(420);
        return e;
    };
    input_ = edit("InputEdit");
    output_ = edit("OutputEdit");
    form->addRow(T(TextId::RigInputLabel), input_);
    form->addRow(T(TextId::RigOutputLabel), output_);
    for (int code = 0; code < TInstallationSettings::kRigCodes; ++code) {
        QLineEdit* rig = edit("RigEdit");
        rig->setObjectName(QStringLiteral("RigEdit%1").arg(code));
        rigs_[static_cast<std::size_t>(code)] = rig;
        const std::string rigName =
            std::to_string(code) + " (" +
            TMdbMessung::CodeListText(TMdbMessung::F_PRUEFSTAND, code, TextLanguage()) + ")";
        form->addRow(FromUtf8(ReplaceAll(Txt(TextId::RigProgramLabel), "%s", rigName)), rig);
    }
    project_ = edit("ProjectEdit");
    form->addRow(T(TextId::RigProjectLabel), project_);
    simulated_ = new QCheckBox(T(TextId::RigSimulatedBox), this);
    simulated_->setObjectName(QStringLiteral("SimulatedBox"));
    form->addRow(QString(), simulated_);
    duration_ = new QSpinBox(this);
    duration_->setObjectName(QStringLiteral("DurationEdit"));
    duration_->setRange(0, 600000);
    duration_->setSingleStep(500);
    form->addRow(T(TextId::RigDurationLabel), duration_);
    connect(simulated_, &QCheckBox::toggled, duration_, &QWidget::setEnabled);
    layout->addLayout(form);

    auto* box = new QDialogButtonBox(this);
    QPushButton* defaults = box->addButton(T(TextId::RigDefaultsBtn), QDialogButtonBox::ResetRole);
    defaults->setObjectName(QStringLiteral("DefaultsBtn"));
    box->addButton(T(TextId::OkBtn), QDialogButtonBox::AcceptRole)
        ->setObjectName(QStringLiteral("OkBtn"));
    box->addButton(T(TextId::CancelBtn), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("CancelBtn"));
    connect(defaults, &QPushButton::clicked, this,
            [this] { Load(TInstallationSettings::Defaults()); });
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(box);
    Load(settings);
}

void TInstallationDialog::Load(const TInstallationSettings& settings) {
    input_->setText(FromUtf8(settings.InputPath));
    output_->setText(FromUtf8(settings.OutputPath));
    for (std::size_t code = 0; code < rigs_.size(); ++code)
        rigs_[code]->setText(FromUtf8(settings.RigCommands[code]));
    project_->setText(FromUtf8(settings.AnalyserProject));
    simulated_->setChecked(settings.SimulatedAnalyser);
    duration_->setValue(settings.SimulatedDurationMs);
    duration_->setEnabled(settings.SimulatedAnalyser);
}

// Empty paths and command lines take the defaults, as reading the settings file does.
TInstallationSettings TInstallationDialog::Settings() const {
    const TInstallationSettings defaults = TInstallationSettings::Defaults();
    const auto text = [](const QLineEdit* edit, const std::string& fallback) {
        const std::string value = ToUtf8(edit);
        return value.empty() ? fallback : value;
    };
    TInstallationSettings s;
    s.InputPath = text(input_, defaults.InputPath);
    s.OutputPath = text(output_, defaults.OutputPath);
    for (std::size_t code = 0; code < rigs_.size(); ++code)
        s.RigCommands[code] = text(rigs_[code], defaults.RigCommands[code]);
    s.AnalyserProject = ToUtf8(project_);
    s.SimulatedAnalyser = simulated_->isChecked();
    s.SimulatedDurationMs = duration_->value();
    return s;
}

bool TInstallationDialog::Edit(QWidget* parent, TInstallationSettings& settings) {
    TInstallationDialog dialog(settings, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    settings = dialog.Settings();
    return true;
}

} // namespace corvane
