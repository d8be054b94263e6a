#pragma once

// Tavrin in the user's language: its own texts, compiled into the program, and Qt's texts for the
// standard buttons and dialogs, from the system's Qt translations.

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>

namespace tavrin {

// The languages Tavrin ships translations for, besides English, the language its texts are written in.
QStringList shippedLanguages();

// Installs the translation of the first of the locale's UI languages that Tavrin speaks, for as long as
// it lives. English, or a list of languages none of which is shipped, leaves every text as written and
// loads no translation at all, Qt's included, so the wizard never mixes two languages.
class Translations {
public:
    explicit Translations(const QLocale& locale = QLocale::system());
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // The language in use, e.g. "ru"; empty when the texts stay English.
    QString language() const { return language_; }

private:
    QTranslator tavrin_;
    QTranslator qt_;
    QString language_;
};

} // namespace tavrin
