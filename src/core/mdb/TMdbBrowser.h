#pragma once

#include <string>

namespace corvane {

// The table browser window as the table hooks see it (PrepareBrowser, BrowserCloseAllowed,
// EditRecord): the window layer implements it.
class TMdbBrowser {
public:
    virtual ~TMdbBrowser() = default;
    virtual void SetCaption(const std::string& caption) = 0;
    // Shows or hides the "Messwerte" menu group (and its pop-up twins).
    virtual void ShowMeasuredValuesMenu(bool visible) = 0;
};

} // namespace corvane
