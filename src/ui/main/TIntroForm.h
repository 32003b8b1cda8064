#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

namespace corvane {

// The splash window shown while the program starts: the splash picture next to the program
// (program path with extension ".BMP") when there is one, the program title and a gauge of
// the start-up steps.
class TIntroForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSteps = 16;
    static constexpr int kMinWidth = 342;
    static constexpr int kMinHeight = 416;

    // `picturePath` empty: the splash picture next to the program.
    explicit TIntroForm(const QString& picturePath = {}, QWidget* parent = nullptr);
    ~TIntroForm() override;

    // Advances the gauge by one and repaints at once.
    void Step();
    int Position() const;

    // Advances the gauge of the splash window that is open; nothing when none is.
    static void ProgressStep();

    // Splash picture next to the running program.
    static QString DefaultPicturePath();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PlaceVersionLabel();

    QWidget* textPanel_ = nullptr;
    QLabel* pictureLabel_ = nullptr;
    QLabel* versionLabel_ = nullptr;
    QProgressBar* gauge_ = nullptr;
};

} // namespace corvane
