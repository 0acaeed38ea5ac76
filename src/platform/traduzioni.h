// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The toolkit's own texts in Italian, whatever the system's language: the buttons and the labels
// of its standard dialogs (file chooser, questions) then speak the program's language.

class QCoreApplication;

namespace spintaro {

// Installs Qt's Italian translations (qtbase_it, from the Debian package qt6-translations-l10n)
// in the application. False when they are not installed; the dialogs then keep Qt's English.
bool installaTraduzioniQt(QCoreApplication& app);

} // namespace spintaro
