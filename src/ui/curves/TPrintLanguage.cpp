#include "ui/curves/TPrintLanguage.h"

#include "i18n/Language.h"

namespace corvane {

TPrintLanguage::TPrintLanguage() : saved_(TextLanguage()) {
    SetTextLanguage(LanguageOfUnitSystem(PrintUnitSystem()));
}

TPrintLanguage::~TPrintLanguage() {
    SetTextLanguage(saved_);
}

} // namespace corvane
