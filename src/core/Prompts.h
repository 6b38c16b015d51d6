#pragma once

#include "KorvexDatabase_export.h"

#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

namespace KorvexCore {

/// What the library asks the user. Every dialog goes through these functions, so an
/// automated host (or a test) can answer them by installing a responder.
enum class PromptKind { Text, Question, Information, Critical, OpenFile };

struct KORVEXDATABASE_EXPORT CPromptRequest
{
    PromptKind kind = PromptKind::Information;
    QWidget *parent = nullptr;
    QString title;
    QString text; ///< message text, input label, or file-dialog caption
    QString initialText; ///< text input: initial text; open file: starting folder
    QString filter; ///< open file: name filter
    QMessageBox::StandardButtons buttons = QMessageBox::NoButton;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

struct KORVEXDATABASE_EXPORT CPromptAnswer
{
    bool accepted = false; ///< text input / open file: OK pressed
    QString text; ///< text input: the text; open file: the chosen path
    QMessageBox::StandardButton button = QMessageBox::NoButton; ///< message boxes
};

using PromptResponder = std::function<CPromptAnswer(const CPromptRequest &)>;

/// Replaces the real Qt dialogs by \a responder; an empty function restores them.
KORVEXDATABASE_EXPORT void SetPromptResponder(PromptResponder responder);

/// QInputDialog::getText with normal echo. Returns the text; \a ok tells whether OK was pressed.
KORVEXDATABASE_EXPORT QString PromptText(QWidget *parent, const QString &title,
                                         const QString &label, const QString &initialText,
                                         bool *ok);
/// QMessageBox::question.
KORVEXDATABASE_EXPORT QMessageBox::StandardButton
PromptQuestion(QWidget *parent, const QString &title, const QString &text,
               QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No,
               QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
/// QMessageBox::information.
KORVEXDATABASE_EXPORT QMessageBox::StandardButton
PromptInformation(QWidget *parent, const QString &title, const QString &text,
                  QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                  QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
/// QMessageBox::critical.
KORVEXDATABASE_EXPORT QMessageBox::StandardButton
PromptCritical(QWidget *parent, const QString &title, const QString &text,
               QMessageBox::StandardButtons buttons = QMessageBox::Ok,
               QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
/// QFileDialog::getOpenFileName. Returns the chosen path, empty when cancelled.
KORVEXDATABASE_EXPORT QString PromptOpenFileName(QWidget *parent, const QString &caption,
                                                 const QString &dir, const QString &filter);

} // namespace KorvexCore
