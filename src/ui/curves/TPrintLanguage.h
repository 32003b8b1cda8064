#pragma once

namespace corvane {

// While it lives, texts come in the language of the print unit system (copies and printouts
// are made in the print language); the previous language is restored on destruction, also
// when the output fails with an exception.
class TPrintLanguage {
public:
    TPrintLanguage();
    ~TPrintLanguage();
    TPrintLanguage(const TPrintLanguage&) = delete;
    TPrintLanguage& operator=(const TPrintLanguage&) = delete;

private:
    int saved_;
};

} // namespace corvane
