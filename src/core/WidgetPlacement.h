#pragma once

#include "KorvexDatabase_export.h"

class QWidget;

namespace KorvexCore {

/// Centres \a widget in the available area of the screen that holds \a parent (the
/// primary screen without a parent), keeping its size. The area's own offset is not
/// added, and the halves are truncated, so a dialog lands where hosts have always
/// found it. Without any screen the position is left alone.
KORVEXDATABASE_EXPORT void CenterOnScreen(QWidget *widget, QWidget *parent = nullptr);

} // namespace KorvexCore
