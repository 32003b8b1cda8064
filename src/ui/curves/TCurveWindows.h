#pragma once

#include "ui/curves/TCurveWindowContext.h"

#include <QObject>
#include <QPointer>
#include <array>

namespace corvane {

class TKennlForm;

// The program's curve windows, one per diagram code 1..28. Opening a code that already has a
// window brings that window forward. The program-wide operations reach every open window:
// refresh after a change of the results or options, language switch, closing all.
class TCurveWindows : public QObject {
    Q_OBJECT
public:
    static constexpr int kFirstIndex = 1;
    static constexpr int kLastIndex = 28;

    explicit TCurveWindows(const TCurveWindowContext& context, QObject* parent = nullptr);
    // Closes the windows that are still open.
    ~TCurveWindows() override;

    // Shows the window of `index` (1..28), creating it with the two flags of the caller
    // (curves of the impeller selection with the operating point; the main window's list
    // mode 2). nullptr for any other index.
    TKennlForm* Open(int index, bool selectionMode = true, bool listModeFlag = false);
    // The open window of `index`, else nullptr.
    TKennlForm* Window(int index) const;
    int OpenCount() const;

    // Curve sets built again and repainted (after every result change, curve style or font).
    void RefreshAll();
    // Texts in the current language (after a language switch), curve sets built again.
    void ApplyLanguageAll();
    // Closes every window; a busy one (copying, printing) refuses and stays open.
    void CloseAll();

private:
    TCurveWindowContext context_;
    std::array<QPointer<TKennlForm>, kLastIndex + 1> windows_;
};

} // namespace corvane
