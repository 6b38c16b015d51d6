#include "core/Translation.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTranslator>

// The compiled translations are an object of their own that nothing else refers to; naming
// their initializer here links them in wherever this file is linked, a static archive too.
static void registerTranslations()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(korvex_objects_translations);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace KorvexCore {

namespace {
QPointer<QTranslator> installedTranslator;
}

bool InstallTranslator(const QLocale &locale)
{
    if (!QCoreApplication::instance())
        return false;
    if (installedTranslator) {
        QCoreApplication::removeTranslator(installedTranslator);
        delete installedTranslator;
    }
    if (locale.language() == QLocale::Russian)
        return true;
    registerTranslations();
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(locale, QStringLiteral("korvexdatabase"), QStringLiteral("_"),
                          QStringLiteral(":/i18n"))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    installedTranslator = translator;
    return true;
}

} // namespace KorvexCore
