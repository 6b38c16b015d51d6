#pragma once

#include "KorvexDatabase_export.h"

#include <QLocale>

namespace KorvexCore {

/**
 * Installs the library's translation for \a locale into the running application, in
 * place of one installed by an earlier call. The library's own texts are Russian, so a
 * Russian locale needs no translator (any earlier one is removed). Returns false when
 * there is no translation for the locale's language; the texts then stay Russian.
 *
 * Call it before CreateDatabase(): display names and the dialogs the databases keep
 * take their texts when they are created.
 *
 * \code
 * QApplication app(argc, argv);
 * KorvexCore::InstallTranslator(QLocale(QLocale::English));
 * KorvexInterfaces::IKorvexInterface *manager = CreateDatabase(&host);
 * \endcode
 */
KORVEXDATABASE_EXPORT bool InstallTranslator(const QLocale &locale);

} // namespace KorvexCore
