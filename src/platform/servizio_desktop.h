// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace spintaro {

// What the program asks of the desktop: a file name from the standard save dialog, and opening
// a document with the application the desktop has for its type. Behind an interface so that
// tests answer the dialog and record what would be opened.
class ServizioDesktop {
public:
    virtual ~ServizioDesktop() = default;

    // The name the user chose, or empty when the dialog was cancelled. proposto is the name the
    // dialog starts with; estensione (without the period) is added to a name typed without it.
    virtual std::optional<QString> chiediFileDaSalvare(QWidget* genitore, const QString& titolo,
                                                       const QString& proposto,
                                                       const QString& filtro,
                                                       const QString& estensione) = 0;
    // False when the desktop could not start an application for the file.
    virtual bool apriDocumento(const QString& percorso) = 0;
};

// The real ones: QFileDialog (it asks before replacing a file) and QDesktopServices.
class DesktopQt final : public ServizioDesktop {
public:
    std::optional<QString> chiediFileDaSalvare(QWidget* genitore, const QString& titolo,
                                               const QString& proposto, const QString& filtro,
                                               const QString& estensione) override;
    bool apriDocumento(const QString& percorso) override;
};

} // namespace spintaro
