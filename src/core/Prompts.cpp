#include "core/Prompts.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>

namespace KorvexCore {

namespace {
PromptResponder &responder()
{
    static PromptResponder instance;
    return instance;
}

QMessageBox::StandardButton askBox(PromptKind kind, QWidget *parent, const QString &title,
                                   const QString &text, QMessageBox::StandardButtons buttons,
                                   QMessageBox::StandardButton defaultButton)
{
    if (responder()) {
        CPromptRequest request;
        request.kind = kind;
        request.parent = parent;
        request.title = title;
        request.text = text;
        request.buttons = buttons;
        request.defaultButton = defaultButton;
        return responder()(request).button;
    }
    switch (kind) {
    case PromptKind::Question:
        return QMessageBox::question(parent, title, text, buttons, defaultButton);
    case PromptKind::Critical:
        return QMessageBox::critical(parent, title, text, buttons, defaultButton);
    default:
        return QMessageBox::information(parent, title, text, buttons, defaultButton);
    }
}
} // namespace

void SetPromptResponder(PromptResponder newResponder)
{
    responder() = std::move(newResponder);
}

QString PromptText(QWidget *parent, const QString &title, const QString &label,
                   const QString &initialText, bool *ok)
{
    if (responder()) {
        CPromptRequest request;
        request.kind = PromptKind::Text;
        request.parent = parent;
        request.title = title;
        request.text = label;
        request.initialText = initialText;
        const CPromptAnswer answer = responder()(request);
        if (ok)
            *ok = answer.accepted;
        return answer.accepted ? answer.text : QString();
    }
    return QInputDialog::getText(parent, title, label, QLineEdit::Normal, initialText, ok);
}

QMessageBox::StandardButton PromptQuestion(QWidget *parent, const QString &title,
                                           const QString &text,
                                           QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton defaultButton)
{
    return askBox(PromptKind::Question, parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton PromptInformation(QWidget *parent, const QString &title,
                                              const QString &text,
                                              QMessageBox::StandardButtons buttons,
                                              QMessageBox::StandardButton defaultButton)
{
    return askBox(PromptKind::Information, parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton PromptCritical(QWidget *parent, const QString &title,
                                           const QString &text,
                                           QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton defaultButton)
{
    return askBox(PromptKind::Critical, parent, title, text, buttons, defaultButton);
}

QString PromptOpenFileName(QWidget *parent, const QString &caption, const QString &dir,
                           const QString &filter)
{
    if (responder()) {
        CPromptRequest request;
        request.kind = PromptKind::OpenFile;
        request.parent = parent;
        request.title = caption;
        request.text = caption;
        request.initialText = dir;
        request.filter = filter;
        const CPromptAnswer answer = responder()(request);
        return answer.accepted ? answer.text : QString();
    }
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

} // namespace KorvexCore
