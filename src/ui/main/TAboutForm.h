#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace corvane {

// The about box: program name and version, what it is for, the maker and the author; a click
// on the maker's logo or the author line opens their web site.
class TAboutForm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget* parent = nullptr);

    // Sets the texts of the current text language.
    void ApplyLanguage();

    QLabel* InfoLabel() const { return infoLabel_; }
    QPushButton* OkButton() const { return okBtn_; }

    static const QString& MakerSite();
    static const QString& AuthorSite();

private:
    QLabel* logoLabel_ = nullptr;
    QLabel* titleLabel_ = nullptr;
    QLabel* infoLabel_ = nullptr;
    QLabel* authorLabel_ = nullptr;
    QPushButton* okBtn_ = nullptr;
};

} // namespace corvane
