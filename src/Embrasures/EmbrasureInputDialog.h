#pragma once

#include "KorvexDatabase_export.h"

#include <QDialog>

#include <memory>

namespace KorvexEmbrasureDatabase {

namespace Ui {
class CEmbrasureInputDialog;
}

/// Asks for the three parts of an opening's name: type, frame material and glazing.
/// The embrasure editor keeps one and sets its title and texts before each use; the
/// dialog itself checks nothing.
class KORVEXDATABASE_EXPORT CEmbrasureInputDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CEmbrasureInputDialog(QWidget *parent = nullptr);
    ~CEmbrasureInputDialog() override;

    /// Shows the three texts, each trimmed.
    void SetValues(const QString &type, const QString &material, const QString &glass);
    /// The type as typed, trimmed.
    QString GetTypeText() const;

public slots:
    void slotClickedOk();

private:
    friend class CEmbrasureRedactorDialog;

    std::unique_ptr<Ui::CEmbrasureInputDialog> m_ui;
};

} // namespace KorvexEmbrasureDatabase
