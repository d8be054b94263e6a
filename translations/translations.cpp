#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace tavrin {

namespace {

// Where qt_add_translations puts the compiled translations among the program's resources.
const QString ResourceFolder = QStringLiteral(":/i18n");

// The language part of a UI language such as "de-AT" or "ru".
QString languageCode(const QString& uiLanguage) {
    return QLocale(uiLanguage).name().section(u'_', 0, 0);
}

} // namespace

QStringList shippedLanguages() {
    return {QStringLiteral("de"), QStringLiteral("ru")};
}

Translations::Translations(const QLocale& locale) {
    for (const QString& uiLanguage : locale.uiLanguages()) {
        const QString code = languageCode(uiLanguage);
        if (code == u"en")
            return;
        if (!shippedLanguages().contains(code))
            continue;
        if (!tavrin_.load(QStringLiteral("tavrin_") + code, ResourceFolder))
            continue;
        language_ = code;
        QCoreApplication::installTranslator(&tavrin_);
        // Without Qt's own translation the standard buttons stay English; the wizard still works.
        if (qt_.load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&qt_);
        return;
    }
}

Translations::~Translations() {
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&tavrin_);
}

} // namespace tavrin
